// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads one problem of a window's problem file: its texts into the widgets
// (problem text and picture, captions, choice lists, problem number), its
// answers, hints, messages and prepared formulas into the window's state.

#include "content/scheme.h"
#include "evaluator/calc_express.h"
#include "exercise/exercise_builder.h"

class QWidget;

namespace quorvia {

class RandomSource;
class StepPanel;
struct ExerciseState;

class ProblemLoader {
public:
    // A formula the evaluator refuses is reported in a message box over `window`.
    ProblemLoader(QWidget& window, const SchemeDescription& scheme, Mode mode, const StepPanel& panel,
                  const ExerciseWidgets& widgets);

    // Loads `state.current_problem` of `state.problem_file_name`; a missing
    // file loads the defaults. The formulas are ready only when the
    // evaluator took them all.
    void load(ExerciseState& state, RandomSource& random);

private:
    const SchemeDescription& scheme_;
    const Mode mode_;
    const StepPanel& panel_;
    const ExerciseWidgets& widgets_;
    TCalcExpress evaluator_;
    bool formula_refused_ = false;  // the evaluator reported a formula during this load
};

}  // namespace quorvia
