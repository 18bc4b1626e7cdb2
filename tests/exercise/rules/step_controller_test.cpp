// SPDX-License-Identifier: GPL-3.0-or-later
// What an exercise window decides, with no window and no application
// object: the check a step's input gets and what follows it, the attempt
// the checks and hints count on, and the moves between problems.

#include "exercise/scheme3.h"
#include "exercise/scheme_description.h"
#include "exercise/step_controller.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace quorvia {
namespace {

using progress::Outcome;

constexpr int kProblems = 4;

const SchemeDescription& scheme()
{
    return scheme3Description();
}

// A controller as a launch and a load leave it on `problem` of four: every
// sentence step answered by "risposta <step>" (advanced) or by the item at
// position <step> (beginner), a general message per step, a hint on step 2
// only, and the problem started.
void load(StepController& controller, int problem = 2)
{
    ExerciseState& state = controller.problemContents();
    state.problem_file_name = QStringLiteral("A_SCHEMA3.INI");
    state.setProblemRange(problem, kProblems);
    state.correct_items.clear();
    for (int s = 1; s <= scheme().lastStep(); ++s) {
        state.answer_table[s][1] = "risposta " + std::to_string(s);
        state.error_messages[s] = QStringLiteral("No al passo %1").arg(s);
        state.correct_items.append(s == scheme().operationStep() ? QString() : QString::number(s));
    }
    state.hints[2] = QStringLiteral("Rileggi il testo");
    controller.startProblem(QStringLiteral("Anna"));
}

struct SentenceCase {
    const char* name;
    Mode mode;
    int step;
    const char* typed;  // advanced
    int chosen;         // beginner
    StepOutcome outcome;
};

void PrintTo(const SentenceCase& c, std::ostream* out)
{
    *out << c.name;
}

class SentenceStep : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceStep, GetsTheCheckOfItsModeAndCountsWhatItDecides)
{
    const SentenceCase& c = GetParam();
    StepController controller(scheme(), c.mode);
    load(controller);
    const StepDecision decision =
        controller.checkSentence(c.step, {QString::fromUtf8(c.typed), c.chosen}, scheme().lastStep());
    EXPECT_EQ(decision.outcome, c.outcome);
    EXPECT_EQ(decision.step, c.step);

    const bool error = c.outcome == StepOutcome::CountError;
    const bool finished = c.outcome == StepOutcome::FinishProblem;
    EXPECT_EQ(decision.message, error ? QStringLiteral("No al passo %1").arg(c.step) : QString());
    EXPECT_EQ(controller.state().problem_finished, finished);
    EXPECT_EQ(controller.asksBeforeLeaving(), !finished);
    // The end of the problem carries the attempt's record; any other
    // decision leaves the attempt open, with the error counted on its step.
    ASSERT_EQ(decision.record.has_value(), finished);
    const progress::ProgressRecord record =
        finished ? *decision.record : controller.endProblem(Outcome::LeftClose).value();
    EXPECT_EQ(record.outcome, finished ? Outcome::SolvedAlone : Outcome::LeftClose);
    EXPECT_EQ(record.totalErrors(), error ? 1 : 0);
    if (error) {
        EXPECT_EQ(record.steps.at(static_cast<std::size_t>(c.step - 1)).errors, 1);
    }
    EXPECT_FALSE(controller.endProblem(Outcome::LeftClose).has_value()) << "a record is handed on once";
}

INSTANTIATE_TEST_SUITE_P(
    Controller, SentenceStep,
    ::testing::Values(
        SentenceCase{"typed right, spaces and capitals aside", Mode::Advanced, 1, "  RISPOSTA 1 ", -1,
                     StepOutcome::OpenNextStep},
        SentenceCase{"typed wrong", Mode::Advanced, 2, "un'altra frase", -1, StepOutcome::CountError},
        SentenceCase{"typed nothing", Mode::Advanced, 2, "   ", -1, StepOutcome::Nothing},
        SentenceCase{"typed on a step outside the answers", Mode::Advanced, 0, "risposta 0", -1,
                     StepOutcome::Nothing},
        SentenceCase{"typed right on the last step", Mode::Advanced, 5, "risposta 5", -1,
                     StepOutcome::FinishProblem},
        // The beginner's input is the list's position; a typed text is not looked at.
        SentenceCase{"chosen right", Mode::Beginner, 3, "risposta 1", 3, StepOutcome::OpenNextStep},
        SentenceCase{"chosen wrong", Mode::Beginner, 3, "risposta 3", 1, StepOutcome::CountError},
        SentenceCase{"nothing chosen", Mode::Beginner, 1, "", -1, StepOutcome::CountError},
        SentenceCase{"chosen on a step without a right item", Mode::Beginner, 4, "", 4, StepOutcome::Nothing},
        SentenceCase{"chosen right on the last step", Mode::Beginner, 5, "", 5, StepOutcome::FinishProblem}),
    [](const ::testing::TestParamInfo<SentenceCase>& info) { return "case" + std::to_string(info.index); });

