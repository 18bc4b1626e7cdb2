// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says for the controls of an exercise window: an
// Italian name for every control a child uses, a description of the step it
// belongs to, and the announcement of every verdict.

#include "content/scheme.h"

#include <QComboBox>
#include <QString>

class QAbstractButton;
class QLabel;
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
// live line, a notification, shows again with it, which a screen reader
// speaks whatever has the focus.
void announce(QWidget& window, const QString& text);
// Takes the last verdict away (a new problem starts with none).
void clearAnnouncement(QWidget& window);
// The live line of a window: an unnamed label that says the last verdict.
QWidget* announcementLine(QWidget& window);

// An error button says its count in its name: "Errori e suggerimento del
// passo 2, 1 errore". Sets the caption too.
void showErrorCount(QAbstractButton& counter, int count);
// An operator label says the sign it holds: "Segno dell'operazione: per".
// Labels that are not operator labels are left alone.
void nameSign(QLabel& label);

// A step's choice list. Its name stays the step's, whatever sentence is
// chosen; the chosen sentence is its value, and each one reached with the
// arrows is announced.
class ChoiceListBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceListBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The roles a screen reader needs and Qt does not give: the live line and the
// hint balloon are notifications, a choice list keeps its own name. Done once
// per program; every window calls it.
void installAccessibleRoles();

}  // namespace quorvia
