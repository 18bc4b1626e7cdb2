// SPDX-License-Identifier: GPL-3.0-or-later
// A child's own path: the review rule over record histories and days, the
// marks and the starting problem from a folder of two computers' files, the
// names offered to the name box, and the reviews in the class report.

#include "content/temp_folder.h"
#include "progress/child_path.h"
#include "progress/progress_folder.h"
#include "progress/record_csv.h"

#include <gtest/gtest.h>

namespace quorvia::progress {
namespace {

using quorvia::testing::TempFolder;

const std::string kFixture = std::string(QUORVIA_TEST_DATA) + "/percorso";
const CivilDate kMonday{2026, 12, 7};

// One attempt of a history: the day after kMonday, how it ended, its errors.
struct Attempt {
    int day;
    Outcome outcome;
    int errors = 0;
};

ProgressRecord attemptRecord(const Attempt& a, int problem = 1)
{
    ProgressRecord r;
    r.when = kMonday.plusDays(a.day).text() + "T09:00:00+01:00";
    r.child = "Giulia";
    r.computer = "pc1";
    r.problem_file = "A_SCHEMA3.INI";
    r.problem = problem;
    r.outcome = a.outcome;
    r.steps = stepsOf(r.scheme);
    r.steps[0].errors = a.errors;
    return r;
}

TEST(CivilDate, CountsDaysAcrossMonthsYearsAndLeapDays)
{
    EXPECT_EQ((CivilDate{2026, 12, 30}.plusDays(3)), (CivilDate{2027, 1, 2}));
    EXPECT_EQ((CivilDate{2028, 2, 28}.plusDays(1)), (CivilDate{2028, 2, 29}));
    EXPECT_EQ((CivilDate{2027, 2, 28}.plusDays(1)), (CivilDate{2027, 3, 1}));
    EXPECT_EQ((CivilDate{1970, 1, 1}.dayNumber()), 0);
    EXPECT_EQ(dateOf("2026-12-11T09:05:00+01:00"), (CivilDate{2026, 12, 11}));
    for (const char* bad : {"", "ieri", "2026-13-01T09:00", "2026-02-30", "26-12-11"})
        EXPECT_FALSE(dateOf(bad).valid()) << bad;
}

TEST(ReviewRule, BringsMissedProblemsBackAfterOneThreeAndSevenDays)
{
    constexpr Outcome alone = Outcome::SolvedAlone;
    constexpr Outcome solution = Outcome::SolvedWithSolution;
    constexpr Outcome left = Outcome::LeftNext;
    struct Case {
        const char* what;
        std::vector<Attempt> history;
        int box;        // 0: not waiting
        int dueDay = 0; // after kMonday
    };
    const Case cases[] = {
        {"never tried", {}, 0},
        {"done well at once", {{0, alone, 3}}, 0},
        {"alone with many errors", {{0, alone, 4}}, 1, 1},
        {"with the solution", {{0, solution}}, 1, 1},
        {"left", {{0, left}}, 1, 1},
        {"left when the program ended", {{0, Outcome::LeftProgramEnd}}, 1, 1},
        {"done well the same day proves nothing yet", {{0, left}, {0, alone}}, 1, 1},
        {"reviewed well on its day", {{0, left}, {1, alone}}, 2, 4},
        {"reviewed well later than its day", {{0, left}, {3, alone}}, 2, 6},
        {"second review early", {{0, left}, {1, alone}, {2, alone}}, 2, 4},
        {"second review on time", {{0, left}, {1, alone}, {4, alone}}, 3, 11},
        {"learnt after the third review", {{0, left}, {1, alone}, {4, alone}, {11, alone}}, 0},
        {"missed in the second box starts over", {{0, left}, {1, alone}, {4, solution}}, 1, 5},
        {"missed on the last day starts over", {{0, left}, {1, alone}, {4, alone}, {11, alone, 9}}, 1, 12},
        {"missed again after being learnt", {{0, solution}, {1, alone}, {4, alone}, {11, alone}, {20, left}}, 1, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ProgressRecord> records;
        for (const Attempt& a : c.history)
            records.push_back(attemptRecord(a));
        const ReviewState state = reviewAfter(records);
        EXPECT_EQ(state.box, c.box);
        if (c.box > 0) {
            EXPECT_EQ(state.due, kMonday.plusDays(c.dueDay));
        }

        // Due on its day and after, not the day before; the records in any
        // order, as two computers' files give them.
        std::reverse(records.begin(), records.end());
        const ChildPath path(records);
        EXPECT_EQ(path.dueForReview(kMonday.plusDays(c.dueDay)).size(), c.box > 0 ? 1u : 0u);
        EXPECT_EQ(path.dueForReview(kMonday.plusDays(c.dueDay + 30)).size(), c.box > 0 ? 1u : 0u);
        if (c.box > 0) {
            EXPECT_TRUE(path.dueForReview(kMonday.plusDays(c.dueDay - 1)).empty());
        }
    }
}

TEST(ReviewRule, PassesOverRecordsWithoutADate)
{
    ProgressRecord undated = attemptRecord({0, Outcome::LeftNext});
    undated.when = "ieri";
    EXPECT_EQ(reviewAfter({undated}).box, 0);
    EXPECT_EQ(reviewAfter({attemptRecord({0, Outcome::LeftNext}), undated}).box, 1);
}

TEST(ChildPath, MarksAndStartingProblemFromEveryComputerOfTheChild)
{
    // pc1 and pc2 hold "Giulia", "giulia " and "GIULIA"; pc2 has a damaged
    // line (problem 5); "Giula" is another child until the teacher mends it.
    const ChildRecords read = readChildRecords(kFixture, "  giulia");
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.damaged_lines, 1);
    ASSERT_EQ(read.records.size(), 8u);
    const ChildPath path(read.records);

    using M = Mark;
    const std::vector<Mark> expected = {M::SolvedAlone, M::SolvedAlone, M::SolvedAlone, M::SolvedAlone,
                                        M::NotTried,    M::Left,        M::NotTried,    M::NotTried};
    EXPECT_EQ(path.marks(Mode::Advanced, Scheme::S3, "A_SCHEMA3.INI", 8), expected);
    EXPECT_EQ(path.startingProblem(Mode::Advanced, Scheme::S3, "A_SCHEMA3.INI", 8), 5);
    // Another mode, scheme or file is another row of problems.
    EXPECT_EQ(path.startingProblem(Mode::Beginner, Scheme::S3, "P_SCHEMA3.INI", 4), 2);
    EXPECT_EQ(path.startingProblem(Mode::Beginner, Scheme::S3, "P_SCHEMA3.INI", 1), 1);
    EXPECT_EQ(path.startingProblem(Mode::Advanced, Scheme::S4a, "A_SCHEMA3.INI", 8), 1);
    EXPECT_EQ(path.marks(Mode::Advanced, Scheme::S3, "ALTRO.INI", 2), (std::vector<Mark>{M::NotTried, M::NotTried}));

    const auto numbers = [&](const CivilDate& day) {
        std::vector<int> out;
        for (const ProblemKey& key : path.dueForReview(day))
            out.push_back(key.problem);
        return out;
    };
    // 2 and 3 were missed on Monday and done well on Tuesday, on time; 4 was
    // finished alone with too many errors; 6 was left on Tuesday.
    EXPECT_EQ(numbers(kMonday), (std::vector<int>{}));
    EXPECT_EQ(numbers(kMonday.plusDays(1)), (std::vector<int>{4}));
    EXPECT_EQ(numbers(kMonday.plusDays(2)), (std::vector<int>{4, 6}));
    EXPECT_EQ(numbers(kMonday.plusDays(4)), (std::vector<int>{2, 3, 4, 6}));
}

TEST(ChildPath, ANewOrMistypedNameOrAMissingFolderHasNoPath)
{
    for (const char* name : {"Giuliaa", "", "   ", "Luca"}) {
        const ChildRecords read = readChildRecords(kFixture, name);
        EXPECT_TRUE(read.records.empty()) << name;
        EXPECT_EQ(read.error, "") << name;
    }
    const ChildRecords missing = readChildRecords(kFixture + "/nessuna", "Giulia");
    EXPECT_TRUE(missing.records.empty());
    EXPECT_NE(missing.error, "");
}

TEST(ChildNames, ComeFromTheRecordsAndTheClassListOncePerChild)
{
    EXPECT_EQ(knownChildNames(kFixture), (std::vector<std::string>{"Giula", "Giulia", "Marco"}));

    TempFolder folder;
    for (const auto& file : std::filesystem::directory_iterator(kFixture))
        std::filesystem::copy_file(file.path(), folder.path() + file.path().filename().string());
    // The teacher's spelling comes first; blank lines, CR LF and a BOM are
    // what a Windows editor leaves.
    folder.write(kClassListFile, "\xEF\xBB\xBFgiulia\r\n\r\nNicolò Bianchi\r\n  Anna  \nMARCO\n(senza nome)\n");
    EXPECT_EQ(knownChildNames(folder.path()),
              (std::vector<std::string>{"Anna", "Giula", "giulia", "MARCO", "Nicolò Bianchi"}));

    TempFolder empty;
    EXPECT_TRUE(knownChildNames(empty.path()).empty());
    EXPECT_TRUE(knownChildNames(empty.path() + "nessuna").empty());
}

TEST(ClassReport, ListsPerChildTheProblemsDueForReviewOnTheDay)
{
    const std::vector<ProgressFile> files = readProgressFolder(kFixture);
    const auto dueOf = [&](const CivilDate& day, const std::string& child) {
        std::vector<std::string> out;
        for (const ChildSummary& c : buildClassReport(files, day).children) {
            if (c.name == child) {
                for (const ProblemKey& key : c.due_for_review)
                    out.push_back(key.label());
            }
        }
        return out;
    };
    EXPECT_EQ(dueOf(kMonday.plusDays(2), "Giulia"),
              (std::vector<std::string>{"A_SCHEMA3.INI n. 4", "A_SCHEMA3.INI n. 6"}));
    EXPECT_EQ(dueOf(kMonday.plusDays(1), "Marco"), (std::vector<std::string>{"A_SCHEMA3.INI n. 1"}));
    EXPECT_EQ(dueOf(kMonday, "Marco"), (std::vector<std::string>{}));
    EXPECT_EQ(dueOf(kMonday.plusDays(9), "Giula"), (std::vector<std::string>{}));
    for (const ChildSummary& c : buildClassReport(files).children)
        EXPECT_TRUE(c.due_for_review.empty()) << c.name;
}

TEST(ChildPathSwitch, IsOnUnlessGeneraleSaysPercorsoZero)
{
    const struct {
        const char* generale;  // nullptr: none
        bool on;
    } cases[] = {
        {nullptr, true},
        {"[AREA_PROGRAMMA]\r\nLBL_NOME=Nome\r\n", true},
        {"[AREA_PROGRAMMA]\r\nPERCORSO=1\r\n", true},
        {"[AREA_PROGRAMMA]\r\nPERCORSO=0\r\n", false},
        {"[area_programma]\npercorso = 0\n", false},
        {"[PRINCIPIANTE]\r\nPERCORSO=0\r\n", true},
    };
    for (const auto& c : cases) {
        TempFolder resources;
        if (c.generale)
            resources.write("GENERALE.INI", c.generale);
        EXPECT_EQ(childPathEnabled(resources.path()), c.on) << (c.generale ? c.generale : "none");
    }
}

}  // namespace
}  // namespace quorvia::progress
