// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two faces of a check report: a readable one in Italian for teachers,
// grouped by problem file and problem and ending with one summary line, and
// JSON for tools.

#include "check/check_report.h"

#include <string>

namespace quorvia::check {

std::string formatText(const CheckReport& report);
std::string formatJson(const CheckReport& report);

// The last line of the readable report.
std::string summaryLine(const CheckReport& report);

}  // namespace quorvia::check
