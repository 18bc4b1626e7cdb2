// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The problems a window has counted as solved during the run. A finished
// problem reopens its first step in some windows, and a child could finish
// it again and again; each problem of a problem file earns its point once.

#include <set>
#include <string>
#include <utility>

namespace quorvia {

class SolvedProblems {
public:
    // Records `problem` of `problemFile` as solved; true only the first time,
    // when it is to be counted.
    bool record(const std::string& problemFile, int problem);
    bool contains(const std::string& problemFile, int problem) const;

private:
    std::set<std::pair<std::string, int>> solved_;
};

}  // namespace quorvia
