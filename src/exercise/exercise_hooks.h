// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations an exercise window hands to other parts of the program:
// the appearance settings of its labels and problem text, worksheets, and
// printing. Each does nothing until a part that implements it is installed,
// so the buttons and mouse events are already wired where they belong.

#include "progress/progress_record.h"

#include <QString>

#include <optional>

class QMouseEvent;
class QWidget;

namespace quorvia {

class ExerciseWindow;

// The worksheet the child picked to restore, as its "DATI" section says.
struct WorksheetChoice {
    QString file_name;
    int problem = 1;
    int problem_count = 1;
    bool solution_shown = false;
};

class ExerciseHooks {
public:
    virtual ~ExerciseHooks() = default;

    // Appearance: applied at every problem load; a mouse button released over
    // a heading, the instruction line, the title or the problem text.
    virtual void LOAD_COLORI(QWidget* /*window*/) {}
    virtual void xMouseUp(QWidget* /*window*/, QWidget* /*control*/, QMouseEvent* /*event*/) {}

    // Worksheets: save the window's work; pick a worksheet to restore
    // (nothing when cancelled or refused); put its contents into the window.
    virtual void salva(QWidget* /*window*/, int /*problem*/, bool /*solutionShown*/) {}
    virtual std::optional<WorksheetChoice> caricaINIT(QWidget* /*window*/) { return std::nullopt; }
    virtual void carica(QWidget* /*window*/, const QString& /*fileName*/) {}

    // Printing the worked problem.
    virtual void print(ExerciseWindow& /*window*/) {}

    // A problem ended for the child (finished or left): what the attempt was.
    virtual void recordProgress(const progress::ProgressRecord& /*record*/) {}
};

// The hooks every window starts with: they do nothing.
ExerciseHooks& inactiveExerciseHooks();

}  // namespace quorvia
