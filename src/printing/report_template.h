// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report template as the program holds it: pages of text objects, lines,
// boxes and pictures, placed in millimetres from the top-left corner of the
// paper and drawn in the order they are written. A text object with a name
// is a report object the program may fill in; one without a name is a fixed
// caption. The file format is told in docs/report_templates.md.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace quorvia {

enum class HorizontalAlignment { Left, Center, Right };
enum class VerticalAlignment { Top, Middle, Bottom };

// The sides of a text object that carry a frame line.
struct FrameSides {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;

    bool any() const { return left || top || right || bottom; }
};

// How a text object looks. Lengths in millimetres, the font size in points.
struct TextStyle {
    QStringList font_families{QStringLiteral("DejaVu Sans")};
    double font_size = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color{Qt::black};
    QColor background;  // invalid: none
    HorizontalAlignment align = HorizontalAlignment::Left;
    VerticalAlignment valign = VerticalAlignment::Top;
    FrameSides frame;
    double frame_width = 0.3;
    QColor frame_color{Qt::black};
    double padding = 1.0;
    bool wrap = true;
    // A text too long for its box is drawn smaller instead of being cut.
    bool shrink = false;
};

struct ReportText {
    QString name;  // empty: a fixed caption
    QRectF rect;   // millimetres
    TextStyle style;
    QString text;  // lines separated by '\n'
};

struct ReportLine {
    QPointF from;
    QPointF to;
    double width = 0.3;
    QColor color{Qt::black};
    Qt::PenStyle pen = Qt::SolidLine;
};

struct ReportBox {
    QRectF rect;
    QColor fill;  // invalid: none
    QColor border{Qt::black};
    double border_width = 0.3;  // 0: no border
    double radius = 0;
};

struct ReportPicture {
    QRectF rect;
    QString file;  // relative to the template's folder
};

using ReportItem = std::variant<ReportText, ReportLine, ReportBox, ReportPicture>;

struct ReportPage {
    QSizeF size{210, 297};  // millimetres, A4 portrait
    std::vector<ReportItem> items;
};

struct ReportTemplate {
    QString title;
    std::vector<ReportPage> pages;

    // The first text object across all pages whose name matches without
    // regard to case; nullptr when there is none (or `name` is empty).
    ReportText* findText(const QString& name);
    const ReportText* findText(const QString& name) const;
};

}  // namespace quorvia
