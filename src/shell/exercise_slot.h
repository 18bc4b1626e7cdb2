// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window needs of an exercise window to launch it. The exercise
// layer implements it; the main window knows no exercise class, so new scheme
// windows plug in without touching the launch.

#include "content/scheme.h"
#include "shell/main_window_services.h"

#include <QString>

class QDialog;
class QWidget;

namespace quorvia {

struct ExerciseLaunch {
    QString resource_folder;    // ends with a separator
    QString problem_file_name;  // as written in GENERALE.INI
    int current_problem = 1;
    int problem_count = 1;
    int scheme_code = 3;        // 3, 41, 42 or 5
};

class ExerciseSlot {
public:
    virtual ~ExerciseSlot() = default;
    // The window itself: named, sized, filled with media and shown modally
    // by the main window.
    virtual QDialog* dialog() = 0;
    virtual void setLaunch(const ExerciseLaunch& launch) = 0;
    // Problems solved without the solution since creation; only grows.
    virtual int solvedCount() const = 0;
};

// The main window as the exercise layer meets it when it creates the
// windows: their services, their parent, and the launch table each window
// is registered in for its mode and scheme.
class ExerciseLauncher : public MainWindowServices {
public:
    virtual QWidget* exerciseParent() = 0;
    virtual void registerExerciseWindow(Mode mode, Scheme scheme, ExerciseSlot* slot) = 0;
};

}  // namespace quorvia
