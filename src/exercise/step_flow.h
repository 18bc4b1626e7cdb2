// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What follows a step's check, apart from any widget: a right answer opens
// the next step or, on the last step, finishes the problem; a wrong one
// counts an error on its step and picks the message to show. The window
// only shows what the flow decides.

#include "content/mistake_messages.h"
#include "exercise/scheme_check.h"
#include "exercise/sentence_check.h"
#include "progress/progress_record.h"

#include <QString>

#include <optional>

namespace quorvia {

struct ExerciseState;

enum class StepOutcome {
    Nothing,        // nothing to judge (an empty answer)
    OpenNextStep,   // right, and a step follows
    FinishProblem,  // right on the last step
    CountError,     // wrong
};

struct StepDecision {
    StepOutcome outcome = StepOutcome::Nothing;
    int step = 0;
    // CountError: the step's errors so far, and whether the step has a
    // message (only steps 1..10 do) and which.
    int step_errors = 0;
    bool has_message = false;
    QString message;
    // FinishProblem: the solution had been shown for this problem, and the
    // record of the attempt it ended (set by whoever keeps the attempt).
    bool with_help = false;
    std::optional<progress::ProgressRecord> record;
};

class StepFlow {
public:
    // The flow keeps its counts and the finished problems in `state`, which
    // the window owns and loads.
    explicit StepFlow(ExerciseState& state) : state_(state) {}

    // A sentence step's verdict; `lastStep` is the window's last step.
    StepDecision afterSentence(int step, SentenceVerdict verdict, const Mistake& mistake, int lastStep);
    // The operation scheme's check. A load that did not prepare the formulas
    // leaves nothing the scheme could be right against: an error without a
    // mistake of its own.
    StepDecision afterScheme(int step, bool formulasReady, const SchemeCheckResult& result);

    // A right answer on `step`: the next step, or the end of the problem
    // (recorded in the state).
    StepDecision right(int step, int lastStep);
    // A wrong answer on `step`: one more error, and the message for `mistake`.
    StepDecision wrong(int step, const Mistake& mistake = {});

private:
    ExerciseState& state_;
};

}  // namespace quorvia
