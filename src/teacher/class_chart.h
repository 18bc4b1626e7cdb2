// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart per child of the errors by kind of step, as the class report's
// PDF draws it, laid out in as many columns as the window's width holds.

#include "progress/class_report.h"

#include <QWidget>

namespace quorvia::teacher {

class ClassChart : public QWidget {
    Q_OBJECT
public:
    explicit ClassChart(QWidget* parent = nullptr);

    void setReport(const progress::ClassReport& report);
    // What a screen reader says of the chart: every child's figures.
    static QString describe(const progress::ClassReport& report);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int columnsFor(qreal width) const;

    progress::ClassReport report_;
};

}  // namespace quorvia::teacher
