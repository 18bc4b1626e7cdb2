// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PIN's questions, all through the platform's dialogs.

#include <QString>

class QWidget;

namespace quorvia::teacher {

// True when no PIN is set or the right one is typed; three wrong PINs or
// Cancel keep the area closed.
bool askPinToEnter(QWidget* parent, const QString& resourceFolder);

// Sets, changes or removes the user's own PIN; a PIN of GENERALE.INI is
// only explained, since it is changed there.
void offerPin(QWidget* parent, const QString& resourceFolder);

}  // namespace quorvia::teacher
