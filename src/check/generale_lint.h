// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lint of GENERALE.INI: the texts of the main window and, per mode, the
// problem file and the number of problems of each scheme.

#include "check/check_report.h"
#include "content/scheme.h"

#include <string>
#include <vector>

namespace quorvia::check {

// The problem file that GENERALE.INI gives one mode and scheme.
struct NamedProblemFile {
    Mode mode = Mode::Beginner;
    Scheme scheme = Scheme::S3;
    std::string section;  // "PRINCIPIANTE" or "AVANZATO"
    int index = 1;        // the n of INI_FILE<n> and MAX<n>
    std::string name;     // as written
    int name_line = 0;
    std::string max_text; // MAX<n> as written; empty when missing
    int max = 1;          // as the main window reads it
    bool max_valid = true;  // false when MAX<n> is written but is no number
    int max_line = 0;     // 0 when MAX<n> is missing
    int section_line = 0;
};

struct GeneraleLint {
    std::string file;  // GENERALE.INI as it lies in the folder
    std::string encoding;
    std::vector<Finding> findings;
    std::vector<NamedProblemFile> problem_files;  // those with a name, beginner mode first
};

// GENERALE.INI as it lies in `folder` (found without regard to case); empty
// when the folder has none, which makes it no resource folder.
std::string findGenerale(const std::string& folder);

// `folder` ends with a separator and holds GENERALE.INI.
GeneraleLint lintGenerale(const std::string& folder);

// Problems a window offers for MAX<n>: its per-problem tables hold 20.
int offeredProblems(int max);

// The letter case of `name` differs from the file found: Quorvia finds it, a
// copy of the folder on another system may not. Empty when it does not.
std::string caseMismatch(const std::string& name, const std::string& found, const std::string& folder);

}  // namespace quorvia::check
