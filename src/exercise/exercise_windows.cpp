#include "exercise/exercise_windows.h"

#include "exercise/exercise_window.h"
#include "exercise/scheme3.h"
#include "shell/main_window.h"

namespace quorvia {

namespace {

struct WindowEntry {
    Mode mode;
    Scheme scheme;
    const SchemeDescription& (*description)();
};

// The order of creation at start-up. A scheme whose windows are not built
// yet has no row; its start button then opens nothing.
const WindowEntry kWindows[] = {
    {Mode::Beginner, Scheme::S3, &scheme3Description},   // TFormP3
    // TFormP4b, TFormP4a
    {Mode::Advanced, Scheme::S3, &scheme3Description},   // TFormA3
    // TFormA4b, TFormA4a, TFormP5, TFormA5
};

}  // namespace

std::vector<ExerciseWindow*> createExerciseWindows(TForm1& mainWindow, ExerciseHooks* hooks)
{
    std::vector<ExerciseWindow*> windows;
    for (const WindowEntry& entry : kWindows) {
        auto* window = new ExerciseWindow(entry.description(), entry.mode, &mainWindow, &mainWindow);
        window->setHooks(hooks);
        mainWindow.registerExerciseWindow(entry.mode, entry.scheme, window);
        windows.push_back(window);
    }
    return windows;
}

}  // namespace quorvia
