// SPDX-License-Identifier: GPL-3.0-or-later
// The operation scheme of both scheme-4b windows: its widgets, the mirror
// of the partial result, the operator menu, the keys and the scheme check.
// The second operation laid out by the formula is SecondRow's.

#include "scheme4b_fixture.h"

#include "exercise/hint_balloon.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QMenu>
#include <QTest>

#include <ostream>

namespace quorvia::testing {
namespace {

using Scheme4b = Scheme4bFixture;

const Mode kModes[] = {Mode::Advanced, Mode::Beginner};

std::string windowName(Mode mode)
{
    return mode == Mode::Advanced ? "TFormA4b" : "TFormP4b";
}

// Opens step 7 of fixture problem 1 or 2 (the sentences are the same in
// both files).
void openScheme(ExerciseWindow& w, const QStringList& sentences)
{
    Scheme4bFixture::answerSteps(w, sentences, 1, 6);
}

TEST_F(Scheme4b, WidgetsCarryTheirNamesTagsAndPlaces)
{
    struct Expect {
        const char* name;
        int tag;
        const char* parent;
        QPoint advanced;
        QPoint beginner;
    };
    const Expect expected[] = {
        {"L61", 51, "Panel2", {185, 56}, {185, 48}},    {"E17", 7, "Panel2", {293, 56}, {293, 48}},
        {"Lop1", 0, "Panel2", {389, 56}, {389, 48}},    {"L62", 52, "Panel2", {193, 88}, {193, 80}},
        {"E27", 7, "Panel2", {293, 88}, {293, 80}},     {"Lop12", 0, "Panel2", {390, 89}, {391, 82}},
        {"L63", 53, "Panel2", {192, 120}, {192, 112}},  {"E37", 7, "Panel2", {293, 120}, {293, 112}},
        {"Label6", 0, "Panel2", {387, 121}, {387, 113}}, {"Shape1", 0, "Panel2", {231, 153}, {273, 145}},
        {"L66", 56, "Panel2", {152, 159}, {152, 151}},  {"E57", 7, "Panel2", {293, 162}, {293, 154}},
        {"jolly", 7, "Panel2", {141, 209}, {149, 201}}, {"Lop2", 0, "Panel2", {254, 209}, {254, 204}},
        {"E67", 7, "Panel2", {293, 209}, {293, 201}},   {"Label9", 0, "Panel2", {387, 212}, {395, 204}},
        {"E77", 7, "Panel2", {422, 209}, {437, 201}},   {"Ljolly", 55, "Panel2", {140, 235}, {148, 227}},
        {"L65", 55, "Panel2", {292, 237}, {292, 227}},  {"L67", 57, "Panel2", {420, 238}, {436, 227}},
        {"B7", 7, "Panel2", {504, 304}, {504, 304}},    {"H7", 7, "Panel2", {579, 304}, {579, 304}},
        {"Shape07", 7, "Panel2", {685, 307}, {685, 307}},
        {"B1", 1, "Panel4", {504, 40}, {504, 40}},      {"Shape02", 2, "Panel4", {685, 75}, {685, 75}},
        {"H6", 6, "Panel3", {579, 136}, {579, 136}},    {"B8", 8, "Panel5", {509, 37}, {509, 37}},
        {"H9", 9, "Panel5", {591, 77}, {591, 77}},      {"Shape09", 9, "Panel5", {685, 83}, {685, 83}},
    };
    for (Mode mode : kModes) {
        SCOPED_TRACE(windowName(mode));
        auto w = open4b(mode, 2);
        for (const Expect& e : expected) {
            auto* widget = find<QWidget>(*w, e.name);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(tag(widget), e.tag) << e.name;
            EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(e.parent)) << e.name;
            EXPECT_EQ(widget->pos(), mode == Mode::Advanced ? e.advanced : e.beginner) << e.name;
        }
        // The box of the second operation is "jolly", in lower case; the
        // column has no fourth box.
        EXPECT_EQ(w->TROVA_COMP("jolly")->objectName(), QStringLiteral("jolly"));
        for (const char* absent : {"E47", "Lop13", "L64"})
            EXPECT_EQ(w->TROVA_COMP(absent), nullptr) << absent;
        EXPECT_EQ(find<QWidget>(*w, "E37")->height(), 28);
        EXPECT_EQ(find<QWidget>(*w, "E77")->width(), mode == Mode::Advanced ? 89 : 90);
        EXPECT_EQ(LastButton_Verifica(w.get()), 9);
        if (mode == Mode::Advanced) {
            EXPECT_EQ(find<QWidget>(*w, "E01")->geometry(), QRect(26, 40, 461, 30));
            EXPECT_EQ(find<QWidget>(*w, "E09")->geometry().topLeft(), QPoint(8, 77));
            EXPECT_EQ(find<QWidget>(*w, "E09")->width(), 497);
        } else {
            EXPECT_EQ(tag(w->TROVA_COMP("EB01")), 1);
            EXPECT_EQ(tag(w->TROVA_COMP("EB02")), 2);
            EXPECT_EQ(tag(w->TROVA_COMP("EB05")), 0);
            EXPECT_EQ(tag(w->TROVA_COMP("EB09")), 0);
            EXPECT_EQ(find<QWidget>(*w, "EB03")->geometry(), QRect(8, 40, 452, 30));
            EXPECT_EQ(find<QWidget>(*w, "EB08")->geometry(), QRect(16, 37, 425, 30));
        }
    }
}

TEST_F(Scheme4b, CaptionsComeFromTheProblemAndTheLastThreeVerificaButtonsKeepTheirs)
{
    for (Mode mode : kModes) {
        SCOPED_TRACE(windowName(mode));
        auto w = open4b(mode, 2);
        const struct {
            const char* label;
            const char* caption;
        } captions[] = {{"L61", "mucche"},
                        {"L62", "cavalli"},
                        {"L63", "pecore"},
                        {"L66", "animali"},
                        {"Ljolly", "animali"},
                        {"L65", "zampe per\nanimale"},
                        {"L67", "zampe\nin tutto"}};
        for (const auto& c : captions)
            EXPECT_EQ(text(*w, c.label), QString::fromUtf8(c.caption)) << c.label;
        for (const char* own : {"B7", "B8", "B9"})
            EXPECT_EQ(text(*w, own), QStringLiteral("Verifica")) << own;
        EXPECT_NE(text(*w, "B6"), QStringLiteral("Verifica"));
        for (int h = 1; h <= 9; ++h)
            EXPECT_EQ(text(*w, QStringLiteral("H%1").arg(h)), QStringLiteral("Err=0")) << h;
    }
    // A "|" breaks the line only under the second operation.
    auto w = open4b(Mode::Advanced, 1);
    EXPECT_EQ(text(*w, "L66"), QStringLiteral("euro|spesi"));
    EXPECT_EQ(text(*w, "Ljolly"), QStringLiteral("euro\nspesi"));
}

TEST_F(Scheme4b, PartialResultIsMirroredAsTyped)
{
    for (Mode mode : kModes) {
        SCOPED_TRACE(windowName(mode));
        auto w = open4b(mode, 1);
        auto* jolly = find<QLineEdit>(*w, "jolly");
        EXPECT_FALSE(jolly->isEnabled());
        openScheme(*w, kProblem1Sentences);
        EXPECT_TRUE(jolly->isEnabled());
        EXPECT_TRUE(jolly->isReadOnly());
        type(*w, "E57", "6");
        EXPECT_EQ(jolly->text(), QStringLiteral("6"));
        type(*w, "E57", "60,5");
        EXPECT_EQ(jolly->text(), QStringLiteral("60,5"));
        find<QLineEdit>(*w, "E57")->clear();
        EXPECT_EQ(jolly->text(), QString());
        // Never typed into.
        type(*w, "E57", "6");
        QTest::keyClicks(jolly, "9");
        EXPECT_EQ(jolly->text(), QStringLiteral("6"));
    }
}

TEST_F(Scheme4b, EnterMovesAlongTheBoxesAndChecksInTheLastOne)
{
    for (Mode mode : kModes) {
        SCOPED_TRACE(windowName(mode));
        auto w = open4b(mode, 1);
        openScheme(*w, kProblem1Sentences);
        const char* const chain[][2] = {
            {"E17", "E27"}, {"E27", "E37"}, {"E37", "E57"}, {"E57", "E67"}, {"E67", "E77"}};
        for (const auto& step : chain) {
            find<QWidget>(*w, step[0])->setFocus();
            enter(*w, step[0]);
            EXPECT_EQ(w->focusWidget(), w->TROVA_COMP(step[1])) << step[0];
        }
        enter(*w, "E77");
        EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=1"));
    }
}

TEST_F(Scheme4b, OperatorMenuMarksTheLabelThatWasClicked)
{
    auto w = open4b(Mode::Advanced, 1);
    openScheme(*w, kProblem1Sentences);
    auto* menu = w->findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(menu, nullptr);

    // The column's sign shows beside the first two data.
    pickSign(*w, "Lop1", "x1");
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    EXPECT_EQ(text(*w, "Lop12"), QStringLiteral("X"));
    EXPECT_EQ(text(*w, "Lop2"), QString());
    // The second operation's sign shows there only.
    pickSign(*w, "Lop2", "N3");
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    // The "=" labels open the menu to no effect; Lop12 does not open it.
    pickSign(*w, "Label6", "N1");
    pickSign(*w, "Label9", "N4");
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Label6"), QStringLiteral("="));
    QTest::mouseClick(find<QWidget>(*w, "Lop12"), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(tag(w->TROVA_COMP("Lop12")), 0);

    // A menu closed without a choice leaves Lop1 marked: the next sign,
    // chosen from Lop2, goes to both operations.
    QTest::mouseClick(find<QWidget>(*w, "Lop1"), Qt::LeftButton);
    menu->hide();
    EXPECT_EQ(tag(w->TROVA_COMP("Lop1")), 1);
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    pickSign(*w, "Lop2", "N1");
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("+"));
    EXPECT_EQ(text(*w, "Lop12"), QStringLiteral("+"));
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("+"));
    EXPECT_EQ(tag(w->TROVA_COMP("Lop1")), 0);
    EXPECT_EQ(tag(w->TROVA_COMP("Lop2")), 0);
}

