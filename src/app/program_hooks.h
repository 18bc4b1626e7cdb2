// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's answer to what the exercise windows hand on: the appearance
// settings of their labels and problem text, worksheets and printing. Each operation
// works on any exercise window by the names and kinds of its controls.

#include "appearance/appearance_editor.h"
#include "exercise/exercise_hooks.h"

namespace quorvia {

class MainWindowServices;
class ProgressJournal;

class ProgramHooks : public ExerciseHooks {
public:
    // `main` (not owned) gives the selection, the child's name and the
    // resource folder; it outlives the hooks. `journal` (not owned, may be
    // null: nothing is kept) takes the progress records.
    explicit ProgramHooks(MainWindowServices& main, ProgressJournal* journal = nullptr);

    void LOAD_COLORI(QWidget* window) override;
    void xMouseUp(QWidget* window, QWidget* control, QMouseEvent* event) override;

    void salva(QWidget* window, int problem, bool solutionShown) override;
    std::optional<WorksheetChoice> caricaINIT(QWidget* window) override;
    void carica(QWidget* window, const QString& fileName) override;

    void print(ExerciseWindow& window) override;

    void recordProgress(const progress::ProgressRecord& record) override;

private:
    MainWindowServices& main_;
    ProgressJournal* journal_;
    appearance::AppearanceEditor appearance_;
};

}  // namespace quorvia
