// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Creates the exercise windows of the program and registers each with the
// main window for its mode and scheme.

#include "content/scheme.h"

#include <vector>

class QWidget;

namespace quorvia {

class ExerciseHooks;
class ExerciseLauncher;
class ExerciseWindow;
class MainWindowServices;

// The windows that exist, in the order the program creates them; each is a
// child of the launcher's window, registered with it, and lives for the run.
// `hooks` (not owned, may be null) serve their appearance, worksheet and
// print buttons.
std::vector<ExerciseWindow*> createExerciseWindows(ExerciseLauncher& launcher, ExerciseHooks* hooks = nullptr);

// The window the program has for `scheme` in `mode`, built as the program
// builds it; null when the program has none.
ExerciseWindow* createExerciseWindow(Scheme scheme, Mode mode, MainWindowServices* main,
                                     QWidget* parent = nullptr);

}  // namespace quorvia
