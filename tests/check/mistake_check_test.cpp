// SPDX-License-Identifier: GPL-3.0-or-later
// The messages for foreseen mistakes in the checker: the lint of their keys,
// and the solver making each foreseen mistake once and reading the message
// the window shows.

#include "check_fixture.h"

#include "check/folder_check.h"
#include "check/mistake_lint.h"
#include "check/problem_solver.h"
#include "content/ini_file.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "platform/fakes.h"
#include "shell/main_window.h"

#include <map>

namespace quorvia::check::testing {
namespace {

class ForeseenMistakes : public ::testing::Test {
    ScopedDecimalSeparator comma_{','};
};

struct KeyFault {
    const char* folder;  // in data/faults
    const char* code;
    const char* file;
    int line;
    const char* says;
};

std::ostream& operator<<(std::ostream& out, const KeyFault& c)
{
    return out << c.folder;
}

class MistakeKeyFaults : public ForeseenMistakes, public ::testing::WithParamInterface<KeyFault> {};

TEST_P(MistakeKeyFaults, AreWarnedAboutAloneAndEveryProblemIsStillSolved)
{
    const KeyFault& c = GetParam();
    const FixtureFolder folder(QString::fromLatin1(c.folder));
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    const std::vector<Finding> findings = allFindings(report);
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    const Finding& f = findings.front();
    EXPECT_EQ(f.severity, Severity::Warning);
    EXPECT_EQ(f.code, c.code);
    EXPECT_EQ(f.file, c.file);
    EXPECT_EQ(f.line, c.line);
    EXPECT_NE(f.message.find(c.says), std::string::npos) << f.message;
    EXPECT_TRUE(report.passed());
    EXPECT_EQ(report.count(Outcome::Solved), 8);
}

INSTANTIATE_TEST_SUITE_P(
    OneFaultEach, MistakeKeyFaults,
    ::testing::Values(
        KeyFault{"mistake_row_missing", "mistake-no-row", "P_SCHEMA3.INI", 47,
                 "lo schema 3 ha una sola operazione: VERIFICA_MSG_SEGNO_2 non compare mai"},
        KeyFault{"mistake_variant_missing", "mistake-no-variant", "P_SCHEMA3.INI", 47,
                 "solo le varianti da 1 a 5"},
        KeyFault{"foreseen_accepted", "foreseen-accepted", "A_SCHEMA3.INI", 47,
                 "RISPOSTA_SBAGLIATA1_1 è la variante 1 del passo 1 (DOMANDA)"}));

TEST(MistakeKeyLint, NamesEveryKeyThatCannotShow)
{
    const std::string file =
        "[PROBLEMA_1]\n"
        "DOMANDA1=Quante figurine ha Luca?\n"
        "VERIFICA_MSG_NO5_2=lo schema non ha varianti\n"           // 3: the operation step
        "VERIFICA_MSG_NO9_2=non c'è il passo 9\n"                 // 4
        "VERIFICA_MSG_NO1_1=la variante giusta\n"                 // 5
        "VERIFICA_MSG_CALCOLO_3=non c'è la riga 3\n"              // 6
        "VERIFICA_MSG_NO1_SE2=senza frase\n"                      // 7
        "RISPOSTA_SBAGLIATA1_3=Quante figurine ha il nonno?\n"    // 8: no message
        "RISPOSTA_SBAGLIATA1_4=quante figurine ha il NONNO?\n"    // 9: same as 3
        "VERIFICA_MSG_NO1_SE4=come la 3\n"                        // 10
        "VERIFICA_MSG_SEGNO=\n"                                   // 11
        "VERIFICA_MSG_ORDINE=prima|poi\n"                         // 12
        "VERIFICA_MSG_NO01_2=scritto male\n";                     // 13: not read at all
    const IniFile ini = IniFile::parse(file);
    std::vector<Finding> findings;
    lintMistakeKeys(ini, "A.INI", "PROBLEMA_1", Mode::Advanced, Scheme::S5,
                    readProblem(ini, 1, Scheme::S5), findings);
    std::map<int, std::string> byLine;
    for (const Finding& f : findings)
        byLine[f.line] += (byLine[f.line].empty() ? "" : " ") + f.code;
    const std::map<int, std::string> expected = {
        {3, "mistake-no-step"},
        {4, "mistake-no-step"},
        {5, "mistake-no-variant"},
        {6, "mistake-no-row"},
        {7, "message-without-foreseen"},
        {8, "foreseen-without-message"},
        {9, "foreseen-repeated"},
        {11, "empty-value"},
        {12, "pipe-shown"},
    };
    EXPECT_EQ(byLine, expected) << describe(findings);
    EXPECT_TRUE(isMistakeKey("VERIFICA_MSG_NO1_SE2"));
    EXPECT_FALSE(isMistakeKey("VERIFICA_MSG_NO01_2"));
    EXPECT_FALSE(isMistakeKey("VERIFICA_MSG_NO1"));

    // In beginner mode the same variant keys are the ones that count, and
    // foreseen sentences are never typed.
    findings.clear();
    const IniFile beginner = IniFile::parse("[PROBLEMA_1]\nVERIFICA_MSG_NO2_3=bene\nRISPOSTA_SBAGLIATA2_1=mai\n");
    lintMistakeKeys(beginner, "P.INI", "PROBLEMA_1", Mode::Beginner, Scheme::S3,
                    readProblem(beginner, 1, Scheme::S3), findings);
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].code, "mistake-other-mode");
    EXPECT_EQ(findings[0].line, 3);
}

