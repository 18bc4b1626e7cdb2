// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wheel_to_arrows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace quorvia::platform {

WheelToArrows* WheelToArrows::installOnApplication()
{
    auto* filter = new WheelToArrows(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
    return filter;
}

int WheelToArrows::arrowKeyFor(const QWheelEvent& wheel)
{
    const int delta = wheel.angleDelta().y();
    if (delta > 0)
        return Qt::Key_Up;
    if (delta < 0)
        return Qt::Key_Down;
    return 0;
}

bool WheelToArrows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);

    const int key = arrowKeyFor(*static_cast<QWheelEvent*>(event));
    QPointer<QWidget> target = QApplication::focusWidget();
    if (key != 0 && target) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        if (target) {
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
        }
    }
    // Swallowed in every case: no widget scrolls by the wheel itself.
    return true;
}

}  // namespace quorvia::platform
