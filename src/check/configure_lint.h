// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lint of CONFIGURE.INI, which the program itself writes when a teacher
// restyles a window, and which a teacher may have copied or edited.

#include "check/check_report.h"

#include <string>
#include <vector>

namespace quorvia::check {

struct ConfigureLint {
    std::string file;      // as it lies in the folder; empty when there is none
    std::string encoding;
    std::vector<Finding> findings;
};

// A folder without CONFIGURE.INI is fine: the first restyling makes it.
ConfigureLint lintConfigure(const std::string& folder);

}  // namespace quorvia::check
