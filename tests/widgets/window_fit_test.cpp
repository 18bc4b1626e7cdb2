// SPDX-License-Identifier: GPL-3.0-or-later
// Windows on screens smaller than they are: a netbook's 1024x600 and a
// 1366x768 laptop at 150 % (910x512 left for windows, under a panel).

#include "widgets/window_fit.h"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
QT_END_NAMESPACE

namespace quorvia {
namespace {

TEST(WindowFit, PlacesAndShrinksInsideTheWorkArea)
{
    const QRect laptop150(0, 32, 910, 480);  // a top panel of 32 pixels
    const QRect netbook(0, 0, 1024, 600);
    const QRect secondScreen(1024, 0, 1280, 1024);
    const struct {
        const char* what;
        QRect wanted;
        QRect available;
        QRect placed;
    } cases[] = {
        {"fits: stays where it was put", {100, 50, 800, 500}, netbook, {100, 50, 800, 500}},
        {"fits exactly", {0, 0, 1024, 600}, netbook, {0, 0, 1024, 600}},
        {"too low: moved up", {100, 100, 800, 600}, netbook, {100, 0, 800, 600}},
        {"centred above the work area: moved down", {55, -44, 800, 600}, laptop150, {55, 32, 800, 480}},
        {"too tall and wide: the whole area", {-20, -20, 1200, 900}, laptop150, laptop150},
        {"off to the right: moved back", {800, 40, 800, 400}, netbook, {224, 40, 800, 400}},
        {"on a second screen", {1000, 900, 792, 566}, secondScreen, {1024, 458, 792, 566}},
        {"no work area known: left alone", {-5, -5, 800, 600}, QRect(), {-5, -5, 800, 600}},
    };
    for (const auto& c : cases) {
        const QRect placed = fitWindowInto(c.wanted, c.available);
        EXPECT_EQ(placed, c.placed) << c.what;
        if (c.available.isValid()) {
            EXPECT_TRUE(c.available.contains(placed)) << c.what;
        }
    }
}

// The window manager's frame counts: a netbook window of the screen's full
// height loses the title bar's height, and the title bar stays on screen.
TEST(WindowFit, TheFrameStaysInsideTheWorkAreaToo)
{
    const QMargins frame(2, 30, 2, 2);
    const QRect netbook(0, 0, 1024, 600);
    const QRect laptop150(0, 32, 910, 480);
    const struct {
        const char* what;
        QRect wanted;
        QRect available;
        QRect placed;
    } cases[] = {
        {"as tall as the screen", {0, 0, 1000, 600}, netbook, {2, 30, 1000, 568}},
        {"fits with its frame: stays", {100, 60, 800, 500}, netbook, {100, 60, 800, 500}},
        {"too wide and tall for the laptop", {0, 0, 1024, 600}, laptop150, {2, 62, 906, 448}},
    };
    for (const auto& c : cases) {
        const QRect placed = fitWindowInto(c.wanted, c.available, frame);
        EXPECT_EQ(placed, c.placed) << c.what;
        EXPECT_TRUE(c.available.contains(placed.marginsAdded(frame))) << c.what;
    }
}

}  // namespace
}  // namespace quorvia
