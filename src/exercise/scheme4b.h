// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scheme 4b: two questions, a column of three data giving the partial result,
// a second operation joining it with a fourth datum, and two answers, solved
// in nine steps (two questions, four data, operation scheme, two answers).

#include "exercise/scheme_description.h"

namespace quorvia {

const SchemeDescription& scheme4bDescription();

// The scheme check of scheme 4b, in its order: the final result, the partial
// result, the three data of the column, the datum of the second operation,
// the operator of the column, the operator of the second operation.
ExpectedTexts scheme4bExpectations(const PreparedFormulas& formulas);

// TFormA4b and TFormP4b are the common window with the description's
// options: TFormA4b always plays its closing sequence and hides both answer
// rows for it; TFormP4b starts a problem whose solution was shown with every
// step closed; both bring both answer rows back at the end.

}  // namespace quorvia
