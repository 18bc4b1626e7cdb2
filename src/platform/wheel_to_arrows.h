// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse wheel of the whole application acts as the arrow keys: turned
// away from the user it presses Up, towards the user Down, on the widget that
// has the focus. No window ever sees a wheel event.

#include <QObject>

class QWheelEvent;

namespace quorvia::platform {

class WheelToArrows final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WheelToArrows)
public:
    explicit WheelToArrows(QObject* parent = nullptr) : QObject(parent) {}

    // Creates the filter as a child of the application and installs it there.
    static WheelToArrows* installOnApplication();

    // Qt::Key_Up, Qt::Key_Down, or 0 when the event carries no vertical turn
    // (a horizontal wheel, or the start and end markers of a touchpad scroll).
    static int arrowKeyFor(const QWheelEvent& wheel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvia::platform
