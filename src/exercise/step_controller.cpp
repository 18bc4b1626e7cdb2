// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/step_controller.h"

#include "exercise/scheme_description.h"
#include "exercise/sentence_check.h"

namespace quorvia {

StepController::StepController(const SchemeDescription& scheme, Mode mode) : scheme_(scheme), mode_(mode) {}

void StepController::windowShown(int verificaButtons)
{
    if (mode_ == Mode::Beginner)
        state_.last_step = verificaButtons;
}

void StepController::startProblem(const QString& child)
{
    state_.problem_finished = false;
    attempt_.begin({child, mode_, scheme_.scheme, state_.problem_file_name, state_.current_problem});
}

std::optional<progress::ProgressRecord> StepController::endProblem(progress::Outcome how)
{
    return attempt_.end(how, state_.currentSolutionShown());
}

StepDecision StepController::checkSentence(int step, const StepInput& input, int lastStep)
{
    SentenceVerdict verdict = SentenceVerdict::Ignored;
    Mistake mistake;
    if (mode_ == Mode::Advanced) {
        // A step outside the answer table has nothing to be checked against.
        if (step < 1 || step > kMaxSteps)
            return flow_.afterSentence(step, verdict, mistake, lastStep);
        const std::string typed = input.typed.toStdString();
        verdict = checkTypedSentence(typed, state_.answer_table[step]);
        mistake = typedSentenceMistake(step, typed, state_.mistakes);
    } else {
        const QString correct =
            step >= 1 && step <= state_.correct_items.size() ? state_.correct_items[step - 1] : QString();
        verdict = checkChosenItem(input.chosen, correct.toStdString());
        mistake = chosenItemMistake(step, input.chosen, correct.toStdString());
    }
    return counted(flow_.afterSentence(step, verdict, mistake, lastStep));
}

StepDecision StepController::checkScheme(const std::function<QString(const QString&)>& shownText)
{
    const int step = scheme_.operationStep();
    SchemeCheckResult result;
    if (state_.formulas_ready)
        result = checkOperationScheme(scheme_.expectations(state_.formulas), shownText);
    return counted(flow_.afterScheme(step, state_.formulas_ready, result));
}

StepDecision StepController::counted(StepDecision decision)
{
    switch (decision.outcome) {
    case StepOutcome::CountError:
        attempt_.countError(decision.step);
        break;
    case StepOutcome::FinishProblem:
        decision.record = endProblem(decision.with_help ? progress::Outcome::SolvedWithSolution
                                                        : progress::Outcome::SolvedAlone);
        break;
    case StepOutcome::Nothing:
    case StepOutcome::OpenNextStep:
        break;
    }
    return decision;
}

QString StepController::hint(int step)
{
    const QString hint = step >= 1 && step <= kMaxSteps ? state_.hints[step] : QString();
    // A step without a hint shows nothing, and nothing was learnt from it.
    if (!hint.isEmpty())
        attempt_.countHint(step);
    return hint;
}

ProblemMove StepController::next()
{
    ProblemMove move{endProblem(progress::Outcome::LeftNext), state_.current_problem};
    // On the last problem the same problem starts again.
    if (state_.current_problem < state_.problem_count)
        ++state_.current_problem;
    state_.setSolutionShown(state_.current_problem, false);
    move.problem = state_.current_problem;
    return move;
}

ProblemMove StepController::previous()
{
    ProblemMove move{endProblem(progress::Outcome::LeftPrevious), state_.current_problem};
    // The problem returned to keeps its own solution flag.
    state_.setSolutionShown(state_.current_problem, false);
    if (state_.current_problem > 1)
        --state_.current_problem;
    move.problem = state_.current_problem;
    return move;
}

ProblemMove StepController::restore(int problem, int problemCount, bool solutionShown)
{
    ProblemMove move{endProblem(progress::Outcome::LeftRestore), state_.current_problem};
    // The worksheet was checked against the per-problem tables; the range
    // is kept here as well, whoever hands the choice in.
    state_.setProblemRange(problem, problemCount);
    state_.setSolutionShown(state_.current_problem, solutionShown);
    move.problem = state_.current_problem;
    return move;
}

}  // namespace quorvia
