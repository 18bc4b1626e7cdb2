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

QRect fitWindowInto(const QRect& wanted, const QRect& available, const QMargins& frame)
{
    if (!available.isValid())
        return wanted;
    return fitWindowInto(wanted.marginsAdded(frame), available).marginsRemoved(frame);
}

QMargins expectedFrame(const QWidget& window)
{
    // The window manager's frame is known once it has framed the window;
    // until then (a window about to be shown) a title bar and borders as
    // the common desktops draw them, grown with the text.
    const QRect frame = window.frameGeometry();
    const QMargins known(window.geometry().left() - frame.left(), window.geometry().top() - frame.top(),
                         frame.right() - window.geometry().right(), frame.bottom() - window.geometry().bottom());
    if (!known.isNull() || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return known;
    const int title = std::max(30, window.fontMetrics().height() + 12);
    return QMargins(2, title, 2, 2);
}

QSize fitWindowOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return window.size();
    const QMargins margins = expectedFrame(window);
    const QRect placed = fitWindowInto(window.geometry(), screen->availableGeometry(), margins).marginsAdded(margins);
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
