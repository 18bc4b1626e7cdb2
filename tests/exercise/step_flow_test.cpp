// SPDX-License-Identifier: GPL-3.0-or-later
// What follows a check, without a window: the next step, the end of the
// problem, or an error counted with its message.

#include "exercise/exercise_state.h"
#include "exercise/step_flow.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

// A state as a load of a five-step problem leaves it: a general message per
// step, and for step 2 a message of its own for the wrong sentence 3.
ExerciseState loadedState()
{
    ExerciseState state;
    state.problem_file_name = QStringLiteral("A_SCHEMA3.INI");
    state.setProblemRange(2, 5);
    for (int s = 1; s <= 5; ++s)
        state.error_messages[s] = QStringLiteral("No al passo %1").arg(s);
    state.mistakes.wrong_variant[2][3] = "Hai scritto un dato, non la domanda";
    state.mistakes.scheme[0][1] = "Guarda il segno";  // Sign, row 1
    return state;
}

struct SentenceCase {
    const char* name;
    int step;
    SentenceVerdict verdict;
    Mistake mistake;
    StepOutcome outcome;
    const char* message;  // CountError only
};

// A failing case reads by its name.
void PrintTo(const SentenceCase& c, std::ostream* out)
{
    *out << c.name;
}

class SentenceFlow : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceFlow, DecidesWhatFollows)
{
    const SentenceCase& c = GetParam();
    ExerciseState state = loadedState();
    StepFlow flow(state);
    const StepDecision decision = flow.afterSentence(c.step, c.verdict, c.mistake, 5);
    EXPECT_EQ(decision.outcome, c.outcome);
    EXPECT_EQ(decision.step, c.step);
    const bool error = c.outcome == StepOutcome::CountError;
    EXPECT_EQ(state.errors.count(c.step), error ? 1 : 0);
    EXPECT_EQ(decision.step_errors, error ? 1 : 0);
    EXPECT_EQ(decision.message, error ? QString::fromUtf8(c.message) : QString());
    EXPECT_EQ(state.problem_finished, c.outcome == StepOutcome::FinishProblem);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, SentenceFlow,
    ::testing::Values(
        SentenceCase{"RightOpensTheNextStep", 1, SentenceVerdict::Right, {}, StepOutcome::OpenNextStep, ""},
        SentenceCase{"RightOnTheStepBeforeTheLast", 4, SentenceVerdict::Right, {}, StepOutcome::OpenNextStep, ""},
        SentenceCase{"RightOnTheLastFinishes", 5, SentenceVerdict::Right, {}, StepOutcome::FinishProblem, ""},
        SentenceCase{"IgnoredDoesNothing", 3, SentenceVerdict::Ignored, {}, StepOutcome::Nothing, ""},
        SentenceCase{"WrongGivesTheStepsMessage", 3, SentenceVerdict::Wrong, {}, StepOutcome::CountError,
                     "No al passo 3"},
        SentenceCase{"WrongVariantGivesItsOwnMessage", 2, SentenceVerdict::Wrong,
                     {MistakeKind::WrongVariant, 2, 3}, StepOutcome::CountError,
                     "Hai scritto un dato, non la domanda"},
        SentenceCase{"WrongVariantWithoutItsOwnFallsBack", 2, SentenceVerdict::Wrong,
                     {MistakeKind::WrongVariant, 2, 4}, StepOutcome::CountError, "No al passo 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepFlow, ErrorsAddUpPerStepAndOutsideTheStepsThereIsNoMessage)
{
    ExerciseState state = loadedState();
    StepFlow flow(state);
    flow.wrong(2);
    EXPECT_EQ(flow.wrong(2).step_errors, 2);
    EXPECT_EQ(flow.wrong(3).step_errors, 1);
    const StepDecision outside = flow.wrong(kMaxSteps + 1);
    EXPECT_EQ(outside.outcome, StepOutcome::CountError);
    EXPECT_FALSE(outside.has_message);
}

TEST(StepFlow, TheSchemeIsWrongWithoutFormulasAndTellsItsMistakeOtherwise)
{
    ExerciseState state = loadedState();
    StepFlow flow(state);
    SchemeCheckResult passed;
    passed.passed = true;
    // Formulas that were never prepared: no result can be right.
    const StepDecision unprepared = flow.afterScheme(4, false, passed);
    EXPECT_EQ(unprepared.outcome, StepOutcome::CountError);
    EXPECT_EQ(unprepared.message, QStringLiteral("No al passo 4"));

    SchemeCheckResult sign;
    sign.mistake = MistakeKind::Sign;
    sign.row = 1;
    const StepDecision wrongSign = flow.afterScheme(4, true, sign);
    EXPECT_EQ(wrongSign.outcome, StepOutcome::CountError);
    EXPECT_EQ(wrongSign.step_errors, 2);
    EXPECT_EQ(wrongSign.message, QStringLiteral("Guarda il segno"));

    EXPECT_EQ(flow.afterScheme(4, true, passed).outcome, StepOutcome::OpenNextStep);
}

TEST(StepFlow, TheEndIsRecordedOnceAndSaysWhetherTheSolutionWasShown)
{
    ExerciseState state = loadedState();
    StepFlow flow(state);
    const StepDecision alone = flow.right(5, 5);
    EXPECT_FALSE(alone.with_help);
    EXPECT_EQ(state.solved_count, 1);
    // The same problem finished again earns nothing more.
    flow.right(5, 5);
    EXPECT_EQ(state.solved_count, 1);

    state.setProblemRange(3, 5);
    state.setSolutionShown(3, true);
    const StepDecision helped = flow.right(5, 5);
    EXPECT_EQ(helped.outcome, StepOutcome::FinishProblem);
    EXPECT_TRUE(helped.with_help);
    EXPECT_EQ(state.solved_count, 1);
}

}  // namespace
}  // namespace quorvia
