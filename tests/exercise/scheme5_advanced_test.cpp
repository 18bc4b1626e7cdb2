// SPDX-License-Identifier: GPL-3.0-or-later
// TFormA5 driven through its widgets: the copy of the partial result, the
// two operator labels and the scheme check. The second row, problem after
// problem, is SecondRow's.

#include "scheme5_fixture.h"

#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QMenu>
#include <QTest>

#include <ostream>

namespace quorvia::testing {
namespace {

using Advanced5 = Scheme5Fixture;

TEST_F(Advanced5, ShowsTheLoadedProblemWithItsCaptions)
{
    auto w = open5(Mode::Advanced);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormA5"));
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("1/8"));
    for (const char* b : {"B1", "B2", "B3", "B4", "B5", "B6"})
        EXPECT_EQ(text(*w, b), QStringLiteral("Controlla")) << b;
    // Every caption of the scheme breaks its lines, the copy under jolly too.
    EXPECT_EQ(text(*w, "Label11"), QStringLiteral("quaderni\nrossi"));
    EXPECT_EQ(text(*w, "Label12"), QStringLiteral("quaderni\nblu"));
    EXPECT_EQ(text(*w, "L67"), QStringLiteral("euro per\nquaderno"));
    EXPECT_EQ(text(*w, "Label15"), QStringLiteral("quaderni\nin tutto"));
    EXPECT_EQ(text(*w, "Ljolly"), QStringLiteral("quaderni\nin tutto"));
    EXPECT_EQ(text(*w, "Label14"), QStringLiteral("euro\nspesi"));
    EXPECT_EQ(LastButton_Verifica(w.get()), 6);
    EXPECT_EQ(w->lastStep(), 6);
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    for (const char* led : {"Shape02", "Shape03", "Shape04", "Shape05", "Shape06"})
        EXPECT_EQ(ledColour(*w, led), kRed) << led;
}

TEST_F(Advanced5, WidgetsCarryTheirNamesTagsAndPlaces)
{
    auto w = open5(Mode::Advanced);
    struct Expect {
        const char* name;
        int tag;
        const char* parent;
        QPoint place;
    };
    const Expect expected[] = {
        {"dato1", 5, "Panel2", {159, 56}},       {"Loper1", 0, "Panel2", {267, 58}},
        {"dato2", 5, "Panel2", {307, 56}},       {"Label6", 0, "Panel2", {407, 58}},
        {"Risultato1", 5, "Panel2", {435, 56}},  {"jolly", 0, "Panel2", {159, 170}},
        {"Loper2", 0, "Panel2", {267, 171}},     {"dato3", 5, "Panel2", {307, 170}},
        {"Label9", 0, "Panel2", {407, 173}},     {"Risultato2", 5, "Panel2", {435, 171}},
        {"Label11", 0, "Panel2", {159, 85}},     {"Label12", 0, "Panel2", {307, 85}},
        {"Label15", 0, "Panel2", {435, 82}},     {"Ljolly", 56, "Panel2", {159, 198}},
        {"L67", 0, "Panel2", {307, 199}},        {"Label14", 0, "Panel2", {435, 198}},
        {"B5", 5, "Panel2", {504, 304}},         {"H5", 5, "Panel2", {579, 304}},
        {"Shape05", 5, "Panel2", {685, 307}},    {"LMDdomanda", 1, "Panel4", {26, 40}},
        {"LMDdato1", 2, "Panel3", {26, 40}},     {"LMDdato2", 3, "Panel3", {26, 76}},
        {"LMDdato3", 4, "Panel3", {26, 112}},    {"LMDrisposta", 6, "Panel5", {8, 40}},
    };
    for (const Expect& e : expected) {
        auto* widget = find<QWidget>(*w, e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(tag(widget), e.tag) << e.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(e.parent)) << e.name;
        EXPECT_EQ(widget->pos(), e.place) << e.name;
    }
    for (const char* absent : {"EB01", "EB05", "Label10", "LMDdato4"})
        EXPECT_EQ(w->TROVA_COMP(absent), nullptr) << absent;
    EXPECT_EQ(find<QWidget>(*w, "Loper1")->size(), QSize(25, 25));
    EXPECT_EQ(find<QWidget>(*w, "Loper2")->size(), QSize(25, 25));
}

TEST_F(Advanced5, SolvesAProblemByTyping)
{
    auto w = open5(Mode::Advanced);
    const ProblemContent problem = fixtureProblem(Mode::Advanced, 1);
    // Enter in a sentence box runs its step's check.
    for (const char* box : {"LMDdomanda", "LMDdato1", "LMDdato2", "LMDdato3"}) {
        const int step = tag(w->TROVA_COMP(box));
        type(*w, box, QString::fromStdString(problem.variants[step][2]).toLower());
        enter(*w, box);
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0") + QString::number(step)), kLime) << box;
    }
    EXPECT_EQ(ledColour(*w, "Shape05"), kYellow);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("dato1"));
    for (const char* open : {"dato1", "dato2", "Risultato1", "dato3", "Risultato2"})
        EXPECT_TRUE(find<QLineEdit>(*w, open)->isEnabled()) << open;
    EXPECT_FALSE(find<QLineEdit>(*w, "jolly")->isEnabled());

