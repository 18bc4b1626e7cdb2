// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart per child of the errors by kind of step, painted the one way
// for the PDF, the printer and the teacher's window. Lengths are in points
// (1/72 inch) of the painter's coordinates, whatever the device: a caller
// on a printer or a screen scales the painter, and fonts follow.

#include "progress/class_report.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace quorvia::report {

// The box of one child's chart: its height, and the width below which its
// bars get too short to compare.
constexpr qreal kChartBoxHeight = 78;
constexpr qreal kChartBoxMinWidth = 150;
constexpr qreal kChartLegendHeight = 20;

// A font `points` tall in the painter's units on its device.
QFont unitFont(const QPainter& painter, qreal points, bool bold = false);

// One colour per kind of step, in the order of stepKinds().
QColor kindColour(std::size_t kind);

// The scale every child's bars share: the largest count, at least 1.
int chartScale(const progress::ClassReport& report);

// The colours' key, one line from `topLeft`.
void paintKindLegend(QPainter& painter, const QPointF& topLeft);

// One child's box: the name, then a bar per kind of step with its count.
void paintChildChart(QPainter& painter, const QRectF& box, const progress::ChildSummary& child, int scale);

}  // namespace quorvia::report
