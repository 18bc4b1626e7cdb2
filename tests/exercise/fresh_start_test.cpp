// SPDX-License-Identifier: GPL-3.0-or-later
// Every start of a problem is clean: moving to another problem, showing the
// solution, restoring a worksheet or closing and opening the window again,
// pressed while the last problem's closing sequence or an error animation is
// still running, leaves nothing of it behind.

#include "window_case_fixture.h"

#include "exercise/exercise_hooks.h"
#include "exercise/hint_balloon.h"
#include "platform/gif_player.h"
#include "widgets/controls.h"

#include <ostream>


namespace quorvia::testing {
namespace {

enum class Start { Next, Previous, Solution, WorksheetRestore, CloseAndReopen };
enum class Moment { ClosingSequence, ErrorAnimation };

const char* startName(Start start)
{
    switch (start) {
    case Start::Next: return "Next";
    case Start::Previous: return "Previous";
    case Start::Solution: return "Solution";
    case Start::WorksheetRestore: return "WorksheetRestore";
    case Start::CloseAndReopen: return "CloseAndReopen";
    }
    return "";
}

void PrintTo(Start start, std::ostream* out)
{
    *out << startName(start);
}

void PrintTo(Moment moment, std::ostream* out)
{
    *out << (moment == Moment::ClosingSequence ? "during the closing sequence" : "during an error animation");
}

// A worksheet of the problem the test names, whose contents change nothing.
class RestoringHooks : public ExerciseHooks {
public:
    int problem = 1;
    std::optional<WorksheetChoice> caricaINIT(QWidget*) override
    {
        return WorksheetChoice{QStringLiteral("scheda.INI"), problem, 2, false};
    }
};

class WindowFixture : public WindowCaseFixture {
protected:
    std::unique_ptr<ExerciseWindow> openWindow(const WindowCase& c, int problem)
    {
        return openCase(c, problem, 2, &hooks_);
    }

    // A wrong answer on step 1: its error animation runs.
    static void answerStepOneWrong(ExerciseWindow& w)
    {
        putWrongSentence(w, 1);
        click(w, QStringLiteral("B1"));
    }

    void start(ExerciseWindow& w, Start start)
    {
        switch (start) {
        case Start::Next:
            dialogs_->setNextYesNo(true);
            click(w, QStringLiteral("LMDButton1"));
            break;
        case Start::Previous:
            dialogs_->setNextYesNo(true);
            click(w, QStringLiteral("LMDButton3"));
            break;
        case Start::Solution:
            click(w, QStringLiteral("LMDsoluzione"));
            break;
        case Start::WorksheetRestore:
            hooks_.problem = 2;
            click(w, QStringLiteral("LMDcarica"));
            break;
        case Start::CloseAndReopen:
            w.close();
            w.show();
            break;
        }
    }

    // The problem is open at step 1, as a start leaves it, with nothing of
    // the last problem on screen or on the clock.
    void expectCleanStepOne(ExerciseWindow& w, bool balloonGone = true)
    {
        EXPECT_FALSE(w.isAnimating());
        for (const char* gone : {"Image5", "CoccaHelp", "GIF1", "GIF2", "GIF3"})
            EXPECT_FALSE(shown(w, QLatin1String(gone))) << gone;
        EXPECT_EQ(ledColour(w, QStringLiteral("Shape01")), kYellow);
        EXPECT_TRUE(find<QWidget>(w, inputOf(w, 1))->isEnabled());
        EXPECT_TRUE(find<QWidget>(w, QStringLiteral("B1"))->isEnabled());
        if (balloonGone) {
            EXPECT_FALSE(w.findChild<HintBalloon*>(QStringLiteral("msg"))->isVisible());
        }
        EXPECT_FALSE(w.state().problem_finished);
    }

