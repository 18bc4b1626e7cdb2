// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/hint_balloon.h"

#include "exercise/accessible_names.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace quorvia {

namespace {
constexpr int kPadding = 10;
constexpr int kPointer = 12;  // height of the pointer
constexpr int kShadow = 4;
const QColor kFill(255, 255, 225);
const QColor kBorder(90, 90, 90);
}  // namespace

HintBalloon::HintBalloon(QWidget* window) : QWidget(window), hide_timer_(new QTimer(this))
{
    // A notification to a screen reader, which speaks it as it shows.
    installAccessibleRoles();
    setObjectName(QStringLiteral("msg"));
    setAttribute(Qt::WA_TranslucentBackground);
    QFont f = font();
    f.setPointSize(12);
    f.setBold(true);
    setFont(f);
    hide_timer_->setSingleShot(true);
    hide_timer_->setInterval(kShowMilliseconds);
    connect(hide_timer_, &QTimer::timeout, this, &HintBalloon::dismiss);
    hide();
}

QRect HintBalloon::textRectFor(const QString& text) const
{
    const QFontMetrics metrics(font());
    return metrics.boundingRect(QRect(0, 0, kMaxWidth - 2 * kPadding, 10000),
                                Qt::TextWordWrap | Qt::AlignLeft, text);
}

void HintBalloon::showAt(QWidget* target, const QString& message)
{
    dismiss();
    QString shown = message.isEmpty() && target ? target->toolTip() : message;
    if (shown.isEmpty() || !target || !parentWidget())
        return;
    text_ = shown;

    const QRect textRect = textRectFor(text_);
    const int bodyW = textRect.width() + 2 * kPadding;
    const int bodyH = textRect.height() + 2 * kPadding;
    const int w = bodyW + kShadow;

    QWidget* window = parentWidget();
    tip_ = target->mapTo(window, target->rect().center());
    // The row the target stands in: the pointer reaches past its inputs, so
    // that the text stands clear of what the child types or picks.
    const QRect targetPlace(target->mapTo(window, QPoint(0, 0)), target->size());
    int rowTop = targetPlace.top();
    int rowBottom = targetPlace.bottom();
    for (const QWidget* other : window->findChildren<QWidget*>()) {
        if (!other->isVisible() || !(qobject_cast<const QLineEdit*>(other) || qobject_cast<const QComboBox*>(other)))
            continue;
        const QRect r(other->mapTo(window, QPoint(0, 0)), other->size());
        if (r.top() <= targetPlace.bottom() && r.bottom() >= targetPlace.top()) {
            rowTop = std::min(rowTop, r.top());
            rowBottom = std::max(rowBottom, r.bottom());
        }
    }
    const int pointerAbove = std::max(kPointer, tip_.y() - rowTop + 2);
    const int pointerBelow = std::max(kPointer, rowBottom - tip_.y() + 2);
    const int left = std::clamp(tip_.x() - bodyW * 3 / 4, 0, std::max(0, window->width() - w));
    const QRect above(left, tip_.y() - (bodyH + pointerAbove + kShadow), w, bodyH + pointerAbove + kShadow);
    const QRect below(left, tip_.y(), w, bodyH + pointerBelow + kShadow);
    // Above the point, unless its text would cover more of what the child
    // is working at than below would; never outside the window.
    const bool roomAbove = above.top() >= 0;
    const bool roomBelow = below.bottom() < window->height();
    const QRect bodyAbove(above.left(), above.top(), bodyW, bodyH);
    const QRect bodyBelow(below.left(), below.top() + pointerBelow, bodyW, bodyH);
    tip_below_ = roomAbove && (!roomBelow || coverage(bodyAbove, target) <= coverage(bodyBelow, target));
    pointer_ = tip_below_ ? pointerAbove : pointerBelow;
    setGeometry(tip_below_ ? above : below);
    raise();
    show();
    update();
    hide_timer_->start();
    emit messageShown(text_);
}

int HintBalloon::coverage(const QRect& place, QWidget* target) const
{
    QWidget* window = parentWidget();
    const QRect row(target->mapTo(window, QPoint(0, 0)), target->size());
    const auto covered = [&place](const QRect& r) {
        const QRect common = place.intersected(r);
        return common.isEmpty() ? 0 : common.width() * common.height();
    };
    // What the child reads or picks from: an open list first, then the
    // inputs of the target's row, then the step heading right above them.
    int score = 0;
    const auto coveredPopup = [&](const QWidget* popup) {
        return covered(QRect(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->size()));
    };
    // A list's drop-down is a window of its own, above this one.
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowType() == Qt::Popup)
            score += 100 * coveredPopup(top);
    }
    constexpr int kHeadingReach = 48;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w == this || !w->isVisible() || w->window() != window)
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        if (input && r.top() <= row.bottom() && r.bottom() >= row.top())
            score += 10 * covered(r);
        else if (qobject_cast<QLabel*>(w) && r.bottom() < row.top() && r.bottom() >= row.top() - kHeadingReach)
            score += covered(r);
    }
    return score;
}

QRect HintBalloon::body() const
{
    const int bodyH = height() - pointer_ - kShadow;
    return QRect(x(), tip_below_ ? y() : y() + pointer_, width() - kShadow, bodyH);
}

void HintBalloon::dismiss()
{
    hide_timer_->stop();
    text_.clear();
    hide();
}

void HintBalloon::mousePressEvent(QMouseEvent*)
{
    dismiss();
}

void HintBalloon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int bodyW = width() - kShadow;
    const int bodyH = height() - pointer_ - kShadow;
    const int bodyTop = tip_below_ ? 0 : pointer_;
    const QRectF body(0.5, bodyTop + 0.5, bodyW - 1, bodyH - 1);

    const int tipX = std::clamp(tip_.x() - x(), 12, bodyW - 12);
    QPainterPath path;
    path.addRoundedRect(body, 10, 10);
    QPolygonF pointer;
    if (tip_below_) {
        pointer << QPointF(tipX - 9, body.bottom() - 1) << QPointF(tipX, body.bottom() + pointer_)
                << QPointF(tipX + 9, body.bottom() - 1);
    } else {
        pointer << QPointF(tipX - 9, body.top() + 1) << QPointF(tipX, 0.5)
                << QPointF(tipX + 9, body.top() + 1);
    }
    QPainterPath pointerPath;
    pointerPath.addPolygon(pointer);
    path = path.united(pointerPath);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(path.translated(kShadow, kShadow));
    p.setPen(QPen(kBorder, 1.5));
    p.setBrush(kFill);
    p.drawPath(path);

    p.setPen(QColor(40, 40, 40));
    p.drawText(QRect(kPadding, bodyTop + kPadding, bodyW - 2 * kPadding, bodyH - 2 * kPadding),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text_);
}

}  // namespace quorvia
