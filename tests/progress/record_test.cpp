// SPDX-License-Identifier: GPL-3.0-or-later
// A progress record as a line of its file and back: the step names, the
// quoting, the outcome texts, the time stamp.

#include "progress/record_csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace quorvia::progress {
namespace {

std::vector<std::string> namesOf(Scheme scheme)
{
    std::vector<std::string> names;
    for (const StepTally& step : stepsOf(scheme))
        names.push_back(step.name);
    return names;
}

TEST(ProgressRecord, StepsAreNamedFromTheSchemesKeys)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(namesOf(Scheme::S3), (V{"domanda", "dato 1", "dato 2", "schema", "risposta"}));
    EXPECT_EQ(namesOf(Scheme::S4a), (V{"domanda", "dato 1", "dato 2", "dato 3", "dato 4", "dato 5", "schema",
                                       "risposta"}));
    EXPECT_EQ(namesOf(Scheme::S4b), (V{"domanda 1", "domanda 2", "dato 1", "dato 2", "dato 3", "dato 4", "schema",
                                       "risposta 1", "risposta 2"}));
    EXPECT_EQ(namesOf(Scheme::S5), (V{"domanda", "dato 1", "dato 2", "dato 3", "schema", "risposta"}));
    EXPECT_EQ(stepKind("domanda 2"), "domanda");
    EXPECT_EQ(stepKind("dato 3"), "dati");
    EXPECT_EQ(stepKind("risposta"), "risposta");
}

TEST(ProgressRecord, ANameLeftEmptyIsRecordedAsWithoutName)
{
    EXPECT_EQ(recordedName(""), "(senza nome)");
    EXPECT_EQ(recordedName("   "), "(senza nome)");
    EXPECT_EQ(recordedName(" Ada "), " Ada ");
}

ProgressRecord sample()
{
    ProgressRecord r;
    r.when = "2026-12-11T09:05:00+01:00";
    r.child = "Rossi, \"Gigi\" Niccolò";
    r.computer = "aula3-pc05";
    r.mode = Mode::Beginner;
    r.scheme = Scheme::S4b;
    r.problem_file = "P_SCHEMA4B.INI";
    r.problem = 7;
    r.outcome = Outcome::SolvedWithSolution;
    r.steps = stepsOf(Scheme::S4b);
    r.steps[1].errors = 2;
    r.steps[6].errors = 5;
    r.steps[6].hints = 1;
    r.steps[8].hints = 3;
    r.solution_shown = true;
    r.seconds = 312;
    return r;
}

void expectSame(const ProgressRecord& a, const ProgressRecord& b)
{
    EXPECT_EQ(a.when, b.when);
    EXPECT_EQ(a.child, b.child);
    EXPECT_EQ(a.computer, b.computer);
    EXPECT_EQ(a.mode, b.mode);
    EXPECT_EQ(a.scheme, b.scheme);
    EXPECT_EQ(a.problem_file, b.problem_file);
    EXPECT_EQ(a.problem, b.problem);
    EXPECT_EQ(a.outcome, b.outcome);
    EXPECT_EQ(a.solution_shown, b.solution_shown);
    EXPECT_EQ(a.seconds, b.seconds);
    ASSERT_EQ(a.steps.size(), b.steps.size());
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        EXPECT_EQ(a.steps[i].name, b.steps[i].name);
        EXPECT_EQ(a.steps[i].errors, b.steps[i].errors) << a.steps[i].name;
        EXPECT_EQ(a.steps[i].hints, b.steps[i].hints) << a.steps[i].name;
    }
}

TEST(ProgressRecord, ALineReadsBackAsTheSameRecord)
{
    const std::string line = csvLine(recordRow(sample()));
    // RFC 4180: the name is quoted, its quotes doubled, the record ends in CR LF.
    EXPECT_NE(line.find(",\"Rossi, \"\"Gigi\"\" Niccolò\","), std::string::npos) << line;
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    const CsvText text = parseCsv(csvLine(recordHeader()) + line);
    ASSERT_EQ(text.rows.size(), 2u);
    EXPECT_FALSE(text.torn_tail);
    ProgressRecord back;
    ASSERT_TRUE(recordFromRow(text.rows[0], text.rows[1], back));
    expectSame(back, sample());
}