    // Enter walks the boxes in their tab order and checks in the last one.
    const struct {
        const char* box;
        const char* typed;
        const char* next;
    } walk[] = {{"dato1", "12", "dato2"}, {"dato2", "5", "Risultato1"}, {"Risultato1", "17", "dato3"},
                {"dato3", "3", "Risultato2"}};
    for (const auto& step : walk) {
        type(*w, step.box, step.typed);
        enter(*w, step.box);
        EXPECT_EQ(w->focusWidget(), w->TROVA_COMP(step.next)) << step.box;
    }
    pickSign(*w, "Loper1", "N1");
    pickSign(*w, "Loper2", "x1");
    type(*w, "Risultato2", "51");
    enter(*w, "Risultato2");
    EXPECT_EQ(ledColour(*w, "Shape05"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape06"), kYellow);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("LMDrisposta"));

    type(*w, "LMDrisposta", "Spende 51 euro.");
    enter(*w, "LMDrisposta");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    EXPECT_FALSE(sound_->wasPlayed("nooo"));
    EXPECT_EQ(ledColour(*w, "Shape06"), kLime);
    EXPECT_FALSE(shown(*w, "B6"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
}

TEST_F(Advanced5, JollyCopiesThePartialResultAtEveryChange)
{
    auto w = open5(Mode::Advanced);
    passDataSteps(*w, 1);
    auto* partial = find<QLineEdit>(*w, "Risultato1");
    auto* jolly = find<QLineEdit>(*w, "jolly");
    QStringList seen;
    QObject::connect(jolly, &QLineEdit::textChanged, [&](const QString& t) { seen.append(t); });
    // The letter is refused and changes nothing.
    QTest::keyClicks(partial, "19e5");
    EXPECT_EQ(seen, (QStringList{"1", "19", "195"}));
    QTest::keyClick(partial, Qt::Key_Backspace);
    EXPECT_EQ(jolly->text(), QStringLiteral("19"));

    // The other boxes leave it alone.
    for (const char* other : {"dato1", "dato2", "dato3", "Risultato2"})
        type(*w, other, "8");
    EXPECT_EQ(jolly->text(), QStringLiteral("19"));

    // It is never typed into, and the child cannot reach it.
    EXPECT_TRUE(jolly->isReadOnly());
    EXPECT_FALSE(jolly->isEnabled());
    QTest::keyClicks(jolly, "5");
    EXPECT_EQ(jolly->text(), QStringLiteral("19"));

    // Changes by the program reach it as well.
    w->ripulisci_editfield();
    EXPECT_EQ(jolly->text(), QString());
}

TEST_F(Advanced5, OperatorMenuWithTwoOperatorLabels)
{
    auto w = open5(Mode::Advanced);
    passDataSteps(*w, 1);
    auto* menu = w->findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(menu, nullptr);

    pickSign(*w, "Loper2", "N4");
    EXPECT_EQ(text(*w, "Loper2"), QStringLiteral(":"));
    EXPECT_EQ(text(*w, "Loper1"), QString());
    pickSign(*w, "Loper1", "N3");
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Loper2"), QStringLiteral(":"));
    EXPECT_EQ(tag(w->TROVA_COMP("Loper1")), 0);
    EXPECT_EQ(tag(w->TROVA_COMP("Loper2")), 0);

    // The "=" labels open the menu to no effect.
    pickSign(*w, "Label6", "N1");
    pickSign(*w, "Label9", "x1");
    EXPECT_EQ(text(*w, "Label6"), QStringLiteral("="));
    EXPECT_EQ(text(*w, "Label9"), QStringLiteral("="));
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Loper2"), QStringLiteral(":"));

    // A menu closed without a choice leaves its label marked: the next
    // choice, made from the other label, goes to both.
    QTest::mouseClick(find<QLabel>(*w, "Loper1"), Qt::LeftButton);
    EXPECT_EQ(tag(w->TROVA_COMP("Loper1")), 1);
    menu->hide();
    pickSign(*w, "Loper2", "N1");
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("+"));
    EXPECT_EQ(text(*w, "Loper2"), QStringLiteral("+"));
    EXPECT_EQ(tag(w->TROVA_COMP("Loper1")), 0);
}

struct SchemeTry {
    const char* name;
    int problem;
    Scheme5Entry entry;
    const char* shownResult;
    bool passes;
};

// A failing case reads by its name.
void PrintTo(const SchemeTry& c, std::ostream* out)
{
    *out << c.name;
}

class AdvancedScheme5 : public Scheme5Fixture, public ::testing::WithParamInterface<SchemeTry> {};

TEST_P(AdvancedScheme5, OneErrorPerPressWhateverIsWrong)
{
    const SchemeTry& t = GetParam();
    auto w = open5(Mode::Advanced, t.problem);
    passDataSteps(*w, t.problem);
    fillScheme(*w, t.entry);
    EXPECT_EQ(text(*w, "Risultato2"), QString::fromUtf8(t.shownResult));
    enter(*w, "Risultato2");
    if (t.passes) {
        EXPECT_EQ(ledColour(*w, "Shape05"), kLime);
        EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=0"));
        return;
    }
    EXPECT_EQ(ledColour(*w, "Shape05"), kYellow);
    EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=1"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=1"));
    EXPECT_TRUE(sound_->wasPlayed("nooo"));
    click(*w, "B5");
    EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=2"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=2"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdvancedScheme5,
    ::testing::Values(
        SchemeTry{"PartialLeftRight", 1, {"12", "N1", "5", "17", "3", "x1", "51"}, "51", true},
        SchemeTry{"PartialRightRight", 2, {"12", "N1", "5", "17", "60", "N3", "43"}, "43", true},
        SchemeTry{"DecimalTypedWithThePointKey", 3, {"12", "N1", "6", "18", "4", "N4", "4.5"}, "4,5", true},
        SchemeTry{"DecimalWithTrailingZero", 3, {"12", "N1", "6", "18", "4", "N4", "4,50"}, "4,50", false},
        SchemeTry{"AllWrong", 1, {"1", "N4", "2", "3", "4", "N3", "5"}, "5", false},
        SchemeTry{"DataOfR1Reversed", 1, {"5", "N1", "12", "17", "3", "x1", "51"}, "51", false},
        SchemeTry{"NumberOfR2OnTheWrongSide", 2, {"12", "N1", "5", "60", "17", "N3", "43"}, "43", false},
        SchemeTry{"PartialResultWrong", 1, {"12", "N1", "5", "16", "3", "x1", "51"}, "51", false},
        SchemeTry{"SecondOperatorMissing", 1, {"12", "N1", "5", "17", "3", nullptr, "51"}, "51", false},
        SchemeTry{"OperatorsExchanged", 1, {"12", "x1", "5", "17", "3", "N1", "51"}, "51", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
