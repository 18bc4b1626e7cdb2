// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says for the controls of an exercise window: an
// Italian name for every control a child uses, a description of the step it
// belongs to, and the announcement of every verdict.

#include "content/scheme.h"

#include <QString>

class QWidget;

namespace quorvia {

struct SchemeDescription;

// What step `step` asks of the child: "scrivi il primo dato".
QString stepTask(const SchemeDescription& scheme, int step);

// Names and describes the step controls (the tool bar's buttons are named
// by their tips when they are made); done once, when the window is built.
void nameExerciseControls(QWidget& window, const SchemeDescription& scheme);
// Each number box of the operation scheme is named after the caption under
// it ("1° dato", "Risultato"), which every problem writes anew.
void nameNumberBoxes(QWidget& window, const SchemeDescription& scheme);

// Says `text` to a screen reader, as the verdict of a check: the window's
// live line takes it and tells the assistive tools it changed.
void announce(QWidget& window, const QString& text);
// The live line of a window: an unnamed label that says the last verdict.
QWidget* announcementLine(QWidget& window);

}  // namespace quorvia
