// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/problem_attempt.h"

#include <ctime>

namespace quorvia {

void ProblemAttempt::begin(const AttemptIdentity& identity)
{
    if (open_)
        return;
    identity_ = identity;
    reopen();
}

void ProblemAttempt::reopen()
{
    open_ = true;
    started_ = Clock::now();
    record_ = progress::ProgressRecord();
    record_.child = progress::recordedName(identity_.child.toStdString());
    record_.mode = identity_.mode;
    record_.scheme = identity_.scheme;
    record_.problem_file = identity_.problem_file.toStdString();
    record_.problem = identity_.problem;
    record_.steps = progress::stepsOf(identity_.scheme);
}

progress::StepTally* ProblemAttempt::step(int s)
{
    if (!open_)
        reopen();
    if (s < 1 || s > static_cast<int>(record_.steps.size()))
        return nullptr;
    return &record_.steps[static_cast<std::size_t>(s - 1)];
}

void ProblemAttempt::countError(int s)
{
    if (progress::StepTally* tally = step(s))
        ++tally->errors;
}

void ProblemAttempt::countHint(int s)
{
    if (progress::StepTally* tally = step(s))
        ++tally->hints;
}

std::optional<progress::ProgressRecord> ProblemAttempt::end(progress::Outcome outcome, bool solutionShown)
{
    if (!open_)
        return std::nullopt;
    open_ = false;
    progress::ProgressRecord record = record_;
    record.outcome = outcome;
    record.solution_shown = solutionShown;
    record.when = progress::localTimestamp(std::time(nullptr));
    record.seconds = static_cast<long>(
        std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - started_).count());
    return record;
}

}  // namespace quorvia
