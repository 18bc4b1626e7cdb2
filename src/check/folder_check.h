// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole check of a resource folder: the lint of GENERALE.INI and of
// every problem file it names, then every problem those files offer solved
// through the program's own exercise windows, headless.

#include "check/check_report.h"

#include "content/scheme.h"

#include <QString>

#include <functional>
#include <string>

namespace quorvia {
class TForm1;
}

namespace quorvia::check {

// Told what the check turns to next ("P_SCHEMA3.INI, problema 4"), so that
// a caller can show progress or notice a check that no longer moves.
using ProgressCallback = std::function<void(const std::string& what)>;

// Thrown by a ProgressCallback to end a check early (a Stop button); it
// leaves checkResourceFolder with the dialogs, the sound and the decimal
// separator as they were before the check.
struct CheckStopped {};

// `folder` holds GENERALE.INI (see findGenerale). Needs a QApplication; for
// the time of the check every dialog is scripted (questions answered Yes,
// message boxes recorded) and every sound is silent. Numbers are read and
// written, for the time of the check, with the separator the program would
// use there: SEPARATORE_DECIMALE of the folder's GENERALE.INI, else
// `localeSeparator` (see localeDecimalSeparator).
CheckReport checkResourceFolder(const QString& folder, char localeSeparator,
                                const ProgressCallback& progress = {});

// The same with the windows that `main` holds (made by createExerciseWindows
// or registered one by one); a mode and scheme without a window is reported
// as such. `main` reads the same folder.
CheckReport checkResourceFolder(const QString& folder, char localeSeparator, TForm1& main,
                                const ProgressCallback& progress = {});

// One problem as the folder check sees it: its lint, its picture, and the
// solving through a window of its own, with the same findings the whole
// check gives for it. `folder` holds GENERALE.INI and the problem file named
// `fileName` there; `max` is the MAX<n> the window is opened with. The
// editor checks a problem it has written into a folder of its own this way.
ProblemReport checkOneProblem(const QString& folder, char localeSeparator, Mode mode, Scheme scheme,
                              const std::string& fileName, int problem, int max);

}  // namespace quorvia::check
