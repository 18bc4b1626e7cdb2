// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the scheme-4a windows: the names, Tags and places that
// worksheets and printing find. The second row, problem after problem, is
// SecondRow's (second_row_test.cpp).

#include "scheme4a_fixture.h"

#include "widgets/controls.h"

namespace quorvia::testing {
namespace {

struct Spot {
    const char* name;
    int tag;
    const char* parent;
    QPoint advanced;
    QPoint beginner;
};

// The operation scheme as the design places it (the partial result of the
// second row on the left).
const Spot kSchemeSpots[] = {
    {"L61", 51, "Panel2", {201, 48}, {256, 48}},    {"E17", 7, "Panel2", {309, 48}, {325, 48}},
    {"Lop1", 0, "Panel2", {406, 49}, {422, 49}},    {"L62", 52, "Panel2", {209, 80}, {256, 80}},
    {"E27", 7, "Panel2", {309, 80}, {325, 80}},     {"Lop12", 0, "Panel2", {406, 82}, {422, 82}},
    {"L63", 53, "Panel2", {208, 112}, {256, 112}},  {"E37", 7, "Panel2", {309, 112}, {325, 112}},
    {"Lop13", 0, "Panel2", {406, 113}, {422, 113}}, {"L64", 54, "Panel2", {208, 144}, {256, 144}},
    {"E47", 7, "Panel2", {309, 142}, {325, 142}},   {"Label6", 0, "Panel2", {405, 144}, {421, 144}},
    {"Shape1", 0, "Panel2", {270, 172}, {273, 172}}, {"L66", 56, "Panel2", {168, 172}, {184, 172}},
    {"E57", 7, "Panel2", {309, 175}, {325, 175}},   {"Jolly", 7, "Panel2", {157, 225}, {173, 225}},
    {"Lop2", 0, "Panel2", {267, 227}, {286, 229}},  {"E67", 7, "Panel2", {309, 225}, {325, 225}},
    {"Label9", 0, "Panel2", {407, 226}, {422, 228}}, {"E77", 7, "Panel2", {437, 225}, {454, 225}},
    {"Ljolly", 56, "Panel2", {156, 252}, {172, 258}}, {"L65", 55, "Panel2", {309, 252}, {325, 260}},
    {"L67", 57, "Panel2", {438, 259}, {453, 258}},  {"B7", 7, "Panel2", {504, 332}, {506, 333}},
    {"H7", 7, "Panel2", {579, 332}, {581, 333}},    {"Shape07", 7, "Panel2", {685, 335}, {685, 338}},
    {"B1", 1, "Panel4", {504, 40}, {504, 40}},      {"Shape01", 1, "Panel4", {685, 43}, {685, 43}},
    {"B2", 2, "Panel3", {504, 40}, {504, 40}},      {"H6", 6, "Panel3", {579, 168}, {579, 168}},
    {"Shape06", 6, "Panel3", {685, 171}, {685, 171}}, {"B8", 8, "Panel5", {493, 40}, {501, 40}},
    {"H8", 8, "Panel5", {575, 40}, {583, 40}},      {"Shape08", 8, "Panel5", {685, 43}, {685, 43}},
};

class Layout4a : public Scheme4aFixture, public ::testing::WithParamInterface<Mode> {};

TEST_P(Layout4a, WidgetsCarryTheirNamesTagsAndPlaces)
{
    const Mode mode = GetParam();
    auto w = open4a(mode);
    for (const Spot& s : kSchemeSpots) {
        auto* widget = find<QWidget>(*w, s.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(tag(widget), s.tag) << s.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(s.parent)) << s.name;
        EXPECT_EQ(widget->pos(), mode == Mode::Advanced ? s.advanced : s.beginner) << s.name;
    }
    // Sizes the design fixes.
    EXPECT_EQ(find<QWidget>(*w, "E17")->size(), QSize(90, 29));
    EXPECT_EQ(find<QWidget>(*w, "E37")->height(), 28);
    EXPECT_EQ(find<QWidget>(*w, "E47")->height(), 28);
    EXPECT_EQ(find<QWidget>(*w, "E77")->width(), 89);
    EXPECT_EQ(find<QWidget>(*w, "Lop1")->size(), QSize(25, 25));
    EXPECT_EQ(find<QWidget>(*w, "Shape1")->size(), mode == Mode::Advanced ? QSize(165, 2) : QSize(177, 2));
    for (const char* box : {"E17", "E27", "E37", "E47", "E57", "E67", "E77", "Jolly"})
        EXPECT_EQ(controlKind(w->TROVA_COMP(box)), ControlKind::EntryBox) << box;
    EXPECT_EQ(controlKind(w->TROVA_COMP("Shape1")), ControlKind::Shape);
    for (const char* label : {"Lop1", "Lop12", "Lop13", "Lop2", "Label6", "Label9", "L61", "Ljolly"})
        EXPECT_EQ(controlKind(w->TROVA_COMP(label)), ControlKind::Label) << label;
    for (const char* heading : {"Label7", "Label8", "Label4", "Label5"})
        EXPECT_NE(w->TROVA_COMP(heading), nullptr) << heading;
    // A number box takes ten characters, a sentence two hundred.
    find<QLineEdit>(*w, "E17")->setEnabled(true);
    type(*w, "E17", "12345678901");
    EXPECT_EQ(text(*w, "E17"), QStringLiteral("1234567890"));
    if (mode == Mode::Advanced) {
        EXPECT_EQ(tag(w->TROVA_COMP("E01")), 1);
        EXPECT_EQ(tag(w->TROVA_COMP("E08")), 8);
        EXPECT_EQ(find<QWidget>(*w, "E02")->width(), 461);
        type(*w, "E01", QString(205, QLatin1Char('a')));
        EXPECT_EQ(text(*w, "E01").size(), 200);
    } else {
        EXPECT_EQ(w->TROVA_COMP("E01"), nullptr);
        EXPECT_EQ(w->TROVA_COMP("E08"), nullptr);
    }
}

TEST_P(Layout4a, EnterFollowsTheTabOrderWhereverTheBoxesStand)
{
    const Mode mode = GetParam();
    auto w = open4a(mode, 2);
    ASSERT_TRUE(w->partialOnRight());
    passDataSteps(*w, 2);
    // E67 now stands left of the partial result, but Enter still goes
    // E57, E67, E77 and then checks.
    ASSERT_LT(place(*w, "E67").x(), place(*w, "Jolly").x());
    type(*w, "E57", "1");
    enter(*w, "E57");
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E67"));
    enter(*w, "E67");
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E77"));
    enter(*w, "E77");
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=1"));
}

INSTANTIATE_TEST_SUITE_P(Modes, Layout4a, ::testing::Values(Mode::Advanced, Mode::Beginner),
                         [](const auto& info) {
                             return std::string(info.param == Mode::Advanced ? "Advanced" : "Beginner");
                         });

}  // namespace
}  // namespace quorvia::testing