    RestoringHooks hooks_;
};

class FreshStart : public WindowFixture,
                   public ::testing::WithParamInterface<std::tuple<WindowCase, Start, Moment>> {};

TEST_P(FreshStart, LeavesNothingOfTheLastProblemRunning)
{
    const auto& [window, how, moment] = GetParam();
    for (const char* gif : {"problema_GIF1.gif", "problema_GIF2.gif", "problema_GIF3.gif",
                            "problema_GIF2A.gif", "problema_GIF3A.gif"})
        addGif(QLatin1String(gif));
    const int problem = how == Start::Previous ? 2 : 1;
    auto w = openWindow(window, problem);
    ASSERT_NE(w, nullptr);
    const ProblemContent content = problemOf(window, problem);

    if (moment == Moment::ClosingSequence) {
        // Solved, and the closing sequence some way into its course.
        solveWithAnswersOf(*w, content, Closing::LeftRunning);
        ASSERT_TRUE(w->state().problem_finished);
        ASSERT_EQ(w->solvedCount(), 1);
        for (int tick = 0; tick < 40; ++tick)
            w->Timer1Timer();
        ASSERT_TRUE(w->isAnimating()) << "the closing sequence is over already";
    } else {
        answerStepOneWrong(*w);
        ASSERT_TRUE(w->isAnimating());
        ASSERT_TRUE(shown(*w, QStringLiteral("msg")));
    }
    const int solved = w->solvedCount();
    sound_->clear();

    start(*w, how);
    finishAnimations(*w);

    EXPECT_EQ(w->solvedCount(), solved);
    if (how == Start::Solution) {
        // The solution's own ending ran, not the old one.
        EXPECT_TRUE(sound_->wasPlayed(QStringLiteral("Afinale")));
        EXPECT_FALSE(sound_->wasPlayed(QStringLiteral("WFinale")));
        EXPECT_TRUE(w->state().problem_finished);
        EXPECT_TRUE(shown(*w, QStringLiteral("CoccaHelp")));
        EXPECT_FALSE(shown(*w, QStringLiteral("Image5")));
        EXPECT_FALSE(w->isAnimating());
        return;
    }
    EXPECT_EQ(w->state().current_problem, how == Start::Next || how == Start::WorksheetRestore ? 2 : 1);
    expectCleanStepOne(*w);

    // The fresh problem answers at once, and its error animation ends as an
    // error animation.
    answerStepOneWrong(*w);
    EXPECT_TRUE(w->isAnimating());
    finishAnimations(*w);
    expectCleanStepOne(*w, false);
    EXPECT_EQ(text(*w, QStringLiteral("H1")), QStringLiteral("Err=1"));
    // The balloon points at this problem's step 1.
    auto* balloon = w->findChild<HintBalloon*>(QStringLiteral("msg"));
    auto* counter = find<QWidget>(*w, QStringLiteral("H1"));
    if (balloon->isVisible()) {
        EXPECT_EQ(balloon->tip(), counter->mapTo(w.get(), counter->rect().center()));
    }
}

std::string freshStartName(const ::testing::TestParamInfo<FreshStart::ParamType>& info)
{
    const auto& [window, how, moment] = info.param;
    return std::string(window.name()) + "_" + startName(how) +
           (moment == Moment::ClosingSequence ? "_DuringClosing" : "_DuringError");
}

INSTANTIATE_TEST_SUITE_P(
    EightWindows, FreshStart,
    ::testing::Combine(::testing::ValuesIn(everyWindow()),
                       ::testing::Values(Start::Next, Start::Previous, Start::Solution,
                                         Start::WorksheetRestore, Start::CloseAndReopen),
                       ::testing::Values(Moment::ClosingSequence, Moment::ErrorAnimation)),
    freshStartName);

// Without "problema_GIF2.gif" the beginner windows run their closing by the
// clock alone and the advanced ones leave the trophy where it stopped; a
// new start or a closed window must not carry either to the next problem.
class WithoutClosingAnimation : public WindowFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WithoutClosingAnimation, TheNextProblemsErrorsStayErrors)
{
    const WindowCase& window = GetParam();
    for (const char* gif : {"problema_GIF1.gif", "problema_GIF3.gif"})
        addGif(QLatin1String(gif));
    auto w = openWindow(window, 1);
    ASSERT_NE(w, nullptr);
    solveWithAnswersOf(*w, problemOf(window, 1));
    ASSERT_TRUE(w->state().problem_finished);
    dialogs_->setNextYesNo(true);
    click(*w, QStringLiteral("LMDButton1"));
    expectCleanStepOne(*w);

    // Solved again, and closed before any end picture.
    solveWithAnswersOf(*w, problemOf(window, 2));
    ASSERT_TRUE(w->state().problem_finished);
    w->close();
    w->show();
    expectCleanStepOne(*w);

    for (int error = 0; error < 2; ++error) {
        answerStepOneWrong(*w);
        finishAnimations(*w);
    }
    expectCleanStepOne(*w, false);
    EXPECT_EQ(w->solvedCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(EightWindows, WithoutClosingAnimation, ::testing::ValuesIn(everyWindow()),
                         windowCaseName);

}  // namespace
}  // namespace quorvia::testing