TEST_F(ForeseenMistakes, EachShowsItsMessageInTheRealWindows)
{
    const FixtureFolder folder(QStringLiteral("foreseen_mistakes"));
    const CheckReport report = checkResourceFolder(folder.path(), ',');
    EXPECT_TRUE(allFindings(report).empty()) << describe(allFindings(report));
    EXPECT_TRUE(report.passed());
}

TEST_F(ForeseenMistakes, SolverMakesEachOnceAndTellsAMessageTheWindowDoesNotShow)
{
    const FixtureFolder folder(QStringLiteral("foreseen_mistakes"));
    platform::ScopedFakeDialogs dialogs;
    platform::ScopedFakeSound silence;
    TForm1 main(folder.path());
    createExerciseWindows(main);
    auto* window = dynamic_cast<ExerciseWindow*>(main.exerciseWindow(Mode::Beginner, Scheme::S5));
    ASSERT_NE(window, nullptr);
    main.LOAD_WAV_GIF(window);

    // The solver expects other words than the file gives the window, so
    // every mistake it makes is told.
    ProblemContent problem =
        readProblem(IniFile::read((folder.path() + QStringLiteral("P_SCHEMA5.INI")).toStdString()), 1, Scheme::S5);
    for (auto* table : {&problem.mistakes.wrong_variant, &problem.mistakes.foreseen_message}) {
        for (auto& step : *table) {
            for (std::string& message : step)
                message += message.empty() ? "" : " (prima)";
        }
    }
    for (auto& rows : problem.mistakes.scheme) {
        for (std::string& message : rows)
            message += message.empty() ? "" : " (prima)";
    }

    ProblemSolver solver(*window, *dialogs);
    const SolveResult result = solver.solve({folder.path(), QStringLiteral("P_SCHEMA5.INI"), 1, 1, 5}, problem);
    EXPECT_TRUE(result.solved) << result.reason;
    std::vector<std::string> keys;
    for (const UnshownMessage& unshown : result.unshown)
        keys.push_back(unshown.key);
    // Sentences in step order; then sign, order, number and calculation, row 1 before row 2.
    EXPECT_EQ(keys, (std::vector<std::string>{"VERIFICA_MSG_NO1_2", "VERIFICA_MSG_NO1_5", "VERIFICA_MSG_SEGNO",
                                              "VERIFICA_MSG_SEGNO_2", "VERIFICA_MSG_ORDINE_1", "VERIFICA_MSG_DATI_2",
                                              "VERIFICA_MSG_CALCOLO", "VERIFICA_MSG_CALCOLO"}));
    ASSERT_FALSE(result.unshown.empty());
    EXPECT_NE(result.unshown[3].description.find("con un segno sbagliato nella riga 2 dello schema, la finestra "
                                                 "mostra «Marco spende: gli euro diminuiscono.» invece di"),
              std::string::npos)
        << result.unshown[3].description;
}

}  // namespace
}  // namespace quorvia::check::testing
