// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_chart.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace quorvia::report {

namespace {

const QColor kInk(0x22, 0x22, 0x22);
const QColor kGrey(0x66, 0x66, 0x66);
const QColor kRule(0xBB, 0xBB, 0xBB);
const QColor kKindColours[] = {QColor(0x4E, 0x79, 0xA7), QColor(0xF2, 0x8E, 0x2B), QColor(0x59, 0xA1, 0x4F),
                               QColor(0xB0, 0x7A, 0xA1)};

}  // namespace

QFont unitFont(const QPainter& painter, qreal points, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    // A point size is turned into pixels at the device's resolution: the
    // painter's units are points, so the size is taken back to them.
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
    f.setPointSizeF(points * 72.0 / (dpi > 0 ? dpi : 72));
    f.setBold(bold);
    return f;
}

QColor kindColour(std::size_t kind)
{
    return kind < std::size(kKindColours) ? kKindColours[kind] : kGrey;
}

int chartScale(const progress::ClassReport& report)
{
    int scale = 1;
    for (const progress::ChildSummary& c : report.children)
        for (int n : c.errors_by_kind)
            scale = std::max(scale, n);
    return scale;
}

void paintKindLegend(QPainter& p, const QPointF& topLeft)
{
    p.save();
    qreal x = topLeft.x();
    p.setFont(unitFont(p, 8));
    const QFontMetricsF metrics(p.font(), p.device());
    for (std::size_t k = 0; k < progress::stepKinds().size(); ++k) {
        p.fillRect(QRectF(x, topLeft.y() + 3, 8, 8), kindColour(k));
        const QString name = QString::fromStdString(progress::stepKinds()[k]);
        p.setPen(kInk);
        p.drawText(QRectF(x + 11, topLeft.y(), 100, 14), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += 14 + metrics.horizontalAdvance(name) + 14;
    }
    p.restore();
}

void paintChildChart(QPainter& p, const QRectF& box, const progress::ChildSummary& c, int scale)
{
    constexpr qreal kBar = 9;
    constexpr qreal kLabelWidth = 52;
    p.save();
    const qreal x = box.x();
    const qreal top = box.y();
    const qreal boxWidth = box.width();
    p.setPen(QPen(kRule, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 3, 3);
    p.setFont(unitFont(p, 8.5, true));
    p.setPen(kInk);
    const QString title = QFontMetricsF(p.font(), p.device())
                              .elidedText(QString::fromStdString(c.name), Qt::ElideRight, boxWidth - 12);
    p.drawText(QRectF(x + 6, top + 3, boxWidth - 12, 14), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(unitFont(p, 7));
    const qreal barSpace = boxWidth - 12 - kLabelWidth - 18;
    for (std::size_t k = 0; k < c.errors_by_kind.size(); ++k) {
        const qreal rowTop = top + 20 + k * (kBar + 4);
        p.setPen(kGrey);
        p.drawText(QRectF(x + 6, rowTop - 1, kLabelWidth, kBar + 2), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(progress::stepKinds()[k]));
        const int n = c.errors_by_kind[k];
        const qreal length = barSpace * n / std::max(scale, 1);
        p.fillRect(QRectF(x + 6 + kLabelWidth, rowTop, std::max<qreal>(length, 0.8), kBar),
                   n > 0 ? kindColour(k) : kRule);
        p.setPen(kInk);
        p.drawText(QRectF(x + 6 + kLabelWidth + length + 3, rowTop - 1, 20, kBar + 2),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(n));
    }
    p.restore();
}

}  // namespace quorvia::report
