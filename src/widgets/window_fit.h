// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window goes on a screen that may be smaller than the window:
// netbooks of 1024x600, laptops of 1366x768 at 150 %.

#include <QMargins>
#include <QRect>

class QWidget;

namespace quorvia {

// The window's geometry inside `available` (a screen's work area): as large
// as asked where there is room, never larger than the area, and moved in
// whole inside it; a window that fits stays where it was put.
QRect fitWindowInto(const QRect& wanted, const QRect& available);
// The same for a window whose frame (title bar, borders) is `frame`:
// `wanted` and the result are the window's own geometry, inside the frame,
// and the frame too stays inside the area.
QRect fitWindowInto(const QRect& wanted, const QRect& available, const QMargins& frame);

// The frame a window manager is expected to add to a window it has not
// framed yet: a title bar and thin borders.
QMargins expectedFrame(const QWidget& window);

// Places `window` by fitWindowInto on its screen's work area, counting the
// frame the window manager adds; a fixed-size window takes the smaller size.
// Returns the size the window's contents have now.
QSize fitWindowOnScreen(QWidget& window);

}  // namespace quorvia
