// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/step_flow.h"

#include "exercise/exercise_state.h"

namespace quorvia {

StepDecision StepFlow::afterSentence(int step, SentenceVerdict verdict, const Mistake& mistake, int lastStep)
{
    switch (verdict) {
    case SentenceVerdict::Wrong:
        return wrong(step, mistake);
    case SentenceVerdict::Right:
        return right(step, lastStep);
    case SentenceVerdict::Ignored:
        break;
    }
    StepDecision nothing;
    nothing.step = step;
    return nothing;
}

StepDecision StepFlow::afterScheme(int step, bool formulasReady, const SchemeCheckResult& result)
{
    if (!formulasReady)
        return wrong(step);
    if (!result.passed)
        return wrong(step, {result.mistake, step, result.row});
    // The scheme is never the last step: a sentence answer follows it.
    StepDecision next;
    next.outcome = StepOutcome::OpenNextStep;
    next.step = step;
    return next;
}

StepDecision StepFlow::right(int step, int lastStep)
{
    StepDecision decision;
    decision.step = step;
    if (step < lastStep) {
        decision.outcome = StepOutcome::OpenNextStep;
        return decision;
    }
    decision.outcome = StepOutcome::FinishProblem;
    decision.with_help = state_.currentSolutionShown();
    state_.recordFinished();
    return decision;
}

StepDecision StepFlow::wrong(int step, const Mistake& mistake)
{
    StepDecision decision;
    decision.outcome = StepOutcome::CountError;
    decision.step = step;
    decision.step_errors = state_.errors.record(step);
    decision.has_message = step >= 1 && step <= kMaxSteps;
    if (decision.has_message) {
        decision.message = QString::fromStdString(
            errorMessageFor(mistake, state_.mistakes, state_.error_messages[step].toStdString()));
    }
    return decision;
}

}  // namespace quorvia
