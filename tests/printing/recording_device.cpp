// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_device.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

#include <climits>

namespace quorvia::testing {

namespace {

constexpr double kWidthMm = 210;
constexpr double kHeightMm = 297;

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        items.push_back({DrawnItem::Kind::Text, item.text(), p, item.font(), QRectF()});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            items.push_back({DrawnItem::Kind::Line, {}, {}, {}, QRectF(lines[i].p1(), lines[i].p2()).normalized()});
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            items.push_back({DrawnItem::Kind::Rect, {}, {}, {}, rects[i]});
    }
    void drawPath(const QPainterPath& path) override
    {
        items.push_back({DrawnItem::Kind::Path, {}, {}, {}, path.boundingRect()});
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i];
        items.push_back({DrawnItem::Kind::Path, {}, {}, {}, polygon.boundingRect()});
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override
    {
        items.push_back({DrawnItem::Kind::Image, {}, {}, {}, r});
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        items.push_back({DrawnItem::Kind::Image, {}, {}, {}, r});
    }

    std::vector<DrawnItem> items;
};

}  // namespace

RecordingDevice::RecordingDevice() : engine_(std::make_unique<RecordingEngine>()) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const
{
    return engine_.get();
}

const std::vector<DrawnItem>& RecordingDevice::items() const
{
    return static_cast<RecordingEngine*>(engine_.get())->items;
}

std::vector<DrawnItem> RecordingDevice::texts() const
{
    std::vector<DrawnItem> found;
    for (const DrawnItem& item : items()) {
        if (item.kind == DrawnItem::Kind::Text)
            found.push_back(item);
    }
    return found;
}

bool RecordingDevice::drewText(const QString& fragment) const
{
    for (const DrawnItem& item : items()) {
        if (item.kind == DrawnItem::Kind::Text && item.text.contains(fragment))
            return true;
    }
    return false;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return int(pixels(kWidthMm));
    case PdmHeight: return int(pixels(kHeightMm));
    case PdmWidthMM: return int(kWidthMm);
    case PdmHeightMM: return int(kHeightMm);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

}  // namespace quorvia::testing
