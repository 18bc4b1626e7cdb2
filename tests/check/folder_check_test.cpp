// SPDX-License-Identifier: GPL-3.0-or-later
// The whole check on fixture folders: a clean one, and copies of it with one
// fault each, through the lint and the real exercise windows.

#include "check_fixture.h"

#include "check/folder_check.h"
#include "check/report_format.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_windows.h"
#include "platform/fakes.h"
#include "shell/main_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace quorvia::check::testing {
namespace {

// The bundled problems and the fixtures are Italian: numbers with the comma.
class CommaSeparator : public ::testing::Test {
private:
    ScopedDecimalSeparator comma_{','};
};

const ProblemFileReport* fileNamed(const CheckReport& report, const std::string& name)
{
    for (const ProblemFileReport& file : report.files) {
        if (file.file_name == name)
            return &file;
    }
    return nullptr;
}

using CleanFolder = CommaSeparator;

TEST_F(CleanFolder, PassesWithEveryProblemSolvedInEveryWindow)
{
    const FixtureFolder folder;
    const CheckReport report = checkResourceFolder(folder.path(), ',');

    EXPECT_TRUE(allFindings(report).empty()) << describe(allFindings(report));
    ASSERT_EQ(report.files.size(), 8u);
    for (const ProblemFileReport& file : report.files) {
        SCOPED_TRACE(file.file_name);
        ASSERT_EQ(file.problems.size(), 1u);
        EXPECT_EQ(file.problems[0].outcome, Outcome::Solved);
    }
    EXPECT_TRUE(report.passed());
    EXPECT_EQ(report.decimal_separator, ',');
}

struct FaultCase {
    const char* name;  // the folder in data/faults
    std::map<std::string, int> codes;  // every finding of the report, by code
    // The finding that names the fault, and where.
    const char* code;
    const char* file;
    int line;
    const char* says;
    bool passes;
    // The problem the fault is in (problem 1 of this file) and how solving it ended.
    const char* problem_file;
    Outcome outcome;
    int failed_step;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c)
{
    return out << c.name;
}

class FaultyFolder : public CommaSeparator, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultyFolder, ReportsTheFaultWhereItIs)
{
    const FaultCase& c = GetParam();
    const FixtureFolder folder(QString::fromLatin1(c.name));
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    const std::vector<Finding> findings = allFindings(report);

    std::map<std::string, int> codes;
    for (const Finding& f : findings)
        ++codes[f.code];
    EXPECT_EQ(codes, c.codes) << describe(findings);

    const auto named = c.codes.empty() ? findings.end() : std::find_if(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.code == c.code && f.file == c.file && f.line == c.line &&
               f.message.find(c.says) != std::string::npos;
    });
    if (!c.codes.empty()) {
        EXPECT_NE(named, findings.end()) << "no " << c.code << " at " << c.file << ":" << c.line << " saying \""
                                         << c.says << "\" in\n"
                                         << describe(findings);
    }
    EXPECT_EQ(report.passed(), c.passes);

    const ProblemFileReport* file = fileNamed(report, c.problem_file);
    ASSERT_NE(file, nullptr);
    ASSERT_FALSE(file->problems.empty());
    EXPECT_EQ(file->problems[0].outcome, c.outcome);
    EXPECT_EQ(file->problems[0].failed_step, c.failed_step);
}

const Outcome Solved = Outcome::Solved;
const Outcome NotSolved = Outcome::NotSolved;
const Outcome NotTried = Outcome::NotTried;

