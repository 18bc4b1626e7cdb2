// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decimal separator of a whole folder: what GENERALE.INI's
// SEPARATORE_DECIMALE says, and formulas that only read in the other notation
// when the folder leaves the choice to the computer's language.

#include "check/check_report.h"
#include "check/generale_lint.h"

#include <string>
#include <vector>

namespace quorvia::check {

// `folder` ends with a separator; `choice` is the separator the check runs
// with. Findings about GENERALE.INI.
std::vector<Finding> lintDecimalSeparator(const std::string& folder, const GeneraleLint& general,
                                          const DecimalSeparatorChoice& choice);

}  // namespace quorvia::check
