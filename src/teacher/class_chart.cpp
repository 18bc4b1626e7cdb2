// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_chart.h"

#include "report/report_chart.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace quorvia::teacher {

namespace {

// The chart is laid out in points, as on paper, and drawn larger: on a
// screen a point of the page would be too small to read.
constexpr qreal kZoom = 1.5;
constexpr qreal kGap = 12;
constexpr qreal kMargin = 8;

}  // namespace

ClassChart::ClassChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("classChart"));
    setAccessibleName(QStringLiteral("Errori per tipo di passo"));
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ClassChart::setReport(const progress::ClassReport& report)
{
    report_ = report;
    setAccessibleDescription(describe(report));
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

QString ClassChart::describe(const progress::ClassReport& report)
{
    if (report.children.empty())
        return QStringLiteral("Nessun bambino da mostrare.");
    QStringList children;
    for (const progress::ChildSummary& c : report.children) {
        QStringList counts;
        for (std::size_t k = 0; k < c.errors_by_kind.size(); ++k)
            counts << QStringLiteral("%1 %2").arg(QString::fromStdString(progress::stepKinds()[k])).arg(c.errors_by_kind[k]);
        children << QStringLiteral("%1: %2").arg(QString::fromStdString(c.name), counts.join(QStringLiteral(", ")));
    }
    return QStringLiteral("Errori per tipo di passo, una scala sola per tutti. %1.")
        .arg(children.join(QStringLiteral("; ")));
}

int ClassChart::columnsFor(qreal width) const
{
    const qreal points = width / kZoom - 2 * kMargin;
    return std::max(1, static_cast<int>((points + kGap) / (report::kChartBoxMinWidth + kGap)));
}

int ClassChart::heightForWidth(int width) const
{
    const int columns = columnsFor(width);
    const int rows = static_cast<int>((report_.children.size() + columns - 1) / columns);
    const qreal points = 2 * kMargin + report::kChartLegendHeight + std::max(rows, 1) * (report::kChartBoxHeight + kGap);
    return static_cast<int>(std::ceil(points * kZoom));
}

QSize ClassChart::sizeHint() const
{
    const int width = static_cast<int>(kZoom * (3 * report::kChartBoxMinWidth + 2 * kGap + 2 * kMargin));
    return {width, heightForWidth(width)};
}

void ClassChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Inside a scroll area the chart grows downwards as the columns narrow.
    const int wanted = heightForWidth(event->size().width());
    if (minimumHeight() != wanted)
        setMinimumHeight(wanted);
}

void ClassChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kZoom, kZoom);
    const qreal width = this->width() / kZoom - 2 * kMargin;
    p.translate(kMargin, kMargin);
    if (report_.children.empty()) {
        p.setFont(report::unitFont(p, 9));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(0, 0, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Nessun progresso registrato per questa scelta."));
        return;
    }
    report::paintKindLegend(p, QPointF(0, 0));
    const int columns = columnsFor(this->width());
    const qreal boxWidth = (width - kGap * (columns - 1)) / columns;
    const int scale = report::chartScale(report_);
    for (std::size_t i = 0; i < report_.children.size(); ++i) {
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns;
        const QRectF box(column * (boxWidth + kGap), report::kChartLegendHeight + row * (report::kChartBoxHeight + kGap),
                         boxWidth, report::kChartBoxHeight);
        report::paintChildChart(p, box, report_.children[i], scale);
    }
    if (hasFocus()) {
        p.resetTransform();
        QPen pen(palette().color(QPalette::Highlight), 2);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

}  // namespace quorvia::teacher
