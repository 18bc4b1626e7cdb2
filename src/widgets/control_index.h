// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's controls by name, for a window that looks its controls up over
// and over (the exercise windows at every check, the checker at every box it
// fills): findControl walks the whole widget tree for each name, this walks
// it once and answers from a table afterwards.

#include <QHash>
#include <QPointer>
#include <QString>

class QObject;
class QWidget;

namespace quorvia {

class ControlIndex {
public:
    explicit ControlIndex(QWidget* window) : window_(window) {}

    // The same control findControl(window, name) gives. A control the table
    // holds answers while it lives and keeps its name; one made or renamed
    // after the first lookup is found by a walk and remembered. The windows
    // that use it make their controls once and never move them to another
    // parent, which a remembered control is not checked for.
    QObject* find(const QString& name) const;

private:
    QWidget* window_;
    mutable bool built_ = false;
    mutable QHash<QString, QPointer<QObject>> controls_;  // case-folded name -> first control
};

}  // namespace quorvia
