// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/solved_problems.h"

namespace quorvia {

bool SolvedProblems::record(const std::string& problemFile, int problem)
{
    return solved_.emplace(problemFile, problem).second;
}

bool SolvedProblems::contains(const std::string& problemFile, int problem) const
{
    return solved_.count({problemFile, problem}) != 0;
}

}  // namespace quorvia
