// SPDX-License-Identifier: GPL-3.0-or-later
// TFormP5 driven through its widgets: sentences picked from shuffled lists,
// the two-row scheme typed, the beginner's ending.

#include "scheme5_fixture.h"

#include "widgets/controls.h"

namespace quorvia::testing {
namespace {

using Beginner5 = Scheme5Fixture;

const char* const kLists[] = {"EB01", "EB02", "EB03", "EB04", "EB06"};

TEST_F(Beginner5, ListsHoldTheFiveSentencesOfTheirStep)
{
    auto w = open5(Mode::Beginner, 1, 3);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormP5"));
    EXPECT_EQ(w->state().last_step, 6);
    const ProblemContent problem = fixtureProblem(Mode::Beginner, 1);
    ASSERT_EQ(w->state().correct_items.size(), 6);
    EXPECT_EQ(w->state().correct_items[4], QString());  // the operation scheme's place
    for (const char* name : kLists) {
        const QString right = QString::fromStdString(problem.variants[stepOfList(name)][1]);
        ASSERT_NO_FATAL_FAILURE(expectListHoldsItsSentences(*w, name, right));
        EXPECT_EQ(tag(find<QComboBox>(*w, name)), 1) << name;
    }
    EXPECT_EQ(w->TROVA_COMP("EB05"), nullptr);
    EXPECT_EQ(w->TROVA_COMP("LMDdomanda"), nullptr);

    struct Expect {
        const char* name;
        QPoint place;
    };
    const Expect scheme[] = {
        {"dato1", {167, 69}},    {"Loper1", {273, 71}},   {"dato2", {310, 69}},  {"Label6", {408, 71}},
        {"Risultato1", {440, 69}}, {"jolly", {167, 170}}, {"Loper2", {273, 173}}, {"dato3", {310, 170}},
        {"Label9", {408, 172}},  {"Risultato2", {440, 170}}, {"Label11", {167, 98}}, {"Label12", {310, 98}},
        {"Label15", {440, 98}},  {"Ljolly", {167, 201}},  {"L67", {310, 200}},   {"Label14", {440, 200}},
        {"B5", {504, 280}},      {"H5", {579, 280}},      {"Shape05", {685, 283}},
    };
    for (const Expect& e : scheme) {
        EXPECT_EQ(place(*w, e.name), e.place) << e.name;
        EXPECT_EQ(find<QWidget>(*w, e.name)->parentWidget()->objectName(), QStringLiteral("Panel2")) << e.name;
    }
}

TEST_F(Beginner5, SolvesAPartialRightProblemByChoosing)
{
    auto w = open5(Mode::Beginner, 2, 3);
    const ProblemContent problem = fixtureProblem(Mode::Beginner, 2);
    EXPECT_TRUE(find<QComboBox>(*w, "EB01")->isEnabled());
    EXPECT_FALSE(find<QComboBox>(*w, "EB02")->isEnabled());

    // A wrong choice is an error; no choice too.
    choose(*w, "EB01", 0);
    click(*w, "B1");
    click(*w, "B1");
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=2"));

    for (int step = 1; step <= 4; ++step)
        answerStep(*w, problem, step);
    EXPECT_EQ(ledColour(*w, "Shape04"), kLime);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("dato1"));
    // dato3 stands on the left of the second row, but Enter still walks
    // the boxes in their tab order.
    EXPECT_LT(place(*w, "dato3").x(), place(*w, "jolly").x());
    const struct {
        const char* box;
        const char* typed;
        const char* next;
    } walk[] = {{"dato1", "12", "dato2"}, {"dato2", "5", "Risultato1"}, {"Risultato1", "17", "dato3"},
                {"dato3", "60", "Risultato2"}};
    for (const auto& step : walk) {
        type(*w, step.box, step.typed);
        enter(*w, step.box);
        EXPECT_EQ(w->focusWidget(), w->TROVA_COMP(step.next)) << step.box;
    }
    EXPECT_EQ(text(*w, "jolly"), QStringLiteral("17"));
    pickSign(*w, "Loper1", "N1");
    pickSign(*w, "Loper2", "N3");
    type(*w, "Risultato2", "43");
    enter(*w, "Risultato2");
    EXPECT_EQ(ledColour(*w, "Shape05"), kLime);
    EXPECT_TRUE(find<QComboBox>(*w, "EB06")->isEnabled());

    choose(*w, "EB06", rightPosition(*w, "EB06", QString::fromStdString(problem.variants[6][1])));
    click(*w, "B6");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    for (const char* gone : {"Shape06", "EB06", "H6", "B6"})
        EXPECT_FALSE(shown(*w, gone)) << gone;
    // Step 1 is open again straight away.
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);

    // The closing sequence runs without its animation files and ends.
    EXPECT_TRUE(w->isAnimating());
    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_TRUE(shown(*w, "Image5"));
    for (const char* back : {"EB06", "B6", "Shape06"})
        EXPECT_TRUE(shown(*w, back)) << back;
    EXPECT_FALSE(shown(*w, "H6"));
    for (int s = 1; s <= 6; ++s)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=2"));
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Beginner5, SolutionClosesEveryStepAndEndsWithoutItsFiles)
{
    auto w = open5(Mode::Beginner, 1, 3);
    click(*w, "LMDsoluzione");
    for (int s = 1; s <= 6; ++s)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
    EXPECT_FALSE(find<QAbstractButton>(*w, "B1")->isEnabled());
    finishAnimations(*w);
    EXPECT_TRUE(shown(*w, "CoccaHelp"));
    EXPECT_FALSE(shown(*w, "Image5"));
}

}  // namespace
}  // namespace quorvia::testing
