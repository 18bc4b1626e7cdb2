// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a control of an exercise window shows, as the scheme check, printing,
// the checker's solver and the tests read it.

#include <QString>

#include <optional>

class QObject;

namespace quorvia {

// A box's text, a list's chosen item (none chosen: empty), a button's or a
// label's caption, all lines of a memo; nothing for a control that shows no
// text (or none at all).
std::optional<QString> shownTextOf(const QObject* control);
// The same, empty for a control that shows no text.
QString shownText(const QObject* control);

}  // namespace quorvia