INSTANTIATE_TEST_SUITE_P(
    OneFaultEach, FaultyFolder,
    ::testing::Values(
        // GENERALE.INI
        FaultCase{"missing_problem_file", {{"missing-file", 1}}, "missing-file", "GENERALE.INI", 17,
                  "«P_SCHEMA4X.INI» non c'è", false, "P_SCHEMA4X.INI", NotTried, 0},
        FaultCase{"file_name_case", {{"file-case", 1}}, "file-case", "GENERALE.INI", 16,
                  "Quorvia lo trova lo stesso", true, "p_schema3.ini", Solved, 0},
        FaultCase{"max_above_twenty", {{"max-too-large", 1}, {"missing-section", 19}}, "max-too-large",
                  "GENERALE.INI", 23, "MAX4=21 supera 20", false, "P_SCHEMA5.INI", Solved, 0},
        FaultCase{"max_above_sections", {{"missing-section", 1}}, "missing-section", "A_SCHEMA3.INI", 0,
                  "manca la sezione [PROBLEMA_2], ma MAX1 in GENERALE.INI offre 2 problemi", false,
                  "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"max_not_a_number", {{"max-invalid", 1}}, "max-invalid", "GENERALE.INI", 21,
                  "MAX2=dieci non è un numero", false, "P_SCHEMA4A.INI", Solved, 0},
        FaultCase{"generale_missing_caption", {{"missing-key", 1}}, "missing-key", "GENERALE.INI", 1,
                  "BTN_FINE", false, "P_SCHEMA3.INI", Solved, 0},
        // Keys and sentences of a problem file
        FaultCase{"missing_key", {{"missing-key", 1}}, "missing-key", "A_SCHEMA3.INI", 10,
                  "VERIFICA_MSG_NO3: a ogni errore nel passo 3 comparirebbe il messaggio «?»", false,
                  "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"misspelt_key", {{"unknown-key", 1}, {"missing-key", 1}}, "unknown-key", "A_SCHEMA3.INI", 21,
                  "DOMNADA5", false, "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"empty_problem_text", {{"unknown-key", 1}, {"empty-value", 1}}, "empty-value",
                  "P_SCHEMA4A.INI", 11, "TESTO è vuota", true, "P_SCHEMA4A.INI", Solved, 0},
        FaultCase{"beginner_repeat", {{"beginner-duplicate", 1}}, "beginner-duplicate", "P_SCHEMA3.INI", 20,
                  "la variante 4 ripete la frase giusta", false, "P_SCHEMA3.INI", Solved, 0},
        FaultCase{"advanced_same_answer", {{"advanced-duplicate", 1}}, "advanced-duplicate", "A_SCHEMA3.INI",
                  19, "le varianti 1 e 3 sono la stessa risposta", true, "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"sentence_too_long", {{"sentence-too-long", 1}}, "sentence-too-long", "A_SCHEMA5.INI", 40,
                  "nella casella ne entrano 200", false, "A_SCHEMA5.INI", Solved, 0},
        FaultCase{"pipe_in_message", {{"pipe-shown", 1}}, "pipe-shown", "P_SCHEMA4B.INI", 71,
                  "in VERIFICA_MSG_NO2 il segno «|» non va a capo", true, "P_SCHEMA4B.INI", Solved, 0},
        FaultCase{"missing_picture", {{"missing-picture", 1}}, "missing-picture", "A_SCHEMA5.INI", 13,
                  "«salvadanaio.jpg» non c'è", false, "A_SCHEMA5.INI", Solved, 0},
        FaultCase{"damaged_picture", {{"picture-damaged", 1}}, "picture-damaged", "A_SCHEMA5.INI", 13,
                  "«salvadanaio.jpg» è tagliata o rovinata", true, "A_SCHEMA5.INI", Solved, 0},
        // The files as a whole
        FaultCase{"utf16_files", {}, "", "", 0, "", true, "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"not_text", {{"not-text", 1}}, "not-text", "P_SCHEMA3.INI", 0, "forse è UTF-16 senza BOM",
                  false, "P_SCHEMA3.INI", NotTried, 0},
        FaultCase{"header_without_bracket", {{"header-unclosed", 1}}, "header-unclosed", "A_SCHEMA3.INI", 10,
                  "manca la «]» finale: Quorvia la legge come sezione [PROBLEMA_1]", true, "A_SCHEMA3.INI",
                  Solved, 0},
        FaultCase{"terminal_escapes", {{"unknown-key", 1}}, "unknown-key", "A_SCHEMA3.INI", 11,
                  "Quorvia non usa la chiave CHIAVE\x1b]0;X\a\x1b[2J", true, "A_SCHEMA3.INI", Solved, 0},
        // CONFIGURE.INI, animations and sounds
        FaultCase{"configure_color", {{"color-invalid", 1}}, "color-invalid", "CONFIGURE.INI", 6,
                  "COLOR=rosso nella sezione [Titolo_S1_L1_P1] non è un numero", true, "A_SCHEMA3.INI", Solved, 0},
        FaultCase{"broken_media", {{"animation-unreadable", 1}, {"sound-unplayable", 1}}, "animation-unreadable",
                  "problema_GIF1.gif", 0, "«problema_GIF1.gif» (l'animazione di un errore) non si riesce a leggere",
                  true, "A_SCHEMA3.INI", Solved, 0},
        // Formulas
        FaultCase{"formula_syntax", {{"formula-syntax", 1}, {"not-solvable", 1}, {"window-message", 1}},
                  "formula-syntax", "A_SCHEMA3.INI", 13, "«12 +» non si legge: manca un numero", false,
                  "A_SCHEMA3.INI", NotSolved, 4},
        // Written with the point in a folder that leaves the separator to the
        // locale: the folder is told, too, which line would make it work.
        FaultCase{"formula_not_a_number",
                  {{"decimal-separator-unset", 1}, {"formula-number", 1}, {"not-solvable", 1}, {"window-message", 2}},
                  "formula-number",
                  "P_SCHEMA3.INI", 13,
                  "«12.5» non è un numero: controlla la formula R1 del problema 1 (il separatore decimale è la virgola)",
                  false,
                  "P_SCHEMA3.INI", NotSolved, 4},
        FaultCase{"formula_wrong_count", {{"formula-shape", 1}}, "formula-shape", "A_SCHEMA4A.INI", 13,
                  "ha 3 numeri, ma lo schema 4a ne vuole 4", false, "A_SCHEMA4A.INI", Solved, 0},
        FaultCase{"formula_mixed_signs", {{"formula-mixed-signs", 1}}, "formula-mixed-signs", "P_SCHEMA4B.INI",
                  13, "usa segni diversi", false, "P_SCHEMA4B.INI", Solved, 0},
        FaultCase{"r2_without_r1", {{"formula-shape", 1}, {"not-solvable", 1}, {"window-message", 1}},
                  "formula-shape", "A_SCHEMA5.INI", 14, "la parola R1 e un numero", false, "A_SCHEMA5.INI",
                  NotSolved, 5},
        FaultCase{"division_by_zero", {{"formula-arithmetic", 1}, {"not-solvable", 1}, {"window-message", 1}},
                  "formula-arithmetic", "P_SCHEMA5.INI", 14, "una divisione per zero", false, "P_SCHEMA5.INI",
                  NotSolved, 5},
        // Scheme 3 has no R2: the fault is told at R1's line, not at the header's.
        FaultCase{"formula_overflow", {{"formula-arithmetic", 1}, {"not-solvable", 1}, {"window-message", 1}},
                  "formula-arithmetic", "A_SCHEMA3.INI", 13, "un numero troppo grande", false, "A_SCHEMA3.INI",
                  NotSolved, 4},
        // What the window refuses: the number box takes ten characters.
        FaultCase{"result_too_long", {{"number-too-long", 1}, {"not-solvable", 1}}, "not-solvable",
                  "A_SCHEMA3.INI", 0, "nella casella Risultato2 non si riesce a scrivere «3,33333333333333»",
                  false, "A_SCHEMA3.INI", NotSolved, 4},
        FaultCase{"final_result_too_long", {{"number-too-long", 1}, {"not-solvable", 1}}, "not-solvable",
                  "P_SCHEMA4B.INI", 0, "nella casella E77 non si riesce a scrivere «5,14285714285714»", false,
                  "P_SCHEMA4B.INI", NotSolved, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// A teacher's folder from Windows: Windows-1252, CRLF, keys in any case, and
// accented sentences typed in the advanced window and picked in the beginner's.
using WindowsFolder = CommaSeparator;

TEST_F(WindowsFolder, PassesWithItsAccentedSentencesSolved)
{
    const FixtureFolder folder(QStringLiteral("windows_1252"));
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    const ProblemFileReport* advanced = fileNamed(report, "A_SCHEMA3.INI");
    const ProblemFileReport* beginner = fileNamed(report, "P_SCHEMA3.INI");
    ASSERT_TRUE(advanced && beginner);
    EXPECT_EQ(advanced->problems[0].outcome, Outcome::Solved);
    EXPECT_EQ(beginner->problems[0].outcome, Outcome::Solved);
    EXPECT_TRUE(allFindings(report).empty()) << describe(allFindings(report));
}

// Notepad's "Unicode" saves read as the program reads them, and the report
// names the encoding of every file it read.
using EncodedFolder = CommaSeparator;

TEST_F(EncodedFolder, ReportNamesTheEncodingOfEveryFile)
{
    const FixtureFolder folder(QStringLiteral("utf16_files"));
    folder.write(QStringLiteral("CONFIGURE.INI"), "\xEF\xBB\xBF[Titolo_S1_L1]\nCAPTION=Problemi\n");
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    std::map<std::string, std::string> encodings;
    for (const FileEncoding& e : report.encodings)
        encodings[e.file] = e.encoding;
    EXPECT_EQ(report.encodings.size(), 10u);
    EXPECT_EQ(encodings["GENERALE.INI"], "UTF-16 BE");
    EXPECT_EQ(encodings["A_SCHEMA3.INI"], "UTF-16 LE");
    EXPECT_EQ(encodings["P_SCHEMA3.INI"], "UTF-8");
    EXPECT_EQ(encodings["CONFIGURE.INI"], "UTF-8 con BOM");
    EXPECT_NE(formatText(report).find("  A_SCHEMA3.INI: UTF-16 LE\n"), std::string::npos);
}

// The windows do without a missing animation or sound; the check says so.
using MediaFolder = CommaSeparator;

TEST_F(MediaFolder, AMissingAnimationOrSoundIsAWarning)
{
    const FixtureFolder folder;
    ASSERT_TRUE(QFile::remove(folder.path() + QStringLiteral("bravo.wav")));
    ASSERT_TRUE(QFile::remove(folder.path() + QStringLiteral("mascotte.gif")));
    folder.write(QStringLiteral("ding.wav"), "RIFF");
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    std::map<std::string, std::string> found;
    for (const Finding& f : report.other_files) {
        EXPECT_EQ(f.severity, Severity::Warning) << f.message;
        found[f.file] = f.code;
    }
    EXPECT_EQ(found, (std::map<std::string, std::string>{{"bravo.wav", "media-missing"},
                                                          {"mascotte.gif", "media-missing"},
                                                          {"ding.wav", "sound-unplayable"}}));
    EXPECT_TRUE(report.passed());
}

// Names that leave the folder: read all the same, but the teacher is warned
// that the files will not travel with it.
using OutsideFolder = CommaSeparator;

TEST_F(OutsideFolder, ClimbingOutAndSymbolicLinksAreWarnedAndStillRead)
{
    const FixtureFolder folder;
    QTemporaryDir outside;
    for (const char* name : {"A_SCHEMA3.INI", "P_SCHEMA3.INI", "mascotte.gif"})
        ASSERT_TRUE(QFile::copy(folder.path() + QLatin1String(name), outside.filePath(QLatin1String(name))));
    // Advanced scheme 3 through "..\", beginner scheme 3 and an animation through links.
    QFile generale(folder.path() + QStringLiteral("GENERALE.INI"));
    ASSERT_TRUE(generale.open(QIODevice::ReadOnly));
    QByteArray text = generale.readAll();
    generale.close();
    const QByteArray climb = "..\\" + QDir(outside.path()).dirName().toUtf8() + "\\A_SCHEMA3.INI";
    text.replace("INI_FILE1=A_SCHEMA3.INI", "INI_FILE1=" + climb);
    folder.write(QStringLiteral("GENERALE.INI"), text);
    for (const char* name : {"A_SCHEMA3.INI", "P_SCHEMA3.INI", "mascotte.gif"})
        ASSERT_TRUE(QFile::remove(folder.path() + QLatin1String(name)));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("P_SCHEMA3.INI")), folder.path() + "P_SCHEMA3.INI"));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("mascotte.gif")), folder.path() + "mascotte.gif"));

    const CheckReport report = checkResourceFolder(folder.path(), ',');
    std::map<std::string, std::string> outsideNames;  // file of the finding -> message
    for (const Finding& f : allFindings(report)) {
        if (f.code == "outside-folder") {
            EXPECT_EQ(f.severity, Severity::Warning);
            outsideNames[f.file + " " + std::to_string(f.line)] = f.message;
        }
    }
    ASSERT_EQ(outsideNames.size(), 3u) << describe(allFindings(report));
    EXPECT_NE(outsideNames["GENERALE.INI 16"].find("«P_SCHEMA3.INI» sta fuori dalla cartella"), std::string::npos)
        << describe(allFindings(report));
    EXPECT_NE(outsideNames["GENERALE.INI 27"].find(climb.toStdString()), std::string::npos)
        << describe(allFindings(report));
    EXPECT_EQ(outsideNames.count("mascotte.gif 0"), 1u) << describe(allFindings(report));
    for (const char* name : {"A_SCHEMA3.INI", "P_SCHEMA3.INI"}) {
        // The name as GENERALE.INI writes it.
        const ProblemFileReport* file =
            fileNamed(report, name == std::string("A_SCHEMA3.INI") ? climb.toStdString() : name);
        ASSERT_NE(file, nullptr) << name;
        EXPECT_EQ(file->problems[0].outcome, Outcome::Solved) << name;
    }
}

using MissingWindow = CommaSeparator;

TEST_F(MissingWindow, IsAnErrorForItsFileAndItsProblemsAreNotTried)
{
    const FixtureFolder folder;
    platform::ScopedFakeSound silence;
    TForm1 main(folder.path());
    createExerciseWindows(main);
    main.registerExerciseWindow(Mode::Advanced, Scheme::S5, nullptr);

    const CheckReport report = checkResourceFolder(folder.path(), ',', main);
    const ProblemFileReport* file = fileNamed(report, "A_SCHEMA5.INI");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->findings.size(), 1u) << describe(file->findings);
    EXPECT_EQ(file->findings[0].code, "no-window");
    EXPECT_EQ(file->findings[0].severity, Severity::Error);
    EXPECT_NE(file->findings[0].message.find("finestra non disponibile"), std::string::npos);
    EXPECT_EQ(file->problems[0].outcome, Outcome::NotTried);
    EXPECT_EQ(report.count(Outcome::Solved), 7);
    EXPECT_FALSE(report.passed());
}

}  // namespace
}  // namespace quorvia::check::testing
