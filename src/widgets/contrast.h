// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a colour stands out against another, as a low-vision child sees
// it: the ratio of the two relative luminances (1 to 21), and the least a
// text needs.

#include <QColor>

class QFont;

namespace quorvia {

// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05), whichever order the colours come in.
double contrastRatio(const QColor& a, const QColor& b);
// Large text (18 pt, or 14 pt bold) reads at 3 : 1; any other text needs
// 4.5 : 1. A focus frame needs 3 : 1 against what it touches.
double requiredTextContrast(const QFont& font);

}  // namespace quorvia
