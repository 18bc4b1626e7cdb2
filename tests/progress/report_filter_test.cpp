// SPDX-License-Identifier: GPL-3.0-or-later
// Which records a filtered class report counts: the periods' first days
// around their edges, child, mode and scheme, and the reviews that stay due
// whatever the period.

#include "progress/report_filter.h"

#include <gtest/gtest.h>

namespace quorvia::progress {
namespace {

struct StartCase {
    Period period;
    CivilDate today;
    CivilDate start;
};

TEST(ReportFilter, EachPeriodStartsOnItsFirstDay)
{
    const StartCase cases[] = {
        {Period::Today, {2026, 12, 11}, {2026, 12, 11}},
        // Friday, Monday and Sunday of one week; a week over a month's end.
        {Period::ThisWeek, {2026, 12, 11}, {2026, 12, 7}},
        {Period::ThisWeek, {2026, 12, 7}, {2026, 12, 7}},
        {Period::ThisWeek, {2026, 12, 13}, {2026, 12, 7}},
        {Period::ThisWeek, {2027, 1, 2}, {2026, 12, 28}},
        {Period::ThisMonth, {2026, 12, 11}, {2026, 12, 1}},
        // The school year begins on 1 September: before it, last year's.
        {Period::SchoolYear, {2026, 12, 11}, {2026, 9, 1}},
        {Period::SchoolYear, {2026, 9, 1}, {2026, 9, 1}},
        {Period::SchoolYear, {2026, 8, 31}, {2025, 9, 1}},
        {Period::SchoolYear, {2027, 3, 1}, {2026, 9, 1}},
    };
    for (const StartCase& c : cases) {
        EXPECT_EQ(periodStart(c.period, c.today).text(), c.start.text())
            << periodWord(c.period) << " on " << c.today.text();
    }
    EXPECT_FALSE(periodStart(Period::All, {2026, 12, 11}).valid());
}

ProgressRecord record(const std::string& when, const std::string& child, Mode mode = Mode::Advanced,
                      Scheme scheme = Scheme::S3)
{
    ProgressRecord r;
    r.when = when;
    r.child = child;
    r.mode = mode;
    r.scheme = scheme;
    r.problem_file = "A_SCHEMA3.INI";
    r.steps = stepsOf(scheme);
    return r;
}

TEST(ReportFilter, ARecordCountsWhenEveryChoiceAgrees)
{
    const CivilDate today{2026, 12, 11};  // a Friday
    struct Case {
        const char* what;
        ReportFilter filter;
        ProgressRecord record;
        bool counts;
    };
    ReportFilter giulia;
    giulia.child = " GIULIA";
    ReportFilter beginners;
    beginners.mode = Mode::Beginner;
    ReportFilter scheme4a;
    scheme4a.scheme = Scheme::S4a;
    ReportFilter week;
    week.period = Period::ThisWeek;
    ReportFilter today_;
    today_.period = Period::Today;
    const Case cases[] = {
        {"no filter", {}, record("", "Marco"), true},
        {"the child, typed otherwise", giulia, record("2026-12-10T09:00:00+01:00", "giulia "), true},
        {"another child", giulia, record("2026-12-10T09:00:00+01:00", "Giuliano"), false},
        {"the mode", beginners, record("2026-12-10T09:00:00+01:00", "Marco", Mode::Beginner), true},
        {"another mode", beginners, record("2026-12-10T09:00:00+01:00", "Marco"), false},
        {"the scheme", scheme4a, record("2026-12-10T09:00:00+01:00", "Marco", Mode::Advanced, Scheme::S4a), true},
        {"another scheme", scheme4a, record("2026-12-10T09:00:00+01:00", "Marco"), false},
        {"this Monday", week, record("2026-12-07T08:00:00+01:00", "Marco"), true},
        {"last Sunday", week, record("2026-12-06T23:59:00+01:00", "Marco"), false},
        {"today, late", today_, record("2026-12-11T23:59:59+01:00", "Marco"), true},
        {"yesterday", today_, record("2026-12-10T12:00:00+01:00", "Marco"), false},
        {"a clock in the future", week, record("2026-12-12T09:00:00+01:00", "Marco"), false},
        {"no date", week, record("ieri", "Marco"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matches(c.filter, c.record, today), c.counts) << c.what;
}

TEST(ReportFilter, TheFilteredReportCountsOnlyTheChosenRecordsButKeepsTheFolderFacts)
{
    ProgressFile file;
    file.path = "classe/giulia@pc1.csv";
    file.damaged_lines = 2;
    file.records = {record("2026-12-01T09:00:00+01:00", "Giulia"), record("2026-12-10T09:00:00+01:00", "Giulia"),
                    record("2026-12-10T09:30:00+01:00", "Marco")};
    file.records[2].problem = 2;
    ReportFilter filter;
    filter.child = "giulia";
    filter.period = Period::ThisWeek;
    const ClassReport report = buildClassReport({file}, filter, {2026, 12, 11});
    EXPECT_EQ(report.records, 1);
    EXPECT_EQ(report.files, 1);
    EXPECT_EQ(report.damaged_lines, 2);
    ASSERT_EQ(report.children.size(), 1u);
    EXPECT_EQ(report.children[0].name, "Giulia");
    EXPECT_EQ(report.problems.size(), 1u);
}

TEST(ReportFilter, AProblemMissedBeforeThePeriodIsStillDueForReview)
{
    // Left on Monday, so due on Tuesday; Giulia worked again on Friday.
    ProgressFile file;
    ProgressRecord left = record("2026-12-07T09:00:00+01:00", "Giulia");
    left.outcome = Outcome::LeftNext;
    ProgressRecord other = record("2026-12-11T09:00:00+01:00", "Giulia");
    other.problem = 2;
    other.outcome = Outcome::SolvedAlone;
    file.records = {left, other};
    ReportFilter filter;
    filter.period = Period::Today;
    const ClassReport report = buildClassReport({file}, filter, {2026, 12, 11});
    ASSERT_EQ(report.children.size(), 1u);
    EXPECT_EQ(report.children[0].tried, 1);
    ASSERT_EQ(report.children[0].due_for_review.size(), 1u);
    EXPECT_EQ(report.children[0].due_for_review[0].problem, 1);
}

TEST(ReportFilter, WordsAndNamesReadBackAndTheFilterSaysItself)
{
    for (Period p : kAllPeriods) {
        Period back = Period::All;
        EXPECT_TRUE(periodFromWord(periodWord(p), back));
        EXPECT_EQ(back, p);
    }
    Period unused;
    EXPECT_FALSE(periodFromWord("Oggi", unused));
    EXPECT_FALSE(periodFromWord("", unused));
    Mode mode;
    EXPECT_TRUE(modeFromName("principiante", mode));
    EXPECT_EQ(mode, Mode::Beginner);
    EXPECT_FALSE(modeFromName("esperto", mode));
    Scheme scheme;
    EXPECT_TRUE(schemeFromName("4b", scheme));
    EXPECT_EQ(scheme, Scheme::S4b);
    EXPECT_FALSE(schemeFromName("4", scheme));

    ReportFilter filter;
    EXPECT_EQ(filterText(filter), "");
    filter.child = "Giulia";
    filter.mode = Mode::Advanced;
    filter.scheme = Scheme::S4a;
    filter.period = Period::SchoolYear;
    EXPECT_EQ(filterText(filter), "solo Giulia, modo avanzato, schema 4a, l'anno scolastico");
}

}  // namespace
}  // namespace quorvia::progress
