// SPDX-License-Identifier: GPL-3.0-or-later
// What a worksheet file holds and how saving and loading treat the file:
// the layout of its sections, the save dialog, files that cannot be
// written, and worksheets that are refused or only partly apply.

#include "program_fixture.h"

#include "content/ini_file.h"
#include "widgets/controls.h"
#include "worksheet/worksheet.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

namespace quorvia::testing {
namespace {

class WorksheetFile : public ProgramFixture {
protected:
    // TFormA3 on problem 2 with some work done.
    ExerciseWindow& advancedWithWork()
    {
        ExerciseWindow* w = window(Mode::Advanced, Scheme::S3);
        open(*w, 2);
        makeProgress(*w);
        return *w;
    }

    void writeText(const QString& file, const QByteArray& text)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    // The keys of a section in file order, each with its value.
    static QStringList keysAndValues(const IniFile& file, const std::string& section)
    {
        QStringList lines;
        for (const std::string& key : file.keyNames(section))
            lines << QString::fromStdString(key + "=" + file.readString(section, key, ""));
        return lines;
    }
};

// ---------------------------------------------------------------------------
// The file as written.

struct SectionCase {
    const char* name;
    Mode mode;
    const char* section;
    QStringList lines;
};

class WrittenSection : public WorksheetFile, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(WrittenSection, HoldsItsKeysInOrder)
{
    const SectionCase& c = GetParam();
    ExerciseWindow* w = window(c.mode, Scheme::S3);
    open(*w, 2);
    makeProgress(*w);
    const IniFile file = IniFile::read(save(*w, "scheda").toStdString());
    EXPECT_EQ(keysAndValues(file, c.section), c.lines);
}

// The question of problem 2 in each mode's bundled file.
const QString kDomanda2 = QStringLiteral("Quanti alberi ci sono in tutto nel parco?");
const QString kBeginnerDomanda2 = QStringLiteral("Quante figurine ha ora Sara?");

INSTANTIATE_TEST_SUITE_P(
    Sections, WrittenSection,
    ::testing::Values(
        SectionCase{"Identity", Mode::Advanced, "DATI",
                    {"NUMERO=2", "HLP=0", "MAX=12", "INIFILE=A_SCHEMA3.INI"}},
        SectionCase{"EntryBox", Mode::Advanced, "LMDdomanda",
                    {"TIPO=TLMDEDIT", "TEXT=" + kDomanda2, "TAG=1", "LEFT=26", "TOP=40"}},
        SectionCase{"NumberBox", Mode::Advanced, "Risultato2",
                    {"TIPO=TLMDEDIT", "TEXT=13", "TAG=4", "LEFT=429", "TOP=121"}},
        SectionCase{"ErrorCounter", Mode::Advanced, "H1",
                    {"TIPO=TLMDSPEEDBUTTON", "CAPTION=Err=1", "TAG=1"}},
        SectionCase{"ErrorTotal", Mode::Advanced, "error_num",
                    {"TIPO=TLABEL", "CAPTION= ERR=1", "TAG=1"}},
        SectionCase{"OperatorLabel", Mode::Advanced, "Loper1", {"TIPO=TLABEL", "CAPTION=X", "TAG=0"}},
        // A caption of two lines keeps its line break as "|".
        SectionCase{"CaptionOfTwoLines", Mode::Advanced, "Label14",
                    {"TIPO=TLABEL", "CAPTION=alberi|in tutto", "TAG=0"}},
        SectionCase{"ToolButton", Mode::Advanced, "LMDsoluzione",
                    {"TIPO=TLMDBUTTON", "CAPTION=Soluzione", "TAG=0"}},
        SectionCase{"Indicator", Mode::Advanced, "Shape02", {"TIPO=TSHAPE", "TAG=2"}},
        SectionCase{"ChoiceList", Mode::Beginner, "EB01",
                    {"TIPO=TLMDCOMBOBOX", "TEXT=" + kBeginnerDomanda2}},
        SectionCase{"ChoiceListWithNothingChosen", Mode::Beginner, "EB03",
                    {"TIPO=TLMDCOMBOBOX", "TEXT="}},
        SectionCase{"MemoIsNotRecorded", Mode::Advanced, "Memo1", {}},
        SectionCase{"PanelIsNotRecorded", Mode::Advanced, "Panel6", {}},
        SectionCase{"PictureIsNotRecorded", Mode::Advanced, "Image4", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetFile, SectionsFollowTheWindowsOwnOrderAfterTheIdentity)
{
    ExerciseWindow& w = advancedWithWork();
    const IniFile file = IniFile::read(save(w, "scheda").toStdString());
    std::vector<std::string> expected = {"DATI"};
    for (QWidget* control : controlsInOrder(&w)) {
        if (controlKind(control) != ControlKind::Other)
            expected.push_back(control->objectName().toStdString());
    }
    EXPECT_EQ(file.sectionNames(), expected);
}

// ---------------------------------------------------------------------------
// The save dialog.

TEST_F(WorksheetFile, SaveDialogOffersIniFilesAndAddsTheExtension)
{
    ExerciseWindow& w = advancedWithWork();
    struct {
        const char* typed;
        const char* written;
    } names[] = {{"senza", "senza.INI"}, {"con.ini", "con.ini"}, {"punto.", "punto.INI"}};
    for (const auto& name : names) {
        SCOPED_TRACE(name.typed);
        save(w, QLatin1String(name.typed));
        EXPECT_TRUE(QFileInfo::exists(path(QLatin1String(name.written))));
        ASSERT_FALSE(dialogs_->saveFileRequests().isEmpty());
        EXPECT_TRUE(dialogs_->saveFileRequests().last().filter.contains(QStringLiteral("*.INI")));
    }
    EXPECT_FALSE(QFileInfo::exists(path("senza")));
    EXPECT_TRUE(dialogs_->messages().isEmpty());
}

TEST_F(WorksheetFile, ANameWithADotOfItsOwnStillGetsTheExtension)
{
    ExerciseWindow& w = advancedWithWork();
    for (const char* typed : {"Marco 12.05", "scheda.txt"}) {
        dialogs_->setNextSaveFile(path(QLatin1String(typed)));
        qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDsalva"))->click();
        EXPECT_TRUE(QFileInfo::exists(path(QLatin1String(typed) + QStringLiteral(".INI")))) << typed;
        EXPECT_FALSE(QFileInfo::exists(path(QLatin1String(typed)))) << typed;
    }
    for (const char* kept : {"con.ini", "CON.INI", "misto.Ini"})
        EXPECT_EQ(worksheet::withExtension(QLatin1String(kept)), QLatin1String(kept));
}

TEST_F(WorksheetFile, TheDialogsOpenInTheChildsQuorviaFolderWithANameToSuggest)
{
    // The documents folder of a home of the test's own.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).filePath(QStringLiteral("Quorvia"));

    ExerciseWindow& w = advancedWithWork();
    main_->findChild<QLineEdit*>(QStringLiteral("LMDEdit1"))->setText(QStringLiteral("Marco/Anna"));
    qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDsalva"))->click();
    qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDcarica"))->click();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);

    EXPECT_TRUE(documents.startsWith(home.path())) << documents.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    ASSERT_EQ(dialogs_->saveFileRequests().size(), 1);
    EXPECT_EQ(dialogs_->saveFileRequests()[0].directory,
              QDir(folder).filePath(QStringLiteral("Marco_Anna schema 3 problema 2.INI")));
    ASSERT_EQ(dialogs_->openFileRequests().size(), 1);
    EXPECT_EQ(dialogs_->openFileRequests()[0].directory, folder);

    EXPECT_EQ(worksheet::suggestedName(QString(), 3, 7), QStringLiteral("schema 4b problema 7.INI"));
    // A documents folder where nothing can be created is used as it is.
    EXPECT_EQ(worksheet::worksheetFolder(QStringLiteral("/proc/non-esiste")),
              QStringLiteral("/proc/non-esiste"));
}

TEST_F(WorksheetFile, CancellingTheSaveDialogWritesNothing)
{
    ExerciseWindow& w = advancedWithWork();
    const QStringList before = QDir(folder_).entryList(QDir::Files);
    qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDsalva"))->click();
    EXPECT_EQ(dialogs_->saveFileRequests().size(), 1);
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files), before);
}

TEST_F(WorksheetFile, SavingOverAnOldWorksheetKeepsWhatItDoesNotWrite)
{
    writeText(path("vecchia.INI"), "; la scheda di Giulia\n[NOTE]\nMAESTRA=brava\n[DATI]\nNUMERO=7\n");
    ExerciseWindow& w = advancedWithWork();
    const IniFile file = IniFile::read(save(w, "vecchia.INI").toStdString());
    EXPECT_EQ(file.readString("NOTE", "MAESTRA", ""), "brava");
    EXPECT_EQ(file.readInteger("DATI", "NUMERO", 0), 2);
    EXPECT_EQ(file.lineOf("DATI", "NUMERO"), 5);
}

// ---------------------------------------------------------------------------
// Files that cannot be written: the child is told, nothing is half written,
// and the work stays in the window.

TEST_F(WorksheetFile, AWorksheetThatCannotBeWrittenIsReportedAndTheWorkStays)
{
    ExerciseWindow& w = advancedWithWork();
    const auto before = recordedState(w);
    ASSERT_TRUE(QDir(folder_).mkdir("cartella.INI"));
    const QString targets[] = {path("manca/scheda.INI"), path("cartella.INI")};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        dialogs_->clearRecords();
        dialogs_->setNextSaveFile(target);
        qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDsalva"))->click();
        ASSERT_EQ(dialogs_->messages().size(), 1);
        EXPECT_TRUE(dialogs_->messages().first().startsWith(QStringLiteral("La scheda non è stata salvata")));
        EXPECT_EQ(recordedState(w), before);
    }
    EXPECT_FALSE(QFileInfo::exists(path("manca")));
    EXPECT_TRUE(QFileInfo(path("cartella.INI")).isDir());
}

TEST_F(WorksheetFile, AWorksheetInAReadOnlyFolderIsReportedAndTheOldFileKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    ASSERT_TRUE(QDir(folder_).mkdir("chiusa"));
    const QByteArray old = "[DATI]\nNUMERO=1\n";
    writeText(path("chiusa/scheda.INI"), old);
    ASSERT_TRUE(QFile::setPermissions(path("chiusa"), QFile::ReadOwner | QFile::ExeOwner));
    ExerciseWindow& w = advancedWithWork();
    save(w, "chiusa/scheda.INI");
    QFile::setPermissions(path("chiusa"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(dialogs_->messages().size(), 1);
    QFile f(path("chiusa/scheda.INI"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
}

// ---------------------------------------------------------------------------
// Loading: refusals change nothing.

struct HeaderCase {
    const char* name;
    const char* dati;  // the lines of "DATI"
    const char* message;
};

class RefusedWorksheet : public WorksheetFile, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(RefusedWorksheet, LeavesTheWindowAsItWas)
{
    const HeaderCase& c = GetParam();
    writeText(path("scheda.INI"),
              QByteArray("[DATI]\n") + c.dati + "\n[LMDdomanda]\nTIPO=TLMDEDIT\nTEXT=dalla scheda\n");
    ExerciseWindow& w = advancedWithWork();
    const auto before = recordedState(w);
    load(w, path("scheda.INI"));
    EXPECT_EQ(dialogs_->messages(), QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(recordedState(w), before);
    EXPECT_EQ(w.state().current_problem, 2);
    EXPECT_EQ(w.state().problem_count, 12);
    EXPECT_EQ(main_->problemValue(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, RefusedWorksheet,
    ::testing::Values(
        HeaderCase{"AnotherMode", "NUMERO=2\nMAX=10\nINIFILE=P_SCHEMA3.INI",
                   "P_SCHEMA3.INI non è lo stesso livello"},
        HeaderCase{"AnotherScheme", "NUMERO=2\nMAX=10\nINIFILE=A_SCHEMA4A.INI",
                   "A_SCHEMA4A.INI non è lo stesso livello"},
        HeaderCase{"LetterCaseCounts", "NUMERO=2\nMAX=10\nINIFILE=a_schema3.ini",
                   "a_schema3.ini non è lo stesso livello"},
        HeaderCase{"NoIdentity", "", " non è lo stesso livello"},
        HeaderCase{"ProblemZero", "NUMERO=0\nMAX=10\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 0 di 10): non è stata caricata."},
        HeaderCase{"NegativeProblem", "NUMERO=-3\nMAX=10\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema -3 di 10): non è stata caricata."},
        HeaderCase{"ProblemAboveItsCount", "NUMERO=7\nMAX=5\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 7 di 5): non è stata caricata."},
        HeaderCase{"CountZero", "NUMERO=1\nMAX=0\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 1 di 0): non è stata caricata."},
        // The bundled scheme has 12 problems (MAX1 of GENERALE.INI).
        HeaderCase{"ProblemBeyondTheSchemesProblems", "NUMERO=13\nMAX=13\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 13 di 12): non è stata caricata."},
        HeaderCase{"LastProblemTheWindowCanHoldButNotTheScheme", "NUMERO=20\nMAX=20\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 20 di 12): non è stata caricata."},
        HeaderCase{"CountAboveTheWindowsTables", "NUMERO=3\nMAX=21\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 3 di 21): non è stata caricata."},
        HeaderCase{"ProblemFarOutside", "NUMERO=2147483647\nMAX=2147483647\nINIFILE=A_SCHEMA3.INI",
                   "La scheda scheda.INI non è valida (problema 2147483647 di 2147483647): "
                   "non è stata caricata."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetFile, TheLastProblemTheSchemeOffersIsAccepted)
{
    writeText(path("scheda.INI"), "[DATI]\nNUMERO=12\nMAX=12\nINIFILE=A_SCHEMA3.INI\n");
    ExerciseWindow& w = advancedWithWork();
    load(w, path("scheda.INI"));
    EXPECT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
    EXPECT_EQ(w.state().current_problem, 12);
    EXPECT_EQ(w.state().problem_count, 12);
}

TEST_F(WorksheetFile, CancellingTheOpenDialogChangesNothing)
{
    ExerciseWindow& w = advancedWithWork();
    const auto before = recordedState(w);
    qobject_cast<QAbstractButton*>(w.TROVA_COMP("LMDcarica"))->click();
    EXPECT_EQ(dialogs_->openFileRequests().size(), 1);
    EXPECT_TRUE(dialogs_->messages().isEmpty());
    EXPECT_EQ(recordedState(w), before);
}

// ---------------------------------------------------------------------------
// A hand-edited worksheet applies where it fits.

TEST_F(WorksheetFile, SectionsThatDoNotFitTheWindowAreSkipped)
{
    writeText(path("scheda.INI"),
              "[DATI]\nNUMERO=2\nMAX=10\nINIFILE=A_SCHEMA3.INI\n"
              "[NonEsiste]\nTIPO=TLABEL\nCAPTION=niente\n"
              "[lmddato1]\nTIPO=TLMDEDIT\nTEXT=nome in minuscole\nTAG=2\nLEFT=26\nTOP=40\n"
              "[LMDdomanda]\nTIPO=TLABEL\nCAPTION=un altro tipo\n"
              "[H1]\nTIPO=TSCONOSCIUTO\nCAPTION=Err=9\n"
              "[LMDrisposta]\nTIPO=TLMDEDIT\nTEXT=senza posto\nTAG=5\n"
              "[Memo1]\nTIPO=TLABEL\nCAPTION=non è un'etichetta\n");
    ExerciseWindow& w = advancedWithWork();
    const QString memo = w.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    load(w, path("scheda.INI"));
    EXPECT_TRUE(dialogs_->messages().isEmpty());
    EXPECT_EQ(text(w, "LMDdato1"), QStringLiteral("nome in minuscole"));
    EXPECT_EQ(text(w, "LMDdomanda"), QString());
    EXPECT_EQ(text(w, "H1"), QStringLiteral("Err=0"));
    EXPECT_EQ(w.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), memo);
    // A box without its place goes to the corner of its panel.
    EXPECT_EQ(text(w, "LMDrisposta"), QStringLiteral("senza posto"));
    EXPECT_EQ(w.findChild<QLineEdit*>("LMDrisposta")->pos(), QPoint(0, 0));
}

TEST_F(WorksheetFile, AChoiceIsFoundByItsTextWithoutRegardToCase)
{
    ExerciseWindow* w = window(Mode::Beginner, Scheme::S3);
    open(*w, 2);
    writeText(path("scheda.INI"),
              QByteArray("[DATI]\nNUMERO=2\nMAX=10\nINIFILE=P_SCHEMA3.INI\n"
                         "[EB01]\nTIPO=TLMDCOMBOBOX\nTEXT=") +
                  kBeginnerDomanda2.toUpper().toUtf8() +
                  "\n[EB02]\nTIPO=TLMDCOMBOBOX\nTEXT=una frase che non c'è\n");
    w->findChild<QComboBox*>("EB02")->setCurrentIndex(1);
    load(*w, path("scheda.INI"));
    EXPECT_EQ(text(*w, "EB01"), kBeginnerDomanda2);
    EXPECT_EQ(w->findChild<QComboBox*>("EB02")->currentIndex(), -1);
}

}  // namespace
}  // namespace quorvia::testing
