// SPDX-License-Identifier: GPL-3.0-or-later
// The class in a window: for every choice of the filters the figures are
// those quorvia-report gives on the same folder, the exports are the shown
// report, the printer gets the PDF's pages, and a record written while the
// window is open shows up without losing the teacher's choices.

#include "platform/fakes.h"
#include "progress/progress_file.h"
#include "report/report_format.h"
#include "teacher/class_chart.h"
#include "teacher/class_view.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>

#include <gtest/gtest.h>

namespace quorvia::teacher {
namespace {

const QString kResources = QStringLiteral(QUORVIA_RESOURCES "/");

progress::ProgressRecord record(const std::string& child, int daysAgo, Mode mode, Scheme scheme, int problem,
                                progress::Outcome outcome, int schemeErrors)
{
    progress::ProgressRecord r;
    r.when = progress::localTimestamp(std::time(nullptr) - static_cast<std::time_t>(daysAgo) * 24 * 3600);
    r.child = child;
    r.computer = "pc9";
    r.mode = mode;
    r.scheme = scheme;
    r.problem_file = std::string(mode == Mode::Beginner ? "P_SCHEMA" : "A_SCHEMA") +
                     (scheme == Scheme::S4a ? "4A" : "3") + ".INI";
    r.problem = problem;
    r.outcome = outcome;
    r.solution_shown = outcome == progress::Outcome::SolvedWithSolution;
    r.steps = progress::stepsOf(scheme);
    for (progress::StepTally& step : r.steps) {
        if (step.name == "schema")
            step.errors = schemeErrors;
    }
    r.seconds = 60;
    return r;
}

// The report tests' folder (two children, a torn line, all dated on fixed
// days) and a third child whose records fall today, this month, and long
// ago, in both modes and two schemes, so that each filter keeps a different
// share.
class ClassFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        folder_ = QDir(dir_.filePath(QStringLiteral("progressi"))).absolutePath();
        QDir().mkpath(folder_);
        const QDir fixture(QStringLiteral(QUORVIA_PROGRESS_FIXTURE));
        for (const QString& name : fixture.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(fixture.filePath(name), QDir(folder_).filePath(name)));
        using progress::Outcome;
        for (const progress::ProgressRecord& r :
             {record("Anna", 0, Mode::Beginner, Scheme::S3, 1, Outcome::SolvedAlone, 2),
              record("Anna", 0, Mode::Advanced, Scheme::S4a, 2, Outcome::LeftNext, 1),
              record("anna", 20, Mode::Beginner, Scheme::S4a, 1, Outcome::SolvedWithSolution, 4),
              record("Anna", 400, Mode::Advanced, Scheme::S3, 1, Outcome::SolvedAlone, 0)}) {
            std::string error;
            ASSERT_TRUE(progress::appendRecord(folder_.toStdString(), r, &error)) << error;
        }
    }

    QTemporaryDir dir_;
    QString folder_;
};

void choose(QWidget& view, const char* filter, const QString& text)
{
    auto* combo = view.findChild<QComboBox*>(QString::fromLatin1(filter));
    ASSERT_NE(combo, nullptr) << filter;
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << filter << ": " << text.toStdString();
    combo->setCurrentIndex(index);
}

QString cell(QWidget& view, const char* table, int row, int column)
{
    auto* t = view.findChild<QTableWidget*>(QString::fromLatin1(table));
    return t && t->item(row, column) ? t->item(row, column)->text() : QString();
}

int rows(QWidget& view, const char* table)
{
    auto* t = view.findChild<QTableWidget*>(QString::fromLatin1(table));
    return t ? t->rowCount() : -1;
}

QString pdfText(const QString& pdf, const QStringList& options = {QStringLiteral("-layout")})
{
    QProcess tool;
    tool.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), options + QStringList{pdf, QStringLiteral("-")});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

