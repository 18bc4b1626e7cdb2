// SPDX-License-Identifier: GPL-3.0-or-later
// TFormP4a driven through its widgets: the choice lists, the edit boxes
// lying under them, a solve by choosing, the end of a problem and the
// solution.

#include "scheme4a_fixture.h"

#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QTest>

#include <ostream>

namespace quorvia::testing {
namespace {

using Beginner4a = Scheme4aFixture;

const char* const kLists[] = {"EB01", "EB02", "EB03", "EB04", "EB05", "EB06", "EB08"};

TEST_F(Beginner4a, ListsHoldTheFiveSentencesWithTheRightOneNeverFirst)
{
    auto w = open4a(Mode::Beginner, 1, 2);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormP4a"));
    EXPECT_EQ(w->state().last_step, 8);
    const ProblemContent problem = fixtureProblem(Mode::Beginner, 1);
    ASSERT_EQ(w->state().correct_items.size(), 8);
    EXPECT_EQ(w->state().correct_items[6], QString());  // the operation scheme's place
    for (const char* name : kLists) {
        const QString right = QString::fromStdString(problem.variants[stepOfList(name)][1]);
        ASSERT_NO_FATAL_FAILURE(expectListHoldsItsSentences(*w, name, right));
        EXPECT_EQ(tag(find<QComboBox>(*w, name)), 1) << name;
    }
    EXPECT_EQ(text(*w, "B6"), QStringLiteral("Controlla"));
    EXPECT_EQ(text(*w, "B7"), QStringLiteral("Verifica"));
    EXPECT_EQ(text(*w, "B8"), QStringLiteral("Verifica"));
}

TEST_F(Beginner4a, EditBoxesUnderTheListsTakeTheFocusAndEnterButAreNeverCleared)
{
    auto w = open4a(Mode::Beginner, 1, 2);
    for (int step = 2; step <= 6; ++step) {
        const QString boxName = QStringLiteral("E0%1").arg(step);
        auto* box = find<QLineEdit>(*w, boxName);
        auto* list = find<QComboBox>(*w, QStringLiteral("EB0%1").arg(step));
        ASSERT_TRUE(box && list);
        EXPECT_EQ(tag(box), step);
        EXPECT_EQ(controlKind(box), ControlKind::EntryBox);
        // Wholly covered: inside the list's area, and made before it.
        EXPECT_EQ(box->parentWidget(), list->parentWidget());
        EXPECT_TRUE(list->geometry().contains(box->geometry())) << step;
        const QObjectList siblings = box->parentWidget()->children();
        EXPECT_LT(siblings.indexOf(box), siblings.indexOf(list)) << step;
    }

    // A right choice sends the focus to the next list, not to the box it
    // covers, where typing would show nothing.
    const ProblemContent problem = fixtureProblem(Mode::Beginner, 1);
    answerStep(*w, problem, 1);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("EB02"));
    // Enter there runs the Verifica of its step: no choice yet is an error.
    enter(*w, "E02");
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=1"));
    choose(*w, "EB02", rightPosition(*w, "EB02", QString::fromStdString(problem.variants[2][1])));
    enter(*w, "E02");
    EXPECT_EQ(ledColour(*w, "Shape02"), kLime);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("EB03"));

    // What the child typed into a hidden box stays there, a new start and all.
    QTest::keyClicks(find<QLineEdit>(*w, "E03"), "abc");
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(w->state().current_problem, 2);
    EXPECT_EQ(text(*w, "E03"), QStringLiteral("abc"));
    EXPECT_EQ(find<QComboBox>(*w, "EB02")->currentIndex(), -1);
}

struct BeginnerSolve {
    const char* name;
    int problem;
    Scheme4aEntry scheme;
};

// A failing case reads by its name.
void PrintTo(const BeginnerSolve& c, std::ostream* out)
{
    *out << c.name;
}

class Beginner4aSolve : public Scheme4aFixture, public ::testing::WithParamInterface<BeginnerSolve> {};

TEST_P(Beginner4aSolve, SolvesAProblemByChoosing)
{
    const BeginnerSolve& s = GetParam();
    auto w = open4a(Mode::Beginner, s.problem, 2);
    const ProblemContent problem = fixtureProblem(Mode::Beginner, s.problem);
    EXPECT_TRUE(find<QComboBox>(*w, "EB01")->isEnabled());
    EXPECT_FALSE(find<QComboBox>(*w, "EB02")->isEnabled());
    // Without "problema_GIF2.gif" a right step plays no animation.
    answerStep(*w, problem, 1);
    EXPECT_FALSE(shown(*w, "GIF2"));
    for (int step = 2; step <= 6; ++step) {
        answerStep(*w, problem, step);
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(step)), kLime) << step;
    }
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E17"));
    fillScheme(*w, s.scheme);
    enter(*w, "E77");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
    EXPECT_TRUE(find<QComboBox>(*w, "EB08")->isEnabled());

    choose(*w, "EB08", rightPosition(*w, "EB08", QString::fromStdString(problem.variants[8][1])));
    click(*w, "B8");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    EXPECT_EQ(w->errorTotal(), 0);
    for (const char* gone : {"Shape08", "EB08", "H8", "B8"})
        EXPECT_FALSE(shown(*w, gone)) << gone;
    // Step 1 is open again straight away.
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_TRUE(find<QComboBox>(*w, "EB01")->isEnabled());

    // The closing sequence runs by the clock without its animation files.
    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_TRUE(shown(*w, "Image5"));
    for (const char* back : {"EB08", "B8", "H8", "Shape08"})
        EXPECT_TRUE(shown(*w, back)) << back;
    for (int step = 1; step <= 8; ++step)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(step)), kRed) << step;
}

INSTANTIATE_TEST_SUITE_P(
    Problems, Beginner4aSolve,
    ::testing::Values(
        // 5 + 6 + 4 + 7 = 22, then 22 - 6 = 16.
        BeginnerSolve{"PartialOnTheLeft", 1, {{"5", "6", "4", "7"}, "N1", "22", "6", "N3", "16"}},
        // 8 + 9 + 7 + 10 = 34, then 40 - 34 = 6.
        BeginnerSolve{"PartialOnTheRight", 2, {{"8", "9", "7", "10"}, "N1", "34", "40", "N3", "6"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Beginner4a, StepSuccessAnimationWithItsFile)
{
    addGif("problema_GIF2.gif");
    auto w = open4a(Mode::Beginner, 1, 2);
    const ProblemContent problem = fixtureProblem(Mode::Beginner, 1);
    choose(*w, "EB01", rightPosition(*w, "EB01", QString::fromStdString(problem.variants[1][1])));
    click(*w, "B1");
    EXPECT_TRUE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "GIF2"));
    EXPECT_EQ(finishAnimations(*w), 16);
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Beginner4a, SolutionLeavesTheInstructionLineAndClosesEveryStep)
{
    auto w = open4a(Mode::Beginner, 2, 2);
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
    // Every step closed after a solution.
    for (int step = 1; step <= 7; ++step)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(step)), kRed) << step;
    finishAnimations(*w);
    EXPECT_TRUE(shown(*w, "CoccaHelp"));
}

TEST_F(Beginner4a, AClickOnTheScrollBoxLeavesTheFocus)
{
    auto w = open4a(Mode::Beginner, 1, 2);
    QWidget* before = w->focusWidget();
    w->SBClick();
    EXPECT_EQ(w->focusWidget(), before);
}

}  // namespace
}  // namespace quorvia::testing
