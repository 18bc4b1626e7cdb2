// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor says about a problem while the teacher types: the folder
// check's own lint, run on the problem as it stands in memory, with each
// finding tied to the key it is about; and the formulas computed as the
// exercise window computes them.

#include "check/check_report.h"
#include "editor/problem_document.h"

#include <string>
#include <vector>

namespace quorvia::editor {

struct FieldFinding {
    std::string key;  // the key it is about; "" when it is about the whole problem
    check::Finding finding;
};

// Exactly the findings the folder check's lint gives for this problem.
std::vector<check::Finding> lintFindings(const ProblemDocument& document, int problem);
// The same, each with its key.
std::vector<FieldFinding> fieldFindings(const ProblemDocument& document, int problem);

// The mark of a problem in the list: none, warnings only, an error.
enum class ProblemState { Clean, Warnings, Errors };
ProblemState stateOf(const std::vector<check::Finding>& findings);

// The formulas of a problem as the window prepares them, for the teacher:
// the value of each and the numbers the operation scheme will expect, row
// by row ("15 + 10 = 25"). `error` says why they cannot be computed.
struct FormulaPreview {
    bool ok = false;
    std::string error;
    std::string r1_value;
    std::string r2_value;             // schemes with a second formula
    std::vector<std::string> rows;    // one a row of the operation scheme
};
FormulaPreview previewFormulas(const ProblemDocument& document, int problem);

}  // namespace quorvia::editor
