// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One attempt at a problem, from its start to the moment it ends for the
// child: the errors and hints of each step and the time taken, gathered
// across the restarts the solution makes, and handed over as a progress
// record when the problem is finished or left.

#include "content/scheme.h"
#include "progress/progress_record.h"

#include <QString>

#include <chrono>
#include <optional>

namespace quorvia {

// Who works on which problem, as the window knows it at the start.
struct AttemptIdentity {
    QString child;  // as typed
    Mode mode = Mode::Advanced;
    Scheme scheme = Scheme::S3;
    QString problem_file;
    int problem = 1;
};

class ProblemAttempt {
public:
    using Clock = std::chrono::steady_clock;

    // A start of the problem: opens an attempt unless one is open (the
    // solution starts the problem again within the same attempt).
    void begin(const AttemptIdentity& identity);
    bool isOpen() const { return open_; }

    // A check or a hint after the attempt ended (a beginner window opens the
    // finished problem's first step again) opens a new one on the same problem.
    void countError(int step);
    void countHint(int step);

    // Closes the attempt; its record, nothing when none was open. The record's
    // computer is left to whoever writes it.
    std::optional<progress::ProgressRecord> end(progress::Outcome outcome, bool solutionShown);

private:
    void reopen();
    progress::StepTally* step(int step);

    bool open_ = false;
    AttemptIdentity identity_;
    progress::ProgressRecord record_;
    Clock::time_point started_;
};

}  // namespace quorvia
