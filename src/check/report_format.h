// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two faces of a check report: a readable one in Italian for teachers,
// grouped by problem file and problem and ending with one summary line, and
// JSON for tools.

#include "check/check_report.h"

#include <string>
#include <string_view>

namespace quorvia::check {

std::string formatText(const CheckReport& report);
std::string formatJson(const CheckReport& report);

// Text from the folder as a terminal may show it: every control character
// (C0, DEL, C1; ESC above all) and every byte that is not UTF-8 written as
// an escape (\u001b, \x9b), so that no file can move the cursor, retitle
// the window or hide the rest of the report.
std::string terminalSafe(std::string_view text);

// The last line of the readable report.
std::string summaryLine(const CheckReport& report);

}  // namespace quorvia::check
