// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace quorvia {

FocusRing* FocusRing::install(QWidget* window, const QColor& colour)
{
    return window ? new FocusRing(window, colour) : nullptr;
}

FocusRing::FocusRing(QWidget* window, const QColor& colour)
    : QWidget(window), window_(window), colour_(colour)
{
    setObjectName(QString());  // never one of the window's named controls
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    // A window that already has its focus before the ring is made.
    follow(window->focusWidget());
}

void FocusRing::follow(QWidget* focused)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    if (!focused || !window_ || focused->window() != window_ || focused == window_ ||
        !focused->parentWidget()) {
        hide();
        return;
    }
    target_ = focused;
    target_->installEventFilter(this);
    // A sibling of the control, so the ring scrolls and clips with it.
    if (parentWidget() != focused->parentWidget())
        setParent(focused->parentWidget());
    place();
}

void FocusRing::place()
{
    if (!target_ || target_->isHidden()) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    show();
    raise();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour_, kWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = kWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 4, 4);
}

}  // namespace quorvia
