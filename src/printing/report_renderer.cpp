// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report_renderer.h"

#include "base/resource_folder.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace quorvia {

namespace {

// A text with `shrink` gets smaller down to this share of its size, no further.
constexpr double kSmallestShrink = 0.4;
constexpr double kShrinkStep = 0.9;

// Millimetres of the template to pixels of the device.
class Millimetres {
public:
    explicit Millimetres(const QPaintDevice& device)
        : x_(device.logicalDpiX() / 25.4), y_(device.logicalDpiY() / 25.4) {}

    QPointF point(const QPointF& mm) const { return QPointF(mm.x() * x_, mm.y() * y_); }
    QRectF rect(const QRectF& mm) const { return QRectF(point(mm.topLeft()), point(mm.bottomRight())); }
    double length(double mm) const { return mm * (x_ + y_) / 2; }

private:
    double x_;
    double y_;
};

int alignmentFlags(const TextStyle& style)
{
    int flags = 0;
    switch (style.align) {
    case HorizontalAlignment::Left: flags |= Qt::AlignLeft; break;
    case HorizontalAlignment::Center: flags |= Qt::AlignHCenter; break;
    case HorizontalAlignment::Right: flags |= Qt::AlignRight; break;
    }
    switch (style.valign) {
    case VerticalAlignment::Top: flags |= Qt::AlignTop; break;
    case VerticalAlignment::Middle: flags |= Qt::AlignVCenter; break;
    case VerticalAlignment::Bottom: flags |= Qt::AlignBottom; break;
    }
    if (style.wrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QFont fontOf(const TextStyle& style, double size)
{
    QFont font(style.font_families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

// Texts filled from the windows carry CR LF where a caption had a "|".
QString withPlainLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void paintFrame(QPainter& painter, const QRectF& box, const TextStyle& style, const Millimetres& mm)
{
    QPen pen(style.frame_color, mm.length(style.frame_width));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    if (style.frame.left)
        painter.drawLine(box.topLeft(), box.bottomLeft());
    if (style.frame.top)
        painter.drawLine(box.topLeft(), box.topRight());
    if (style.frame.right)
        painter.drawLine(box.topRight(), box.bottomRight());
    if (style.frame.bottom)
        painter.drawLine(box.bottomLeft(), box.bottomRight());
}

void paintText(QPainter& painter, const ReportText& item, const Millimetres& mm)
{
    const TextStyle& style = item.style;
    const QRectF box = mm.rect(item.rect);
    if (style.background.isValid())
        painter.fillRect(box, style.background);

    const double padding = mm.length(style.padding);
    const QRectF inner = box.adjusted(padding, padding, -padding, -padding);
    const QString text = withPlainLineBreaks(item.text);
    if (!text.isEmpty() && inner.width() > 0 && inner.height() > 0) {
        const int flags = alignmentFlags(style);
        double size = style.font_size;
        painter.setFont(fontOf(style, size));
        if (style.shrink) {
            const double smallest = std::max(1.0, style.font_size * kSmallestShrink);
            for (;;) {
                const QRectF needed = painter.boundingRect(inner, flags, text);
                const bool fits = needed.height() <= inner.height() + 0.5 &&
                                  needed.width() <= inner.width() + 0.5;
                if (fits || size <= smallest)
                    break;
                size = std::max(smallest, size * kShrinkStep);
                painter.setFont(fontOf(style, size));
            }
        }
        painter.setPen(style.color);
        painter.drawText(inner, flags, text);
    }
    if (style.frame.any())
        paintFrame(painter, box, style, mm);
}

void paintLine(QPainter& painter, const ReportLine& line, const Millimetres& mm)
{
    QPen pen(line.color, mm.length(line.width), line.pen);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(mm.point(line.from), mm.point(line.to));
}

void paintBox(QPainter& painter, const ReportBox& box, const Millimetres& mm)
{
    if (box.border.isValid() && box.border_width > 0)
        painter.setPen(QPen(box.border, mm.length(box.border_width)));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(box.fill.isValid() ? QBrush(box.fill) : QBrush(Qt::NoBrush));
    const QRectF r = mm.rect(box.rect);
    if (box.radius > 0)
        painter.drawRoundedRect(r, mm.length(box.radius), mm.length(box.radius));
    else
        painter.drawRect(r);
    painter.setBrush(Qt::NoBrush);
}

void paintPicture(QPainter& painter, const ReportPicture& picture, const QString& folder,
                  const Millimetres& mm)
{
    // Teachers name files as on Windows, where letter case does not matter.
    const QString path = resourceFile(folder, picture.file);
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull())
        return;
    const QRectF area = mm.rect(picture.rect);
    QSizeF size = image.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(area.center());
    painter.drawImage(target, image);
}

void setPaper(QPagedPaintDevice& device, const QSizeF& size)
{
    const bool landscape = size.width() > size.height();
    const QSizeF portrait(std::min(size.width(), size.height()), std::max(size.width(), size.height()));
    const QPageSize paper(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    const QPageLayout::Orientation orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!device.setPageLayout(QPageLayout(paper, orientation, QMarginsF(), QPageLayout::Millimeter))) {
        // A printer that cannot print to the edge keeps its margins; with
        // the full page the drawing still starts at the paper's corner.
        device.setPageSize(paper);
        device.setPageOrientation(orientation);
    }
}

}  // namespace

void paintReportPage(QPainter& painter, const ReportPage& page, const QString& pictureFolder)
{
    const Millimetres mm(*painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ReportItem& item : page.items) {
        if (const auto* text = std::get_if<ReportText>(&item))
            paintText(painter, *text, mm);
        else if (const auto* line = std::get_if<ReportLine>(&item))
            paintLine(painter, *line, mm);
        else if (const auto* box = std::get_if<ReportBox>(&item))
            paintBox(painter, *box, mm);
        else if (const auto* picture = std::get_if<ReportPicture>(&item))
            paintPicture(painter, *picture, pictureFolder, mm);
    }
    painter.restore();
}

bool printReport(const ReportTemplate& report, const QString& pictureFolder, QPagedPaintDevice* device)
{
    if (!device || report.pages.empty())
        return false;
    if (auto* printer = dynamic_cast<QPrinter*>(device))
        printer->setFullPage(true);
    setPaper(*device, report.pages.front().size);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0) {
            setPaper(*device, report.pages[i].size);
            if (!device->newPage()) {
                painter.end();
                return false;
            }
        }
        paintReportPage(painter, report.pages[i], pictureFolder);
    }
    return painter.end();
}

}  // namespace quorvia
