// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lint of the optional messages for foreseen mistakes: a key for a step,
// variant or row the window does not have, a key the mode never uses, a
// foreseen wrong sentence without its message (or the other way round), and
// a foreseen wrong sentence the window accepts as right.

#include "check/check_report.h"
#include "content/ini_file.h"
#include "content/problem_file.h"

#include <string>
#include <vector>

namespace quorvia::check {

// True for a key name (in capitals) written in the form of one of these
// keys, whether or not its numbers fit the scheme; the lint below says what
// is wrong with the ones that do not.
bool isMistakeKey(const std::string& upperName);

void lintMistakeKeys(const IniFile& ini, const std::string& file, const std::string& section, Mode mode,
                     Scheme scheme, const ProblemContent& content, std::vector<Finding>& out);

}  // namespace quorvia::check