struct SchemeTry {
    const char* name;
    int problem;
    const char* e17;
    const char* e27;
    const char* e37;
    const char* columnSign;  // menu item
    const char* e57;
    const char* e67;
    const char* secondSign;  // menu item
    const char* e77;         // typed key by key
    bool passes;
};

// A failing case reads by its name.
void PrintTo(const SchemeTry& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme4bCheck : public Scheme4bFixture, public ::testing::WithParamInterface<SchemeTry> {};

// One press, one error, however many boxes are wrong; the step stays open.
TEST_P(Scheme4bCheck, IsCheckedAsTyped)
{
    const SchemeTry& t = GetParam();
    for (Mode mode : kModes) {
        if (t.problem > 2 && mode == Mode::Beginner)
            continue;  // the beginner's fixture has only the first two
        SCOPED_TRACE(windowName(mode));
        auto w = open4b(mode, t.problem, mode == Mode::Advanced ? 11 : 3);
        // Straight to step 7, as six right sentences would open it.
        NextShape(6, w.get());
        fillScheme(*w, t.e17, t.e27, t.e37, t.columnSign, t.e57, t.e67, t.secondSign, t.e77);
        click(*w, "B7");
        if (t.passes) {
            EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
            EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=0"));
        } else {
            EXPECT_EQ(ledColour(*w, "Shape07"), kYellow);
            EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=1"));
            EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=1"));
            EXPECT_TRUE(sound_->wasPlayed("nooo"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, Scheme4bCheck,
    ::testing::Values(
        SchemeTry{"PartialOnTheRight", 1, "3", "2", "1", "N1", "6", "10", "N3", "4", true},
        SchemeTry{"PartialOnTheLeft", 2, "8", "5", "7", "N1", "20", "4", "x1", "80", true},
        SchemeTry{"FinalWrongAlone", 1, "3", "2", "1", "N1", "6", "10", "N3", "5", false},
        SchemeTry{"PartialWrongAlone", 1, "3", "2", "1", "N1", "7", "10", "N3", "4", false},
        SchemeTry{"ColumnInAnotherOrder", 1, "1", "2", "3", "N1", "6", "10", "N3", "4", false},
        SchemeTry{"SecondDatumWrong", 1, "3", "2", "1", "N1", "6", "11", "N3", "4", false},
        SchemeTry{"ColumnSignWrong", 1, "3", "2", "1", "x1", "6", "10", "N3", "4", false},
        SchemeTry{"ColumnSignMissing", 1, "3", "2", "1", nullptr, "6", "10", "N3", "4", false},
        SchemeTry{"SecondSignWrong", 1, "3", "2", "1", "N1", "6", "10", "N1", "4", false},
        SchemeTry{"EverythingWrong", 1, "9", "9", "9", "N4", "9", "9", "N4", "9", false},
        SchemeTry{"NothingTyped", 1, "", "", "", nullptr, "", "", nullptr, "", false},
        SchemeTry{"TrailingZeroFails", 2, "8", "5", "7", "N1", "20", "4", "x1", "80,0", false},
        // A blank cannot be typed into a number box: the rest is the right result.
        SchemeTry{"BlankTypedIsRefused", 2, "8", "5", "7", "N1", "20", "4", "x1", "80 ", true},
        SchemeTry{"DecimalWithTheComma", 3, "12", "6", "2", "N1", "20", "8", "N4", "2,5", true},
        SchemeTry{"DecimalWithThePointKey", 3, "12", "6", "2", "N1", "20", "8", "N4", "2.5", true},
        // R1 of two numbers: the third box takes the number of R2, the
        // second operation's datum "DATO4_VALORE".
        SchemeTry{"ColumnOfTwoNumbers", 4, "10", "20", "3", "N1", "30", "7", "x1", "90", true},
        SchemeTry{"ColumnOfTwoAsWritten", 4, "10", "20", "", "N1", "30", "3", "x1", "90", false},
        // R1 of four numbers: the fourth stands in the second operation and
        // the number of R2 is never compared.
        SchemeTry{"ColumnOfFourNumbers", 5, "1", "2", "3", "N1", "10", "4", "x1", "20", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Scheme4b, MirrorAndFollowerTakeNoPartInTheCheck)
{
    auto w = open4b(Mode::Advanced, 1);
    openScheme(*w, kProblem1Sentences);
    fillScheme(*w, "3", "2", "1", "N1", "6", "10", "N3", "4");
    find<QLineEdit>(*w, "jolly")->setText("99");
    find<QLabel>(*w, "Lop12")->setText(":");
    click(*w, "B7");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
}

}  // namespace
}  // namespace quorvia::testing
