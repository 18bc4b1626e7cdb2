// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animations and sounds the windows look for in the folder, decoded as
// the program decodes them. The windows do without a missing or broken one,
// so each is a warning.

#include "check/check_report.h"

#include <string>
#include <vector>

namespace quorvia::check {

std::vector<Finding> checkProgramMedia(const std::string& folder);

}  // namespace quorvia::check