// What the operation scheme's boxes show, by name.
using Shown = std::map<QString, QString>;

StepDecision checkScheme(StepController& controller, const Shown& shown)
{
    return controller.checkScheme([&shown](const QString& name) {
        const auto found = shown.find(name);
        return found == shown.end() ? QString() : found->second;
    });
}

TEST(Controller, ChecksTheSchemeAgainstTheLoadedFormulasOnly)
{
    StepController controller(scheme(), Mode::Advanced);
    load(controller);
    PreparedFormulas& formulas = controller.problemContents().formulas;
    formulas.operator_sign = "+";
    formulas.data_values[1] = 3;
    formulas.data_values[2] = 4;
    formulas.r1_count = 2;
    formulas.expected_result = 7;
    Shown right;
    for (const ExpectedText& expected : scheme().expectations(formulas))
        right[expected.widget] = expected.text;
    const int step = scheme().operationStep();

    // A load that did not prepare the formulas leaves nothing to be right against.
    StepDecision decision = checkScheme(controller, right);
    EXPECT_EQ(decision.outcome, StepOutcome::CountError);
    EXPECT_EQ(decision.step, step);
    EXPECT_EQ(decision.message, QStringLiteral("No al passo %1").arg(step));

    controller.problemContents().formulas_ready = true;
    Shown wrong = right;
    wrong.begin()->second += QStringLiteral("1");
    EXPECT_EQ(checkScheme(controller, wrong).outcome, StepOutcome::CountError);
    decision = checkScheme(controller, right);
    EXPECT_EQ(decision.outcome, StepOutcome::OpenNextStep);
    EXPECT_EQ(decision.step, step);

    const progress::ProgressRecord record = controller.endProblem(Outcome::LeftNext).value();
    EXPECT_EQ(record.steps.at(static_cast<std::size_t>(step - 1)).errors, 2);
    EXPECT_EQ(record.totalErrors(), 2);
}

TEST(Controller, FinishingAfterTheSolutionIsRecordedAsSuchAndNotAsSolved)
{
    StepController controller(scheme(), Mode::Advanced);
    load(controller);
    controller.showSolution();
    // The solution starts the problem again within the same attempt.
    controller.startProblem(QStringLiteral("Anna"));
    const StepDecision decision = controller.checkSentence(5, {QStringLiteral("risposta 5")}, 5);
    ASSERT_EQ(decision.outcome, StepOutcome::FinishProblem);
    EXPECT_TRUE(decision.with_help);
    ASSERT_TRUE(decision.record.has_value());
    EXPECT_EQ(decision.record->outcome, Outcome::SolvedWithSolution);
    EXPECT_TRUE(decision.record->solution_shown);
    EXPECT_EQ(controller.state().solved_count, 0);

    StepController alone(scheme(), Mode::Advanced);
    load(alone);
    alone.checkSentence(5, {QStringLiteral("risposta 5")}, 5);
    EXPECT_EQ(alone.state().solved_count, 1);
}

TEST(Controller, CountsAHintOnlyWhenTheStepHasOne)
{
    StepController controller(scheme(), Mode::Beginner);
    load(controller);
    EXPECT_EQ(controller.hint(2), QStringLiteral("Rileggi il testo"));
    EXPECT_EQ(controller.hint(2), QStringLiteral("Rileggi il testo"));
    EXPECT_EQ(controller.hint(3), QString());
    EXPECT_EQ(controller.hint(0), QString());
    EXPECT_EQ(controller.hint(kMaxSteps + 1), QString());
    const progress::ProgressRecord record = controller.endProblem(Outcome::LeftClose).value();
    EXPECT_EQ(record.steps.at(1).hints, 2);
    EXPECT_EQ(record.totalHints(), 2);
}

enum class Move { Next, Previous, Restore };

