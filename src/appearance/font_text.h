// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of a label or of the problem text as CONFIGURE.INI stores it:
// five fields joined by "," - face name, character set (0..255), text colour
// (a stored colour value), size in points, style bits (1 bold, 2 italic,
// 4 underline, 8 strikeout) - for example "Arial,0,0,12,1".

#include <QColor>
#include <QFont>
#include <QString>

namespace quorvia::appearance {

// What the five fields describe. The character set has no effect on the
// screen here; it is kept so that a file written elsewhere keeps it.
struct TextStyle {
    QFont font;
    QColor colour = Qt::black;
    int charset = 0;
};

// `dpi` turns a size set in pixels into points.
QString fontText(const TextStyle& style, int dpi);

// Applies a stored font text field by field: no "," at all changes
// nothing; the face is the part before the first ","; character set, colour
// and size each need a "," after them, and the style is the rest after the
// fourth ",". An empty field, or one that is not an integer in range,
// leaves its attribute as it was.
void applyFontText(const QString& text, TextStyle& style);

}  // namespace quorvia::appearance
