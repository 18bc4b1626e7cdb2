// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows of a run, made as the program makes them at start-up: the
// main window, the score window and the eight exercise windows with the
// program's hooks (appearance, worksheets, printing).

#include <QString>

#include <memory>
#include <vector>

namespace quorvia {
class ExerciseWindow;
class ProgramHooks;
class TForm1;
class TForm3;
}  // namespace quorvia

namespace quorvia::bench {

struct ProgramWindows {
    // Released in the program's order: the hooks, the score window, then
    // the main window with the exercise windows it parents.
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm3> score;
    std::unique_ptr<ProgramHooks> hooks;
    std::vector<ExerciseWindow*> exercises;

    ProgramWindows();
    ProgramWindows(ProgramWindows&&) noexcept;
    ~ProgramWindows();
};

// The bundled resource folder, ending with a separator.
QString bundledResources();

ProgramWindows createProgramWindows(const QString& resources);

// Opens every exercise window on problem 1 of its scheme as the start
// button does (launch data, sounds and animations, shown, so it loads the
// problem and lays itself out), and hides it again.
void loadProblemInEach(ProgramWindows& windows);

}  // namespace quorvia::bench
