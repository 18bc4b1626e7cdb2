// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/colour_value.h"

#include <QApplication>
#include <QPalette>

namespace quorvia::appearance {

namespace {

struct SystemColour {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours a Windows setting file is likely to hold, by their
// index, as the nearest role of the running palette.
const SystemColour kSystemColours[] = {
    {2, QPalette::Active, QPalette::Highlight},          // active caption
    {3, QPalette::Inactive, QPalette::Highlight},        // inactive caption
    {5, QPalette::Active, QPalette::Base},               // window
    {8, QPalette::Active, QPalette::Text},               // window text
    {9, QPalette::Active, QPalette::HighlightedText},    // caption text
    {13, QPalette::Active, QPalette::Highlight},         // highlight
    {14, QPalette::Active, QPalette::HighlightedText},   // highlight text
    {15, QPalette::Active, QPalette::Button},            // button face
    {16, QPalette::Active, QPalette::Dark},              // button shadow
    {17, QPalette::Disabled, QPalette::Text},            // grey text
    {18, QPalette::Active, QPalette::ButtonText},        // button text
    {20, QPalette::Active, QPalette::Light},             // button highlight
    {23, QPalette::Active, QPalette::ToolTipText},       // info text
    {24, QPalette::Active, QPalette::ToolTipBase},       // info background
};

constexpr unsigned kSystemMark = 0xFF000000u;

}  // namespace

int colourValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

std::optional<QColor> colourFromValue(int value)
{
    const auto bits = static_cast<unsigned>(value);
    if (value < 0) {
        if ((bits & 0xFFFFFF00u) != kSystemMark)
            return std::nullopt;
        const int index = static_cast<int>(bits & 0xFFu);
        for (const SystemColour& system : kSystemColours) {
            if (system.index == index)
                return QApplication::palette().color(system.group, system.role);
        }
        return std::nullopt;
    }
    // Only the colour bytes count; the high byte picks palettes on Windows.
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

}  // namespace quorvia::appearance
