// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A problem tried as it stands in the editor, before it is saved: the files
// in memory are written into a folder of their own, beside the media of the
// real folder, and the program's own exercise window opens there. Nothing
// of it is a child's attempt, so no progress record is written.

#include "check/check_report.h"
#include "content/scheme.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace quorvia {
class ExerciseWindow;
class TForm1;
}  // namespace quorvia

namespace quorvia::editor {

class ProblemDocument;

// The folder for a try: GENERALE.INI and the problem file as the editor
// holds them, the pictures the problems name copied, every other file of the
// real folder linked (copied where links cannot be made). Removed with it.
class TryOutFolder {
public:
    explicit TryOutFolder(const ProblemDocument& document);
    bool ok() const { return ok_; }
    const QString& error() const { return error_; }
    // Ends with a separator.
    QString path() const;

private:
    QTemporaryDir dir_;
    bool ok_ = false;
    QString error_;
};

// The exercise window on `problem`, shown and modal; it lives until the
// next try or until `TryOut` goes.
class TryOut {
public:
    TryOut(const ProblemDocument& document, int problem);
    ~TryOut();
    bool ok() const { return window_ != nullptr; }
    const QString& error() const { return error_; }
    ExerciseWindow* window() const { return window_; }

private:
    std::unique_ptr<TryOutFolder> folder_;
    std::unique_ptr<TForm1> main_;
    ExerciseWindow* window_ = nullptr;
    QString error_;
};

// The folder check's self-play on the problem as it stands in the editor.
check::ProblemReport selfPlay(const ProblemDocument& document, int problem, char localeSeparator);

}  // namespace quorvia::editor
