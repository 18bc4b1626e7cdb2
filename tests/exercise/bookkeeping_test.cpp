// SPDX-License-Identifier: GPL-3.0-or-later
// Error counting and the shuffling of the beginner's lists.

#include "exercise/choice_shuffle.h"
#include "exercise/error_book.h"
#include "exercise/solved_problems.h"

#include <gtest/gtest.h>

#include <deque>

namespace quorvia {
namespace {

TEST(ErrorBook, CountsEachStepApartAndResets)
{
    ErrorBook book;
    EXPECT_EQ(book.record(1), 1);
    EXPECT_EQ(book.record(1), 2);
    EXPECT_EQ(book.record(1), 3);
    EXPECT_EQ(book.record(2), 1);
    EXPECT_EQ(book.count(1), 3);
    EXPECT_EQ(book.count(10), 0);
    // Steps beyond the table are never counted, nor written.
    EXPECT_EQ(book.record(0), 0);
    EXPECT_EQ(book.record(11), 0);
    EXPECT_EQ(book.count(11), 0);
    book.reset();
    EXPECT_EQ(book.count(1), 0);
    EXPECT_EQ(book.count(2), 0);
}

TEST(ErrorBook, Captions)
{
    EXPECT_EQ(ErrorBook::counterCaption(0), QStringLiteral("Err=0"));
    EXPECT_EQ(ErrorBook::counterCaption(12), QStringLiteral("Err=12"));
    EXPECT_EQ(ErrorBook::totalCaption(4), QStringLiteral(" ERR=4"));
}

TEST(ErrorBook, TakesTheCountsARestoredWorksheetShows)
{
    const struct {
        const char* caption;
        int count;
    } cases[] = {{"Err=2", 2}, {"Err=0", 0}, {"Err=15", 15}, {"", 0}, {"Err=", 0},
                 {"Err=due", 0}, {"Err=-3", 0}, {"ERR=4", 0}, {"Verifica", 0}};
    for (const auto& c : cases) {
        ErrorBook book;
        book.record(3);
        book.takeCounterCaption(3, QLatin1String(c.caption));
        EXPECT_EQ(book.count(3), c.count) << c.caption;
        EXPECT_EQ(book.record(3), c.count + 1) << c.caption;
    }
    ErrorBook book;
    book.takeCounterCaption(11, QStringLiteral("Err=2"));
    EXPECT_EQ(book.count(11), 0);
}

TEST(SolvedProblems, EachProblemOfEachFileCountsOnce)
{
    SolvedProblems solved;
    EXPECT_TRUE(solved.record("P3.INI", 1));
    EXPECT_FALSE(solved.record("P3.INI", 1));
    EXPECT_TRUE(solved.record("P3.INI", 2));
    // Another file (another mode's problems) is another problem.
    EXPECT_TRUE(solved.record("A3.INI", 1));
    EXPECT_TRUE(solved.contains("P3.INI", 2));
    EXPECT_FALSE(solved.contains("A3.INI", 2));
}

// Hands out the draws a test asks for, and records each range asked.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws) : draws_(std::move(draws)) {}
    void reseed() override { ++reseeds; }
    int between(int low, int high) override
    {
        ranges.push_back({low, high});
        const int r = draws_.front();
        draws_.pop_front();
        return r;
    }
    int reseeds = 0;
    std::vector<std::pair<int, int>> ranges;

private:
    std::deque<int> draws_;
};

TEST(ChoiceShuffle, SwapsTheFirstItemWithTheDrawnOne)
{
    ScriptedRandom random({3});
    QStringList items{"giusta", "b", "c", "d", "e"};
    EXPECT_EQ(shuffleChoiceList(items, random), 3);
    EXPECT_EQ(items, (QStringList{"d", "b", "c", "giusta", "e"}));
    ASSERT_EQ(random.ranges.size(), 1u);
    EXPECT_EQ(random.ranges[0], std::make_pair(1, 4));
}

TEST(ChoiceShuffle, ShortListsDrawWithinThemselves)
{
    ScriptedRandom random({1});
    QStringList two{"giusta", "b"};
    EXPECT_EQ(shuffleChoiceList(two, random), 1);
    EXPECT_EQ(two, (QStringList{"b", "giusta"}));
    EXPECT_EQ(random.ranges[0], std::make_pair(1, 1));

    QStringList one{"sola"};
    EXPECT_EQ(shuffleChoiceList(one, random), 0);
    EXPECT_EQ(one, QStringList{"sola"});
}

TEST(ChoiceShuffle, AStrayDrawStillKeepsTheRightSentenceOffTheTop)
{
    ScriptedRandom random({0});
    QStringList items{"giusta", "b", "c", "d", "e"};
    const int r = shuffleChoiceList(items, random);
    EXPECT_GE(r, 1);
    EXPECT_EQ(items[r], QStringLiteral("giusta"));
}

TEST(ChoiceShuffle, ClockDrawsReachEveryPositionButTheFirst)
{
    ClockRandomSource random;
    random.reseed();
    std::array<int, 5> seen{};
    for (int i = 0; i < 400; ++i) {
        QStringList items{"giusta", "b", "c", "d", "e"};
        const int r = shuffleChoiceList(items, random);
        ASSERT_EQ(items[r], QStringLiteral("giusta"));
        ++seen[r];
    }
    EXPECT_EQ(seen[0], 0);
    for (int r = 1; r <= 4; ++r)
        EXPECT_GT(seen[r], 0) << "position " << r;
}

}  // namespace
}  // namespace quorvia
