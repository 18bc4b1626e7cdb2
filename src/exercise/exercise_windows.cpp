// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_windows.h"

#include "exercise/exercise_window.h"
#include "exercise/scheme3.h"
#include "exercise/scheme4a.h"
#include "exercise/scheme4b.h"
#include "exercise/scheme5.h"
#include "shell/exercise_slot.h"

namespace quorvia {

namespace {

struct WindowEntry {
    Mode mode;
    Scheme scheme;
    const SchemeDescription& (*description)();
    // Builds a window whose scheme departs from the common mechanics; null
    // builds the common window from the description.
    ExerciseWindow* (*create)(Mode mode, MainWindowServices* main, QWidget* parent) = nullptr;
};

// The order of creation at start-up: one row per mode and scheme.
const WindowEntry kWindows[] = {
    {Mode::Beginner, Scheme::S3, &scheme3Description},   // TFormP3
    {Mode::Beginner, Scheme::S4b, &scheme4bDescription},  // TFormP4b
    {Mode::Beginner, Scheme::S4a, &scheme4aDescription, &createScheme4aWindow},  // TFormP4a
    {Mode::Advanced, Scheme::S3, &scheme3Description},   // TFormA3
    {Mode::Advanced, Scheme::S4b, &scheme4bDescription},  // TFormA4b
    {Mode::Advanced, Scheme::S4a, &scheme4aDescription, &createScheme4aWindow},  // TFormA4a
    {Mode::Beginner, Scheme::S5, &scheme5Description, &createScheme5Window},  // TFormP5
    {Mode::Advanced, Scheme::S5, &scheme5Description, &createScheme5Window},  // TFormA5
};

ExerciseWindow* build(const WindowEntry& entry, MainWindowServices* main, QWidget* parent)
{
    return entry.create ? entry.create(entry.mode, main, parent)
                        : new ExerciseWindow(entry.description(), entry.mode, main, parent);
}

}  // namespace

ExerciseWindow* createExerciseWindow(Scheme scheme, Mode mode, MainWindowServices* main, QWidget* parent)
{
    for (const WindowEntry& entry : kWindows) {
        if (entry.scheme == scheme && entry.mode == mode)
            return build(entry, main, parent);
    }
    return nullptr;
}

std::vector<ExerciseWindow*> createExerciseWindows(ExerciseLauncher& launcher, ExerciseHooks* hooks)
{
    std::vector<ExerciseWindow*> windows;
    for (const WindowEntry& entry : kWindows) {
        ExerciseWindow* window = build(entry, &launcher, launcher.exerciseParent());
        window->setHooks(hooks);
        launcher.registerExerciseWindow(entry.mode, entry.scheme, window);
        windows.push_back(window);
    }
    return windows;
}

}  // namespace quorvia
