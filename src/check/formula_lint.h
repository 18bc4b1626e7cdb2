// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lint of a problem's formulas: present, readable, made of numbers, of
// the shape the scheme's boxes need, computable, and with every number short
// enough for a number box.

#include "check/check_report.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "content/scheme.h"

#include <string>
#include <vector>

namespace quorvia::check {

// Characters a number box takes.
constexpr int kNumberBoxLength = 10;

// A number of the formula does not convert with `separator` but does with
// the other one: the formula was written for the other notation.
bool writtenWithOtherSeparator(const std::string& formula, char separator);

void lintFormulas(const IniFile& ini, const std::string& file, int problem, Scheme scheme,
                  const ProblemContent& content, std::vector<Finding>& out);

}  // namespace quorvia::check
