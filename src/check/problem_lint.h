// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lint of a problem file for the window of one mode and scheme: the file
// itself, the MAX<n> that GENERALE.INI gives it, and each problem the window
// offers (keys, sentences, picture, formulas).

#include "check/check_report.h"
#include "check/generale_lint.h"
#include "content/ini_file.h"

#include <string>
#include <vector>

namespace quorvia::check {

// Characters a sentence box takes.
constexpr int kSentenceBoxLength = 200;

struct ProblemFileLint {
    ProblemFileReport report;  // one ProblemReport per problem offered, outcome NotTried
    std::string path;          // the file found; empty when it is missing or no text
    std::string encoding;      // empty when it is missing
};

ProblemFileLint lintProblemFile(const std::string& folder, const std::string& generaleFile,
                                const NamedProblemFile& named);

void lintProblem(const IniFile& ini, const std::string& file, const std::string& folder, Mode mode,
                 Scheme scheme, int problem, std::vector<Finding>& out);

}  // namespace quorvia::check
