// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/contrast.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace quorvia {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double requiredTextContrast(const QFont& font)
{
    // Sizes in points at 96 dots per inch, as the windows are designed.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    const bool large = points >= 18.0 || (points >= 14.0 && font.bold());
    return large ? 3.0 : 4.5;
}

}  // namespace quorvia