struct MoveCase {
    const char* name;
    int from;
    bool solutionOfFrom;     // the solution shown on the problem left
    bool solutionOfTarget;   // the solution shown earlier on the problem landed on
    Move move;
    int lands;
    Outcome left;
    bool solutionAfter;  // the landed problem's flag
    bool leftKeeps;      // the problem left keeps its flag
    int countAfter;
};

void PrintTo(const MoveCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProblemMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ProblemMoves, LandOnTheirProblemWithItsSolutionFlagAndEndTheAttempt)
{
    const MoveCase& c = GetParam();
    StepController controller(scheme(), Mode::Advanced);
    if (c.solutionOfTarget) {
        load(controller, c.lands);
        controller.showSolution();
        controller.endProblem(Outcome::LeftClose);
    }
    load(controller, c.from);
    if (c.solutionOfFrom)
        controller.showSolution();

    ProblemMove move;
    switch (c.move) {
    case Move::Next: move = controller.next(); break;
    case Move::Previous: move = controller.previous(); break;
    case Move::Restore: move = controller.restore(c.lands, 30, c.solutionAfter); break;
    }
    EXPECT_EQ(move.problem, c.lands);
    EXPECT_EQ(controller.state().current_problem, c.lands);
    EXPECT_EQ(controller.state().problem_count, c.countAfter);
    EXPECT_EQ(controller.state().currentSolutionShown(), c.solutionAfter);
    if (c.from != c.lands) {
        EXPECT_EQ(controller.state().solutionShown(c.from), c.solutionOfFrom && c.leftKeeps);
    }
    ASSERT_TRUE(move.record.has_value());
    EXPECT_EQ(move.record->outcome, c.left);
    EXPECT_EQ(move.record->problem, c.from);
    EXPECT_EQ(move.record->solution_shown, c.solutionOfFrom);
    // A move before the next start has no attempt left to end.
    EXPECT_FALSE(controller.next().record.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Controller, ProblemMoves,
    ::testing::Values(
        MoveCase{"next", 2, true, false, Move::Next, 3, Outcome::LeftNext, false, true, kProblems},
        MoveCase{"next starts without the solution shown before", 2, false, true, Move::Next, 3,
                 Outcome::LeftNext, false, true, kProblems},
        MoveCase{"next on the last problem starts it again", kProblems, true, false, Move::Next, kProblems,
                 Outcome::LeftNext, false, true, kProblems},
        // Previous forgets the solution of the problem it leaves.
        MoveCase{"previous", 3, true, false, Move::Previous, 2, Outcome::LeftPrevious, false, false, kProblems},
        MoveCase{"previous keeps the solution of the problem returned to", 3, false, true, Move::Previous, 2,
                 Outcome::LeftPrevious, true, false, kProblems},
        MoveCase{"previous on the first problem starts it again", 1, true, false, Move::Previous, 1,
                 Outcome::LeftPrevious, false, false, kProblems},
        // A worksheet's count is brought within the per-problem tables.
        MoveCase{"restored with its solution", 2, false, false, Move::Restore, 7, Outcome::LeftRestore, true,
                 true, kMaxProblems},
        MoveCase{"restored without", 2, true, false, Move::Restore, 1, Outcome::LeftRestore, false, true,
                 kMaxProblems}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return "case" + std::to_string(info.index); });

TEST(Controller, OnlyABeginnerWindowTakesItsLastStepFromItsButtons)
{
    StepController beginner(scheme(), Mode::Beginner);
    StepController advanced(scheme(), Mode::Advanced);
    beginner.windowShown(5);
    advanced.windowShown(5);
    EXPECT_EQ(beginner.state().last_step, 5);
    EXPECT_EQ(advanced.state().last_step, 0);
}

TEST(Controller, ClosingForgetsTheSolutionFlagsAndClearingTheErrorCounts)
{
    StepController controller(scheme(), Mode::Advanced);
    load(controller);
    controller.checkSentence(1, {QStringLiteral("no")}, 5);
    controller.restoreErrorCount(3, ErrorBook::counterCaption(4));
    EXPECT_EQ(controller.state().errors.count(1), 1);
    EXPECT_EQ(controller.state().errors.count(3), 4);
    controller.clearErrors();
    EXPECT_EQ(controller.state().errors.count(1) + controller.state().errors.count(3), 0);

    controller.showSolution();
    controller.windowClosed();
    EXPECT_FALSE(controller.state().currentSolutionShown());
}

}  // namespace
}  // namespace quorvia
