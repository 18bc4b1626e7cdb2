// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the progress records of a run into the progress folder, away from
// the window's thread, so a slow or lost network share never holds up a
// child. A folder that cannot be written is told once per run, in a message
// box; the exercise goes on and later records are still tried.

#include "progress/progress_record.h"

#include <QString>
#include <QThreadPool>

#include <atomic>

namespace quorvia {

class ProgressJournal {
public:
    // `computer` names this computer in the records and the file names.
    explicit ProgressJournal(const QString& folder, const QString& computer = QString());
    // Waits for the records still being written.
    ~ProgressJournal();

    const QString& folder() const { return folder_; }
    void append(progress::ProgressRecord record);
    // Every record handed in so far is written (or failed).
    void waitForWrites();

    // The message a folder that cannot be written gives.
    static QString failureMessage(const QString& folder, const QString& reason);

private:
    void warnOnce(const QString& reason);

    QString folder_;
    std::string computer_;
    QThreadPool writer_;
    std::atomic<bool> warned_{false};
};

}  // namespace quorvia
