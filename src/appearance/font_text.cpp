// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/font_text.h"

#include "appearance/colour_value.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace quorvia::appearance {

namespace {

enum StyleBit { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

// Decimal with an optional sign, or hexadecimal after "$" or "0x".
std::optional<int> integerField(const QString& field)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    qlonglong value = 0;
    if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    if (value > 0xFFFFFFFFLL || value < -0x80000000LL)
        return std::nullopt;
    // Hexadecimal colours wrap to the signed value they are stored as.
    return static_cast<int>(static_cast<quint32>(value));
}

void applyCharset(const QString& field, TextStyle& style)
{
    if (const auto value = integerField(field); value && *value >= 0 && *value <= 255)
        style.charset = *value;
}

void applyColour(const QString& field, TextStyle& style)
{
    if (const auto value = integerField(field)) {
        if (const auto colour = colourFromValue(*value))
            style.colour = *colour;
    }
}

void applySize(const QString& field, TextStyle& style)
{
    if (const auto value = integerField(field); value && *value > 0 && *value <= 400)
        style.font.setPointSize(*value);
}

void applyStyle(const QString& field, TextStyle& style)
{
    const auto value = integerField(field);
    if (!value || *value < 0)
        return;
    style.font.setBold(*value & Bold);
    style.font.setItalic(*value & Italic);
    style.font.setUnderline(*value & Underline);
    style.font.setStrikeOut(*value & StrikeOut);
}

void applyFace(const QString& field, TextStyle& style)
{
    const QString face = field.trimmed();
    if (face.isEmpty())
        return;
    // The faces the design had stay behind it, for a machine that lacks it.
    QStringList families = style.font.families();
    if (families.isEmpty())
        families.append(style.font.family());
    families.removeAll(face);
    families.prepend(face);
    style.font.setFamilies(families);
}

int pointSize(const QFont& font, int dpi)
{
    if (font.pointSizeF() > 0)
        return static_cast<int>(std::lround(font.pointSizeF()));
    return static_cast<int>(std::lround(font.pixelSize() * 72.0 / (dpi > 0 ? dpi : 96)));
}

}  // namespace

QString fontText(const TextStyle& style, int dpi)
{
    const QFont& f = style.font;
    const int bits = (f.bold() ? Bold : 0) | (f.italic() ? Italic : 0) |
                     (f.underline() ? Underline : 0) | (f.strikeOut() ? StrikeOut : 0);
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(f.family())
        .arg(style.charset)
        .arg(colourValue(style.colour))
        .arg(pointSize(f, dpi))
        .arg(bits);
}

void applyFontText(const QString& text, TextStyle& style)
{
    using Apply = void (*)(const QString&, TextStyle&);
    // The fields that must be closed by a ",", in order.
    static const Apply kClosedFields[] = {&applyFace, &applyCharset, &applyColour, &applySize};
    QString rest = text;
    for (Apply apply : kClosedFields) {
        const int comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            return;
        apply(rest.left(comma), style);
        rest = rest.mid(comma + 1);
    }
    applyStyle(rest, style);
}

}  // namespace quorvia::appearance
