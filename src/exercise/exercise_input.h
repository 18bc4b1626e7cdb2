// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the child does to an exercise window: its buttons, keys and mouse
// releases, wired to the window's handlers. Hints and the operator menu are
// answered here, as they decide nothing.

#include "exercise/exercise_builder.h"
#include "exercise/exercise_keys.h"

#include <QObject>
#include <QSet>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QPoint;

namespace quorvia {

class ExerciseWindow;
class StepController;

class ExerciseInput : public QObject {
public:
    // `widgets` and `controller` are the window's own; the window keeps this
    // for as long as they live.
    ExerciseInput(ExerciseWindow& window, const ExerciseWidgets& widgets, StepController& controller);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The error counter of a step shows the step's hint.
    void H1Click(QAbstractButton* sender);
    // An operator label opens the operator menu for itself.
    void Loper2MouseUp(QLabel* label, const QPoint& globalPos);
    // The sign picked goes into the label that opened the menu.
    void N1Click(QAction* item);

    // A number box refused a key: the balloon says once a step what goes there.
    void numberKeyRefused(QLineEdit* box);
    // A problem starts: every step may be told again.
    void newProblem() { told_steps_.clear(); }

    // The keys of the window and of its step controls.
    ExerciseKeys& keys() { return keys_; }

private:
    void connectHandlers();

    ExerciseWindow& window_;
    const ExerciseWidgets& widgets_;
    StepController& controller_;
    ExerciseKeys keys_{window_, *this};
    QSet<int> told_steps_;  // steps whose number boxes said what they take
};

}  // namespace quorvia
