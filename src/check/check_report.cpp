// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/check_report.h"

namespace quorvia::check {

namespace {

int countIn(const std::vector<Finding>& findings, Severity severity)
{
    int n = 0;
    for (const Finding& f : findings)
        n += f.severity == severity ? 1 : 0;
    return n;
}

}  // namespace

int CheckReport::count(Severity severity) const
{
    int n = countIn(general, severity) + countIn(other_files, severity);
    for (const ProblemFileReport& file : files) {
        n += countIn(file.findings, severity);
        for (const ProblemReport& problem : file.problems)
            n += countIn(problem.findings, severity);
    }
    return n;
}

int CheckReport::count(Outcome outcome) const
{
    int n = 0;
    for (const ProblemFileReport& file : files) {
        for (const ProblemReport& problem : file.problems)
            n += problem.outcome == outcome ? 1 : 0;
    }
    return n;
}

int CheckReport::problemCount() const
{
    int n = 0;
    for (const ProblemFileReport& file : files)
        n += static_cast<int>(file.problems.size());
    return n;
}

bool CheckReport::passed() const
{
    return count(Severity::Error) == 0 && count(Outcome::Solved) == problemCount();
}

}  // namespace quorvia::check
