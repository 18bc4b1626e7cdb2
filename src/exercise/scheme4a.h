// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scheme 4a: a column of four data under one operator gives the partial
// result; a second operation joins it and a fifth datum into the final
// result. Eight steps: the question, the five data, the operation scheme and
// the answer.

#include "exercise/exercise_window.h"
#include "exercise/scheme_description.h"

namespace quorvia {

class MainWindowServices;

const SchemeDescription& scheme4aDescription();

// The scheme check of scheme 4a, in its order: the final result, the partial
// result, the four data of the column, the datum of the second operation,
// the operator of the column, the operator of the second operation. The
// copies (Lop12, Lop13 and the partial result in Jolly) take no part.
ExpectedTexts scheme4aExpectations(const PreparedFormulas& formulas);

// The two windows of scheme 4a: the common window, whose advanced window
// names the child on the instruction line when it shows the solution.
class Scheme4aWindow : public ExerciseWindow {
    Q_OBJECT
public:
    Scheme4aWindow(Mode mode, MainWindowServices* main, QWidget* parent = nullptr);

protected:
    void fillSolution() override;

private:
    MainWindowServices* services_;
};

// For the table of the program's windows.
ExerciseWindow* createScheme4aWindow(Mode mode, MainWindowServices* main, QWidget* parent);

}  // namespace quorvia