TEST_F(ClassFolder, EveryFilterShowsTheFiguresOfTheReportProgram)
{
    platform::ScopedFakeDialogs dialogs;
    ClassView view(kResources, folder_);
    struct Case {
        QString child, mode, scheme, period;
        QStringList options;
    };
    const Case cases[] = {
        {"Tutti i bambini", "Tutti i modi", "Tutti gli schemi", "Tutto", {}},
        {"Giulia", "Tutti i modi", "Tutti gli schemi", "Tutto", {"--bambino", "Giulia"}},
        {"Anna", "Tutti i modi", "Tutti gli schemi", "Tutto", {"--bambino", "anna"}},
        {"Tutti i bambini", "Principiante", "Tutti gli schemi", "Tutto", {"--modo", "principiante"}},
        {"Tutti i bambini", "Tutti i modi", "Schema 4a", "Tutto", {"--schema", "4a"}},
        {"Tutti i bambini", "Tutti i modi", "Tutti gli schemi", "Oggi", {"--periodo", "oggi"}},
        {"Tutti i bambini", "Tutti i modi", "Tutti gli schemi", "Questa settimana", {"--periodo", "settimana"}},
        {"Tutti i bambini", "Tutti i modi", "Tutti gli schemi", "Questo mese", {"--periodo=mese"}},
        {"Tutti i bambini", "Tutti i modi", "Tutti gli schemi", "L'anno scolastico", {"--periodo", "anno"}},
        {"Anna", "Avanzato", "Schema 3", "Tutto", {"--bambino", "Anna", "--modo", "avanzato", "--schema", "3"}},
        {"Marco", "Principiante", "Tutti gli schemi", "Oggi", {"--bambino", "Marco", "--modo", "principiante", "--periodo", "oggi"}},
    };
    QSet<int> recordCounts;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        choose(view, "childFilter", c.child);
        choose(view, "modeFilter", c.mode);
        choose(view, "schemeFilter", c.scheme);
        choose(view, "periodFilter", c.period);

        const QString cliCsv = dir_.filePath(QStringLiteral("programma.csv"));
        QProcess program;
        program.start(QStringLiteral(QUORVIA_REPORT_PROGRAM),
                      QStringList{"--json", "--csv", cliCsv, "--risorse", kResources} + c.options + QStringList{folder_});
        ASSERT_TRUE(program.waitForFinished(30000));
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QByteArray json = program.readAllStandardOutput();
        EXPECT_EQ(report::jsonReport(view.shownReport(), folder_), json);

        // What the tables show is what the program counted.
        const QJsonObject root = QJsonDocument::fromJson(json).object();
        recordCounts.insert(root["records"].toInt());
        const QJsonArray children = root["children"].toArray();
        ASSERT_EQ(rows(view, "childTable"), children.size());
        for (int i = 0; i < children.size(); ++i) {
            const QJsonObject child = children[i].toObject();
            EXPECT_EQ(cell(view, "childTable", i, 0), child["name"].toString());
            EXPECT_EQ(cell(view, "childTable", i, 1).toInt(), child["tried"].toInt());
            EXPECT_EQ(cell(view, "childTable", i, 2).toInt(), child["solved_alone"].toInt());
            EXPECT_EQ(cell(view, "childTable", i, 4).toInt(), child["left"].toInt());
            EXPECT_EQ(cell(view, "childTable", i, 7).toInt(), child["errors_by_kind"].toObject()["schema"].toInt());
        }
        const QJsonArray problems = root["problems"].toArray();
        ASSERT_EQ(rows(view, "problemTable"), problems.size());
        for (int i = 0; i < problems.size(); ++i) {
            const QJsonObject problem = problems[i].toObject();
            EXPECT_EQ(cell(view, "problemTable", i, 0),
                      QStringLiteral("%1 n. %2").arg(problem["file"].toString()).arg(problem["problem"].toInt()));
            EXPECT_EQ(cell(view, "problemTable", i, 3).toInt(), problem["children_tried"].toInt());
            const QJsonValue hardest = problem["hardest_step"];
            EXPECT_TRUE(hardest.isNull() ? cell(view, "problemTable", i, 7) == QStringLiteral("—")
                                         : cell(view, "problemTable", i, 7).startsWith(
                                               hardest.toObject()["step"].toString() + QLatin1Char(':')));
        }

        // The spreadsheet rows saved from the window are the program's.
        const QString saved = dir_.filePath(QStringLiteral("finestra.csv"));
        dialogs->setNextSaveFile(saved);
        view.findChild<QPushButton*>(QStringLiteral("exportCsvButton"))->click();
        QFile mine(saved), theirs(cliCsv);
        ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
        ASSERT_TRUE(theirs.open(QIODevice::ReadOnly));
        EXPECT_EQ(mine.readAll(), theirs.readAll());
    }
    // The filters did narrow the report: not every case counted the same records.
    EXPECT_GE(recordCounts.size(), 5);
}

