// SPDX-License-Identifier: GPL-3.0-or-later
// What a child meets around a start: the hint balloon goes with its step,
// a problem earns its point once, and the typing lands in the open step.

#include "exercise_fixture.h"

#include "exercise/exercise_windows.h"
#include "exercise/hint_balloon.h"
#include "widgets/controls.h"

#include <QScrollArea>
#include <QScrollBar>

namespace quorvia::testing {
namespace {

using StartMends = ExerciseFixture;

QString firstInput(ExerciseWindow& w)
{
    const StepRow* first = w.scheme().step(1);
    return QLatin1String(w.mode() == Mode::Advanced ? first->advanced_input : first->beginner_input);
}

void answerWrong(ExerciseWindow& w, int step)
{
    const StepRow* row = w.scheme().step(step);
    if (w.mode() == Mode::Advanced) {
        ExerciseFixture::type(w, QLatin1String(row->advanced_input), QStringLiteral("non lo so"));
    } else {
        const int right = w.state().correct_items[step - 1].toInt();
        ExerciseFixture::choose(w, QLatin1String(row->beginner_input), right == 1 ? 2 : 1);
    }
    ExerciseFixture::click(w, QStringLiteral("B") + QString::number(step));
}

TEST_F(StartMends, TheHintBalloonNeverOutlivesItsStep)
{
    for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
        SCOPED_TRACE(mode == Mode::Advanced ? "advanced" : "beginner");
        auto w = open(mode);
        auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
        const ProblemContent problem =
            problemIn(mode == Mode::Advanced ? kAdvancedFile : kBeginnerFile, 1, Scheme::S3);

        answerWrong(*w, 1);
        finishAnimations(*w);
        ASSERT_TRUE(balloon->isVisible());
        answerStep(*w, problem, 1);
        EXPECT_FALSE(balloon->isVisible()) << "a right answer";

        answerWrong(*w, 2);
        finishAnimations(*w);
        ASSERT_TRUE(balloon->isVisible());
        QScrollBar* bar = find<QScrollArea>(*w, QStringLiteral("SB"))->verticalScrollBar();
        ASSERT_GT(bar->maximum(), bar->value());
        bar->setValue(bar->value() + 10);
        EXPECT_FALSE(balloon->isVisible()) << "a scroll";
    }
}

TEST_F(StartMends, AProblemEarnsItsPointOnceHoweverOftenItIsFinished)
{
    for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
        SCOPED_TRACE(mode == Mode::Advanced ? "advanced" : "beginner");
        const QString file = mode == Mode::Advanced ? kAdvancedFile : kBeginnerFile;
        auto w = open(mode, 1, 2);
        solveWithAnswersOf(*w, problemIn(file, 1, Scheme::S3));
        EXPECT_EQ(w->solvedCount(), 1);
        if (mode == Mode::Beginner) {
            // Step 1 opens again with the old choices in place: checked
            // through once more, the problem finishes again for nothing.
            ASSERT_TRUE(find<QWidget>(*w, QStringLiteral("B1"))->isEnabled());
            solveWithAnswersOf(*w, problemIn(file, 1, Scheme::S3));
            EXPECT_TRUE(w->state().problem_finished);
            EXPECT_EQ(w->solvedCount(), 1);
        }
        // Started again, and closed and opened again: still the one point.
        dialogs_->setNextYesNo(true);
        click(*w, QStringLiteral("LMDButton3"));
        solveWithAnswersOf(*w, problemIn(file, 1, Scheme::S3));
        w->close();
        w->show();
        solveWithAnswersOf(*w, problemIn(file, 1, Scheme::S3));
        EXPECT_EQ(w->solvedCount(), 1);
        // Another problem earns its own.
        dialogs_->setNextYesNo(true);
        click(*w, QStringLiteral("LMDButton1"));
        solveWithAnswersOf(*w, problemIn(file, 2, Scheme::S3));
        EXPECT_EQ(w->solvedCount(), 2);
    }
}

TEST_F(StartMends, EveryStartGivesTheFirstInputOfStepOneTheFocus)
{
    for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
        SCOPED_TRACE(mode == Mode::Advanced ? "advanced" : "beginner");
        auto w = open(mode, 1, 2);
        QWidget* first = find<QWidget>(*w, firstInput(*w));
        EXPECT_EQ(w->focusWidget(), first) << "showing";

        find<QWidget>(*w, QStringLiteral("LMDButton1"))->setFocus();
        dialogs_->setNextYesNo(true);
        click(*w, QStringLiteral("LMDButton1"));
        EXPECT_EQ(w->focusWidget(), first) << "next";

        find<QWidget>(*w, QStringLiteral("LMDButton3"))->setFocus();
        dialogs_->setNextYesNo(true);
        click(*w, QStringLiteral("LMDButton3"));
        EXPECT_EQ(w->focusWidget(), first) << "previous";
    }
}

TEST_F(StartMends, InTheBeginnersScheme4aWindowTheNextStepsListTakesTheFocus)
{
    addTestFile(QStringLiteral("P4A_PROVA.INI"));
    std::unique_ptr<ExerciseWindow> w(createExerciseWindow(Scheme::S4a, Mode::Beginner, &main_));
    w->setLaunch({folder_, QStringLiteral("P4A_PROVA.INI"), 1, 2, 41});
    w->show();
    EXPECT_EQ(w->focusWidget(), find<QWidget>(*w, QStringLiteral("EB01")));
    const ProblemContent problem = problemIn(QStringLiteral("P4A_PROVA.INI"), 1, Scheme::S4a);
    for (int step = 1; step <= 3; ++step) {
        answerStep(*w, problem, step);
        // Not the entry box the list covers.
        EXPECT_EQ(w->focusWidget(), find<QWidget>(*w, QStringLiteral("EB0") + QString::number(step + 1)))
            << step;
    }
}

}  // namespace
}  // namespace quorvia::testing
