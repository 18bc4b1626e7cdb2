// SPDX-License-Identifier: GPL-3.0-or-later
// The class report's figures on a small folder: two children, three
// problems, one child on two computers, one torn line.

#include "progress/class_report.h"

#include <gtest/gtest.h>

namespace quorvia::progress {
namespace {

ClassReport fixtureReport()
{
    return buildClassReport(readProgressFolder(QUORVIA_TEST_DATA "/classe"));
}

TEST(ClassReport, CountsTheFilesRecordsAndTheTornLine)
{
    const ClassReport r = fixtureReport();
    EXPECT_EQ(r.files, 3);
    EXPECT_EQ(r.records, 7);
    EXPECT_EQ(r.damaged_lines, 1);
    EXPECT_TRUE(r.unreadable.empty());
}

TEST(ClassReport, PerChildTheBestEndOfEachProblemAndErrorsByKind)
{
    const ClassReport r = fixtureReport();
    ASSERT_EQ(r.children.size(), 2u);
    // "Giulia" and "giulia " on another computer are one child.
    const ChildSummary& giulia = r.children[0];
    EXPECT_EQ(giulia.name, "Giulia");
    EXPECT_EQ(giulia.tried, 3);
    EXPECT_EQ(giulia.solved_alone, 2);
    EXPECT_EQ(giulia.solved_with_solution, 1);
    EXPECT_EQ(giulia.left, 0);
    EXPECT_EQ(giulia.attempts, 4);
    EXPECT_EQ(giulia.errors_by_kind, (KindCounts{1, 2, 5, 0}));
    EXPECT_EQ(giulia.hints, 1);
    EXPECT_EQ(giulia.seconds, 440);

    const ChildSummary& marco = r.children[1];
    EXPECT_EQ(marco.name, "Marco");
    EXPECT_EQ(marco.tried, 2);
    // Problem 1 was finished with the solution, then alone: alone counts.
    EXPECT_EQ(marco.solved_alone, 1);
    EXPECT_EQ(marco.solved_with_solution, 0);
    EXPECT_EQ(marco.left, 1);
    EXPECT_EQ(marco.errors_by_kind, (KindCounts{0, 1, 5, 0}));
    ASSERT_EQ(marco.problems.size(), 2u);
    EXPECT_EQ(marco.problems[0].attempts, 2);
    EXPECT_EQ(marco.problems[0].result, Result::SolvedAlone);
    EXPECT_EQ(marco.problems[1].result, Result::Left);
}

TEST(ClassReport, PerProblemTheChildrenAndTheStepWhereMostErrorsFell)
{
    const ClassReport r = fixtureReport();
    ASSERT_EQ(r.problems.size(), 3u);
    struct Expected {
        int problem, tried, solved, alone, errors;
        const char* step;
        int stepErrors, erring;
    };
    const Expected expected[] = {
        {1, 2, 2, 2, 9, "schema", 7, 2},
        {2, 1, 1, 0, 4, "schema", 3, 1},
        {3, 2, 1, 1, 1, "domanda", 1, 1},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const ProblemSummary& p = r.problems[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(p.problem.label());
        EXPECT_EQ(p.problem.label(), "A_SCHEMA3.INI n. " + std::to_string(e.problem));
        EXPECT_EQ(p.children_tried, e.tried);
        EXPECT_EQ(p.children_solved, e.solved);
        EXPECT_EQ(p.children_solved_alone, e.alone);
        EXPECT_EQ(p.errors, e.errors);
        EXPECT_EQ(p.hardest_step, e.step);
        EXPECT_EQ(p.hardest_step_errors, e.stepErrors);
        EXPECT_EQ(p.children_erring_there, e.erring);
    }
}

TEST(ClassReport, AProblemWithoutErrorsHasNoHardestStep)
{
    ProgressFile file;
    ProgressRecord r;
    r.when = "x";
    r.child = "Ada";
    r.steps = stepsOf(Scheme::S3);
    r.outcome = Outcome::SolvedAlone;
    file.records = {r};
    const ClassReport report = buildClassReport({file});
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_TRUE(report.problems[0].hardest_step.empty());
    EXPECT_EQ(report.problems[0].hardest_step_errors, 0);
}

}  // namespace
}  // namespace quorvia::progress