TEST_F(ClassFolder, ThePdfAndThePrinterGetTheShownReport)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    platform::ScopedFakeDialogs dialogs;
    ClassView view(kResources, folder_);
    choose(view, "childFilter", QStringLiteral("Giulia"));

    // A name typed without its ending gets it.
    dialogs->setNextSaveFile(dir_.filePath(QStringLiteral("giulia")));
    view.findChild<QPushButton*>(QStringLiteral("exportPdfButton"))->click();
    ASSERT_EQ(dialogs->saveFileRequests().size(), 1);
    EXPECT_EQ(dialogs->saveFileRequests()[0].filter, QStringLiteral("Documenti PDF (*.pdf)"));
    const QString exported = dir_.filePath(QStringLiteral("giulia.pdf"));
    const QString text = pdfText(exported);
    for (const char* expected : {"Resoconto della classe", "Scelta: solo Giulia", "Per bambino", "Per problema",
                                 "A_SCHEMA3.INI n. 2", "Errori per tipo di passo", "pagina 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Marco"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Anna"))) << text.toStdString();

    view.findChild<QPushButton*>(QStringLiteral("printButton"))->click();
    ASSERT_EQ(dialogs->printPreviews().size(), 1);
    // The printer has many more dots than the PDF has points: the page must
    // come out the same, word for word and place for place.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = dir_.filePath(QStringLiteral("stampa.pdf"));
    printer.setOutputFileName(printed);
    dialogs->printPreviews()[0].paint(&printer);
    struct Word {
        QString text;
        double x, y;
    };
    const auto words = [](const QString& pdf) {
        QList<Word> out;
        static const QRegularExpression word(QStringLiteral(
            "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
        for (auto it = word.globalMatch(pdfText(pdf, {QStringLiteral("-bbox")})); it.hasNext();) {
            const auto m = it.next();
            out.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
        }
        return out;
    };
    const QList<Word> pdfWords = words(exported), printedWords = words(printed);
    ASSERT_GT(pdfWords.size(), 50);
    ASSERT_EQ(printedWords.size(), pdfWords.size());
    for (int i = 0; i < pdfWords.size(); ++i) {
        // Glyphs hinted at another resolution may move by a fraction of a point.
        EXPECT_EQ(printedWords[i].text, pdfWords[i].text);
        EXPECT_NEAR(printedWords[i].x, pdfWords[i].x, 2.0) << pdfWords[i].text.toStdString();
        EXPECT_NEAR(printedWords[i].y, pdfWords[i].y, 2.0) << pdfWords[i].text.toStdString();
    }
}

TEST_F(ClassFolder, ARecordWrittenWhileTheWindowIsOpenShowsUpAndTheChoicesStay)
{
    platform::ScopedFakeDialogs dialogs;
    ClassView view(kResources, folder_);
    view.resize(1024, 600);
    view.show();
    auto* reread = view.findChild<QTimer*>(QStringLiteral("rereadTimer"));
    ASSERT_NE(reread, nullptr);
    EXPECT_TRUE(reread->isActive());
    EXPECT_EQ(reread->interval(), 60 * 1000);

    choose(view, "childFilter", QStringLiteral("Giulia"));
    choose(view, "periodFilter", QStringLiteral("L'anno scolastico"));
    const int before = view.shownReport().records;
    auto* children = view.findChild<QTableWidget*>(QStringLiteral("childTable"));
    children->setCurrentCell(0, 2);

    // Nothing new: the screen is left alone.
    QSignalSpy changes(&view, &ClassView::figuresChanged);
    view.reread();
    EXPECT_EQ(changes.count(), 0);

    // Giulia finishes a problem on her computer; a new child starts on another.
    using progress::Outcome;
    ASSERT_TRUE(progress::appendRecord(folder_.toStdString(),
                                       record("Giulia", 0, Mode::Advanced, Scheme::S3, 4, Outcome::SolvedAlone, 1)));
    ASSERT_TRUE(progress::appendRecord(folder_.toStdString(),
                                       record("Luca", 0, Mode::Advanced, Scheme::S3, 1, Outcome::SolvedAlone, 0)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.shownReport().records == before + 1; }, 5000));
    auto* child = view.findChild<QComboBox*>(QStringLiteral("childFilter"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return child->findText(QStringLiteral("Luca")) >= 0; }, 5000));
    EXPECT_EQ(child->currentText(), QStringLiteral("Giulia"));
    EXPECT_EQ(view.findChild<QComboBox*>(QStringLiteral("periodFilter"))->currentText(),
              QStringLiteral("L'anno scolastico"));
    EXPECT_EQ(rows(view, "childTable"), 1);
    EXPECT_EQ(children->currentRow(), 0);
    EXPECT_EQ(children->currentColumn(), 2);

    // Hidden, the window reads nothing every minute.
    view.hide();
    EXPECT_FALSE(reread->isActive());
}

// Before any child has played, the progress folder (and often the folder
// above it) is not there; the first record must still show without waiting
// for the minute's re-read.
TEST_F(ClassFolder, TheFirstRecordOfAFolderNotYetMadeShowsUp)
{
    platform::ScopedFakeDialogs dialogs;
    const QString later = dir_.filePath(QStringLiteral("quorvia/progressi"));
    ClassView view(kResources, later);
    view.show();
    EXPECT_EQ(view.shownReport().records, 0);
    using progress::Outcome;
    ASSERT_TRUE(QDir().mkpath(later));
    ASSERT_TRUE(progress::appendRecord(later.toStdString(),
                                       record("Luca", 0, Mode::Advanced, Scheme::S3, 1, Outcome::SolvedAlone, 0)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.shownReport().records == 1; }, 5000));
}

