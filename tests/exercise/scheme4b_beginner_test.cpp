// SPDX-License-Identifier: GPL-3.0-or-later
// TFormP4b driven through its widgets: sentences picked from shuffled lists,
// the ending that hides only the last row, the start of a problem whose
// solution was shown, and the scroll box that takes the focus (and so the
// mouse wheel).

#include "scheme4b_fixture.h"

#include "platform/wheel_to_arrows.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace quorvia::testing {
namespace {

using Beginner4b = Scheme4bFixture;

const char* const kLists[] = {"EB01", "EB02", "EB03", "EB04", "EB05", "EB06", "EB08", "EB09"};

TEST_F(Beginner4b, NineEntriesOfRightItemsWithTheSchemesPlaceEmpty)
{
    auto w = open4b(Mode::Beginner, 1, 3);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormP4b"));
    EXPECT_EQ(w->state().last_step, 9);
    ASSERT_EQ(w->state().correct_items.size(), 9);
    EXPECT_EQ(w->state().correct_items[6], QString());
    for (const char* name : kLists) {
        ASSERT_NO_FATAL_FAILURE(expectListHoldsItsSentences(*w, name, kProblem1Sentences[stepOfList(name)]));
        EXPECT_FALSE(find<QComboBox>(*w, name)->isEditable()) << name;
    }
    for (const char* absent : {"E01", "E02", "E08", "E09"})
        EXPECT_EQ(w->TROVA_COMP(absent), nullptr) << absent;
    for (int b = 1; b <= 6; ++b)
        EXPECT_EQ(text(*w, QStringLiteral("B%1").arg(b)), QStringLiteral("Scegli")) << b;
}

TEST_F(Beginner4b, SolvesByChoosingAndHidesOnlyTheLastRow)
{
    auto w = open4b(Mode::Beginner, 2, 3);
    answer(*w, 1, kProblem2Sentences[1]);
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_TRUE(find<QComboBox>(*w, "EB02")->isEnabled());
    answerSteps(*w, kProblem2Sentences, 2, 6);
    // The partial result stands on the left of the second operation.
    fillScheme(*w, "8", "5", "7", "N1", "20", "4", "x1", "80");
    enter(*w, "E77");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
    finishAnimations(*w);
    answer(*w, 8, kProblem2Sentences[8]);
    EXPECT_EQ(ledColour(*w, "Shape09"), kYellow);

    choose(*w, "EB09", rightPosition(*w, "EB09", kProblem2Sentences[9]));
    click(*w, "B9");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    for (const char* gone : {"Shape09", "EB09", "H9", "B9"})
        EXPECT_FALSE(shown(*w, gone)) << gone;
    for (const char* stays : {"Shape08", "EB08", "H8", "B8"})
        EXPECT_TRUE(shown(*w, stays)) << stays;
    // Step 1 opens again at once; the closing sequence runs by the clock.
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    ASSERT_TRUE(w->isAnimating());
    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_TRUE(shown(*w, "Image5"));
    for (const char* back : {"Shape09", "EB09", "H9", "B9", "EB08"})
        EXPECT_TRUE(shown(*w, back)) << back;
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
}

TEST_F(Beginner4b, ARestoredSolvedWorksheetShowsTheSolutionWithEveryStepClosed)
{
    auto w = open4b(Mode::Beginner, 1, 3);
    restoreWorksheetWithSolution(*w, 2, 3);
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("2/3"));
    for (int s : {1, 2, 3, 4, 5, 6, 8, 9})
        EXPECT_EQ(text(*w, QStringLiteral("EB0%1").arg(s)), kProblem2Sentences[s]) << s;
    EXPECT_EQ(text(*w, "E57"), QStringLiteral("20"));
    EXPECT_EQ(text(*w, "jolly"), QStringLiteral("20"));
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("X"));
    for (int s = 1; s <= 9; ++s) {
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
        EXPECT_FALSE(find<QWidget>(*w, QStringLiteral("B%1").arg(s))->isEnabled()) << s;
    }
    for (const char* input : {"EB01", "EB09", "E17", "E77", "jolly"})
        EXPECT_FALSE(find<QWidget>(*w, input)->isEnabled()) << input;
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Beginner4b, SolutionButtonFinishesWithEveryStepClosed)
{
    auto w = open4b(Mode::Beginner, 1, 3);
    click(*w, "LMDsoluzione");
    EXPECT_FALSE(shown(*w, "EB09"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kRed);
    finishAnimations(*w);
    EXPECT_TRUE(shown(*w, "CoccaHelp"));
}

// A click on the scroll box gives it the focus, so the wheel, which acts as
// the arrow keys on the focused control, scrolls it.
TEST_F(Beginner4b, TheWheelScrollsTheScrollBoxOnceClicked)
{
    platform::WheelToArrows wheel;
    qApp->installEventFilter(&wheel);
    auto w = open4b(Mode::Beginner, 1, 3);
    QApplication::setActiveWindow(w.get());
    auto* sb = find<QScrollArea>(*w, "SB");
    ASSERT_NE(sb, nullptr);
    ASSERT_GT(sb->verticalScrollBar()->maximum(), 0);
    QTest::mouseClick(sb->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), sb);

    const auto turn = [&](int delta) {
        const QPointF at(10, 10);
        QWheelEvent event(at, sb->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(sb->viewport(), &event);
    };
    turn(-120);  // towards the user: Down
    turn(-120);
    const int down = sb->verticalScrollBar()->value();
    EXPECT_GT(down, 0);
    turn(120);  // away from the user: Up
    EXPECT_LT(sb->verticalScrollBar()->value(), down);
    qApp->removeEventFilter(&wheel);

    // The advanced window's scroll box does not take the focus.
    auto advanced = open4b(Mode::Advanced);
    advanced->SBClick();
    EXPECT_NE(advanced->focusWidget(), advanced->TROVA_COMP("SB"));
}

}  // namespace
}  // namespace quorvia::testing
