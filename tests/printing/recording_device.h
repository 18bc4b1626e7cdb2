// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paint device that remembers what is drawn on it instead of drawing: the
// text runs with their places and fonts, lines, rectangles, paths and
// images, in order. Tests read a report page off it as a child would read
// the paper. A4 at 100 dots per inch.

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace quorvia::testing {

struct DrawnItem {
    enum class Kind { Text, Line, Rect, Path, Image };
    Kind kind;
    QString text;    // Text: the run drawn
    QPointF origin;  // Text: the baseline start, device pixels
    QFont font;      // Text
    QRectF rect;     // Line: the bounds of the line; Rect, Path, Image: their bounds
};

class RecordingDevice : public QPaintDevice {
public:
    static constexpr int kDpi = 100;

    RecordingDevice();
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<DrawnItem>& items() const;
    // The text runs in the order drawn.
    std::vector<DrawnItem> texts() const;
    // True when some drawn run holds `fragment`.
    bool drewText(const QString& fragment) const;
    // Millimetres of the page in device pixels.
    static double pixels(double mm) { return mm * kDpi / 25.4; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace quorvia::testing
