// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/hint_balloon.h"

#include "exercise/accessible_names.h"

#include <QFontMetrics>
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
    const int h = bodyH + kPointer + kShadow;

    QWidget* window = parentWidget();
    tip_ = target->mapTo(window, target->rect().center());
    // Above the point when there is room, else below it; kept inside the window.
    tip_below_ = tip_.y() - h >= 0;
    const int top = tip_below_ ? tip_.y() - h : tip_.y();
    const int left = std::clamp(tip_.x() - bodyW * 3 / 4, 0, std::max(0, window->width() - w));
    setGeometry(left, top, w, h);
    raise();
    show();
    update();
    hide_timer_->start();
    emit messageShown(text_);
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
    const int bodyH = height() - kPointer - kShadow;
    const int bodyTop = tip_below_ ? 0 : kPointer;
    const QRectF body(0.5, bodyTop + 0.5, bodyW - 1, bodyH - 1);

    const int tipX = std::clamp(tip_.x() - x(), 12, bodyW - 12);
    QPainterPath path;
    path.addRoundedRect(body, 10, 10);
    QPolygonF pointer;
    if (tip_below_) {
        pointer << QPointF(tipX - 9, body.bottom() - 1) << QPointF(tipX, body.bottom() + kPointer)
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