TEST(ProgressRecord, EveryOutcomeHasItsOwnText)
{
    for (Outcome o : {Outcome::SolvedAlone, Outcome::SolvedWithSolution, Outcome::LeftNext, Outcome::LeftPrevious,
                      Outcome::LeftClose, Outcome::LeftRestore, Outcome::LeftProgramEnd}) {
        Outcome back = Outcome::SolvedAlone;
        ASSERT_TRUE(outcomeFromText(outcomeText(o), back)) << outcomeText(o);
        EXPECT_EQ(back, o);
    }
    Outcome unused;
    EXPECT_FALSE(outcomeFromText("risolto", unused));
}

TEST(Csv, QuotedFieldsHoldCommasAndQuotesAndLfAloneEndsARecord)
{
    const CsvText text = parseCsv("a,\"b,c\",\"\"\"d\"\"\"\nx,,z\r\n");
    ASSERT_EQ(text.rows.size(), 2u);
    EXPECT_EQ(text.rows[0], (CsvRow{"a", "b,c", "\"d\""}));
    EXPECT_EQ(text.rows[1], (CsvRow{"x", "", "z"}));
    EXPECT_FALSE(text.torn_tail);
}

TEST(Csv, ARecordWithoutItsLineEndIsATornTail)
{
    for (const char* tail : {"x,y", "x,\"y,z", "\"", "x,"}) {
        const CsvText text = parseCsv(std::string("a,b\r\n") + tail);
        EXPECT_EQ(text.rows.size(), 1u) << tail;
        EXPECT_TRUE(text.torn_tail) << tail;
    }
}

TEST(ProgressRecord, RowsThatAreNoWholeRecordAreRefused)
{
    const CsvRow header = recordHeader();
    CsvRow row = recordRow(sample());
    ProgressRecord out;
    struct Case {
        const char* what;
        std::size_t column;
        std::string value;
    };
    const Case cases[] = {
        {"a cut field", 9, "3x"},
        {"an unknown outcome", 7, "risol"},
        {"an unknown scheme", 4, "7"},
        {"zeros of a power cut", 1, std::string(3, '\0')},
        {"no date", 0, ""},
    };
    for (const Case& c : cases) {
        CsvRow broken = row;
        broken[c.column] = c.value;
        EXPECT_FALSE(recordFromRow(header, broken, out)) << c.what;
    }
    row.pop_back();
    EXPECT_FALSE(recordFromRow(header, row, out)) << "a missing column";
}

TEST(ProgressRecord, AFileWithOtherStepColumnsIsReadByItsHeader)
{
    // As an older program wrote it: only the steps of scheme 3.
    const CsvText text = parseCsv(
        "secondi,data,bambino,computer,modo,schema,file,problema,esito,soluzione,errori domanda,errori schema,"
        "aiuti schema\r\n"
        "40,2026-01-02T08:00:00+01:00,Ada,pc,avanzato,3,A.INI,2,lasciato: precedente,no,1,4,2\r\n");
    ProgressRecord r;
    ASSERT_TRUE(recordFromRow(text.rows[0], text.rows[1], r));
    EXPECT_EQ(r.seconds, 40);
    EXPECT_EQ(r.outcome, Outcome::LeftPrevious);
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_EQ(r.steps[1].name, "schema");
    EXPECT_EQ(r.steps[1].errors, 4);
    EXPECT_EQ(r.steps[1].hints, 2);
}

TEST(ProgressRecord, TheTimeIsLocalWithItsOffset)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Rome", 1);
    tzset();
    // 2026-12-11 00:30 UTC and 2026-07-01 12:00 UTC.
    EXPECT_EQ(localTimestamp(1796949000), "2026-12-11T01:30:00+01:00");
    EXPECT_EQ(localTimestamp(1782907200), "2026-07-01T14:00:00+02:00");
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace quorvia::progress
