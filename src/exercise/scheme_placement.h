// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sizes every scheme's windows share and the small builders of the
// places in their widget tables.

#include "exercise/scheme_description.h"

namespace quorvia::placement {

constexpr int kPanelWidth = 720;

constexpr int kBoxW = 90, kBoxH = 29;  // number boxes
constexpr int kSignW = 25;             // operator and "=" labels
constexpr int kButtonW = 70, kCounterW = 68, kButtonH = 30;
constexpr int kLedSize = 24;
constexpr int kHeadingH = 28;
constexpr int kRowH = 30;                         // a sentence box or a choice list
constexpr int kSentenceLeft = 26, kSentenceW = 461;
constexpr int kListLeft = 24, kListW = 449;
constexpr int kCaptionW = 100, kCaptionH = 40;    // captions under the boxes

constexpr WidgetPlace at(const char* parent, int left, int top, int width, int height)
{
    return WidgetPlace{parent, left, top, width, height};
}
constexpr WidgetPlace none{};

constexpr WidgetPlace box(const char* parent, int left, int top, int width = kBoxW, int height = kBoxH)
{
    return at(parent, left, top, width, height);
}
constexpr WidgetPlace sign(const char* parent, int left, int top) { return at(parent, left, top, kSignW, kSignW); }
constexpr WidgetPlace button(const char* parent, int left, int top)
{
    return at(parent, left, top, kButtonW, kButtonH);
}
constexpr WidgetPlace counter(const char* parent, int left, int top)
{
    return at(parent, left, top, kCounterW, kButtonH);
}
constexpr WidgetPlace led(const char* parent, int left, int top) { return at(parent, left, top, kLedSize, kLedSize); }
constexpr WidgetPlace heading(const char* parent, int top = 0) { return at(parent, 0, top, kPanelWidth, kHeadingH); }
constexpr WidgetPlace caption(const char* parent, int left, int top)
{
    return at(parent, left, top, kCaptionW, kCaptionH);
}
constexpr WidgetPlace sentence(const char* parent, int top) { return at(parent, kSentenceLeft, top, kSentenceW, kRowH); }
constexpr WidgetPlace list(const char* parent, int top) { return at(parent, kListLeft, top, kListW, kRowH); }

}  // namespace quorvia::placement
