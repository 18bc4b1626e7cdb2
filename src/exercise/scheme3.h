// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scheme 3: one operation between two data, solved in five steps (question,
// first datum, second datum, operation scheme, answer).

#include "exercise/scheme_description.h"

namespace quorvia {

const SchemeDescription& scheme3Description();

// The scheme check of scheme 3, in its order: the result, the first and the
// second datum as they stand in the formula, the operator.
ExpectedTexts scheme3Expectations(const PreparedFormulas& formulas);

}  // namespace quorvia
