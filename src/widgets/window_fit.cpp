// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quorvia {

QRect fitWindowInto(const QRect& wanted, const QRect& available)
{
    if (!available.isValid())
        return wanted;
    const QSize size = wanted.size().boundedTo(available.size());
    const int left = std::clamp(wanted.left(), available.left(), available.right() + 1 - size.width());
    const int top = std::clamp(wanted.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

QSize fitWindowOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return window.size();
    // The frame is known once the window is shown; before, it counts as none.
    const QRect frame = window.frameGeometry();
    const QMargins margins(window.geometry().left() - frame.left(), window.geometry().top() - frame.top(),
                           frame.right() - window.geometry().right(),
                           frame.bottom() - window.geometry().bottom());
    const QRect placed = fitWindowInto(frame, screen->availableGeometry());
    const QRect inner = placed.marginsRemoved(margins);
    if (inner.size() != window.size()) {
        if (window.minimumSize() == window.maximumSize())
            window.setFixedSize(inner.size());
        else
            window.setMinimumSize(window.minimumSize().boundedTo(inner.size()));
        window.resize(inner.size());
    }
    window.move(placed.topLeft());
    return window.size();
}

}  // namespace quorvia
