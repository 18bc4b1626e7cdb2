// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an exercise window decides, apart from any widget: which check a
// step's answer gets and against what, what follows it, the problem that
// comes next or before, the solution asked for, and the attempt at the
// problem shown. The window hands it what the child did and shows what it
// decides; it owns the state that no widget shows, so no part of the window
// writes that state but through it.

#include "content/scheme.h"
#include "exercise/exercise_state.h"
#include "exercise/problem_attempt.h"
#include "exercise/step_flow.h"

#include <QString>

#include <functional>
#include <optional>

namespace quorvia {

struct SchemeDescription;

// What the child gave a sentence step, as the window's mode asks for it.
struct StepInput {
    QString typed;    // advanced windows: the sentence in the step's box
    int chosen = -1;  // beginner windows: the position picked in the step's list
};

// The problem a move between problems lands on, and the record of the
// attempt it left (none when no attempt was open).
struct ProblemMove {
    std::optional<progress::ProgressRecord> record;
    int problem = 1;
};

class StepController {
public:
    StepController(const SchemeDescription& scheme, Mode mode);

    const ExerciseState& state() const { return state_; }
    // Where the loader reads the problem in: its texts, answers, hints and formulas.
    ExerciseState& problemContents() { return state_; }

    void takeLaunch(const ExerciseLaunch& launch) { state_.takeLaunch(launch); }
    // The window shows: a beginner window counts its steps again from its
    // step buttons (`verificaButtons`).
    void windowShown(int verificaButtons);

    // A problem starts (or starts again): nothing finished yet, and an
    // attempt opens unless one is open (the solution starts it again).
    void startProblem(const QString& child);
    // The steps' error counts start from nothing.
    void clearErrors() { state_.errors.reset(); }
    // The problem ends for the child, finished or left: the attempt's record,
    // once; nothing when no attempt is open.
    std::optional<progress::ProgressRecord> endProblem(progress::Outcome how);
    // The window closes: the solution flags of its problems are forgotten.
    void windowClosed() { state_.clearSolutionFlags(); }

    // A sentence step's Verifica: the typed sentence against the step's five
    // wordings (advanced) or the chosen item against the right one
    // (beginner). An error is counted on the step and on the attempt; the
    // end of the problem carries the attempt's record.
    StepDecision checkSentence(int step, const StepInput& input, int lastStep);
    // The operation scheme's Verifica: the texts its boxes show, read by
    // name, against what the loaded problem's formulas expect.
    StepDecision checkScheme(const std::function<QString(const QString&)>& shownText);

    // The step's hint for its error counter; a hint shown counts on the attempt.
    QString hint(int step);

    // Leaving a problem asks first, unless it was finished.
    bool asksBeforeLeaving() const { return !state_.problem_finished; }
    // The next problem (the last one starts again) and the previous one (the
    // first one starts again); either starts without its solution.
    ProblemMove next();
    ProblemMove previous();
    // The solution of the problem shown: it starts again filled in.
    void showSolution() { state_.setSolutionShown(state_.current_problem, true); }
    // A worksheet restored: its problem, the file's problem count and its solution flag.
    ProblemMove restore(int problem, int problemCount, bool solutionShown);
    // The error count a restored worksheet left on a step's counter.
    void restoreErrorCount(int step, const QString& counterCaption)
    {
        state_.errors.takeCounterCaption(step, counterCaption);
    }

private:
    StepDecision counted(StepDecision decision);

    const SchemeDescription& scheme_;
    const Mode mode_;
    ExerciseState state_;
    StepFlow flow_{state_};
    ProblemAttempt attempt_;
};

}  // namespace quorvia
