// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A child's actions on an exercise window, done by a program: the checker's
// solver and the tests drive the windows through these, so that both meet
// the box's own limits and key filter, the operator menu as it opens from
// its label, and the animations ticked by hand rather than by the clock.

#include <QString>

class QAction;
class QLabel;
class QLineEdit;

namespace quorvia {

class ExerciseWindow;

// Clears the box and types `text` into it key by key; true when the box
// then shows all of it.
bool typeAsChild(QLineEdit* box, const QString& text);

// The operator menu's item of a sign ("+", "-", "X", ":"); null for
// anything else.
QAction* operatorMenuItem(ExerciseWindow& window, const QString& sign);
// Opens the operator menu from `label` with a click and picks `item`; true
// when the label then shows the item's sign.
bool pickMenuItemAsChild(ExerciseWindow& window, QLabel* label, QAction* item);

// Ticks the window's animation clock until nothing plays; the ticks taken,
// or -1 when something still plays after `maxTicks`.
int playOutAnimations(ExerciseWindow& window, int maxTicks);

}  // namespace quorvia