TEST_F(ClassFolder, AnotherFolderIsWatchedInsteadAndAMissingOneIsSaid)
{
    platform::ScopedFakeDialogs dialogs;
    ClassView view(kResources, dir_.filePath(QStringLiteral("nessuna")));
    EXPECT_TRUE(view.findChild<QLabel*>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("non c'è")));
    EXPECT_FALSE(view.findChild<QPushButton*>(QStringLiteral("exportPdfButton"))->isEnabled());
    EXPECT_EQ(rows(view, "childTable"), 0);

    view.setProgressFolder(folder_);
    EXPECT_EQ(rows(view, "childTable"), 3);
    EXPECT_TRUE(view.findChild<QPushButton*>(QStringLiteral("exportPdfButton"))->isEnabled());

    // A file that cannot be written is said, in a box.
    dialogs->setNextSaveFile(dir_.filePath(QStringLiteral("manca/dentro.csv")));
    view.findChild<QPushButton*>(QStringLiteral("exportCsvButton"))->click();
    ASSERT_EQ(dialogs->errorBoxes().size(), 1);
    EXPECT_TRUE(dialogs->errorBoxes()[0].text.startsWith(QStringLiteral("Impossibile scrivere il file")));
}

TEST_F(ClassFolder, FiltersTablesAndChartAreNamedAndFitASmallScreen)
{
    ClassView view(kResources, folder_);
    for (const auto& [name, spoken] : {std::pair{"childFilter", "Bambino"}, std::pair{"modeFilter", "Modo"},
                                       std::pair{"schemeFilter", "Schema"}, std::pair{"periodFilter", "Periodo"},
                                       std::pair{"childTable", "Per bambino"}, std::pair{"problemTable", "Per problema"},
                                       std::pair{"reviewTable", "Da ripassare oggi"},
                                       std::pair{"classChart", "Errori per tipo di passo"}}) {
        auto* widget = view.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(spoken)) << name;
    }
    // The chart's figures are there for a screen reader too.
    const QString description = view.findChild<ClassChart*>()->accessibleDescription();
    EXPECT_TRUE(description.contains(QStringLiteral("Giulia: domanda 1, dati 2, schema 5, risposta 0")))
        << description.toStdString();

    // Tab goes from the filters to the buttons, then to the figures.
    view.resize(1000, 500);
    view.show();
    QStringList order;
    QWidget* w = view.findChild<QWidget*>(QStringLiteral("childFilter"));
    for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) {
        // A tab widget hands its focus to its tab bar.
        while (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isVisibleTo(&view))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')).toStdString(),
              "childFilter modeFilter schemeFilter periodFilter exportPdfButton exportCsvButton printButton "
              "qt_tabwidget_tabbar childTable");

    // Inside the teacher's window on a 1024x600 netbook, with room for its tabs and title.
    const QSize least = view.minimumSizeHint();
    EXPECT_LE(least.width(), 1000);
    EXPECT_LE(least.height(), 500);
}

}  // namespace
}  // namespace quorvia::teacher
