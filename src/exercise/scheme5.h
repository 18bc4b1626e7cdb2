// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scheme 5: two operations in two rows, the partial result of the first
// feeding the second, solved in six steps (question, three data, operation
// scheme, answer).

#include "exercise/scheme_description.h"

class QWidget;

namespace quorvia {

class ExerciseWindow;
class MainWindowServices;

const SchemeDescription& scheme5Description();

// The scheme check of scheme 5, in its order: the final result, the number
// of "R2", the partial result, the two numbers of "R1" as they stand in the
// formula, then the two operators. The copy of the partial result in the
// second row takes no part.
ExpectedTexts scheme5Expectations(const PreparedFormulas& formulas);

// TFormA5 or TFormP5: the common window with the second row laid out by
// "R2" and the scheme's own feedback and ending.
ExerciseWindow* createScheme5Window(Mode mode, MainWindowServices* main, QWidget* parent);

}  // namespace quorvia
