// SPDX-License-Identifier: GPL-3.0-or-later
// TFormA4a driven through its widgets: the problem loaded, a solve by typing,
// the mirror of the partial result, the operator menu, the scheme check, the
// solution, the end of a problem and the formulas the scheme cannot hold.

#include "scheme4a_fixture.h"

#include "exercise/hint_balloon.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QMenu>
#include <QTest>

#include <ostream>

namespace quorvia::testing {
namespace {

using Advanced4a = Scheme4aFixture;

// Problem 1 of the fixture: 15 + 12 + 10 + 13 = 50, then 50 - 6 = 44.
const Scheme4aEntry kRightScheme{{"15", "12", "10", "13"}, "N1", "50", "6", "N3", "44"};

TEST_F(Advanced4a, ShowsTheLoadedProblem)
{
    auto w = open4a(Mode::Advanced);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormA4a"));
    EXPECT_TRUE(dialogs_->messages().isEmpty());
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("1/12"));
    for (const char* b : {"B1", "B2", "B3", "B4", "B5", "B6"})
        EXPECT_EQ(text(*w, b), QStringLiteral("Controlla")) << b;
    // The operation scheme and the answer keep their own caption.
    EXPECT_EQ(text(*w, "B7"), QStringLiteral("Verifica"));
    EXPECT_EQ(text(*w, "B8"), QStringLiteral("Verifica"));
    for (int s = 1; s <= 8; ++s) {
        const QString h = QStringLiteral("H%1").arg(s);
        EXPECT_EQ(text(*w, h), QStringLiteral("Err=0")) << s;
        EXPECT_EQ(tag(w->TROVA_COMP(h)), s);
    }
    EXPECT_EQ(LastButton_Verifica(w.get()), 8);
    EXPECT_EQ(w->lastStep(), 8);

    // "|" breaks the line only under the second row.
    EXPECT_EQ(text(*w, "L61"), QStringLiteral("Emma"));
    EXPECT_EQ(text(*w, "L64"), QStringLiteral("Samuele"));
    EXPECT_EQ(text(*w, "L66"), QStringLiteral("conchiglie|trovate"));
    EXPECT_EQ(text(*w, "Ljolly"), QStringLiteral("conchiglie\ntrovate"));
    EXPECT_EQ(text(*w, "L65"), QStringLiteral("conchiglie\nrotte"));
    EXPECT_EQ(text(*w, "L67"), QStringLiteral("conchiglie\nintere"));

    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    for (int s = 2; s <= 8; ++s)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
    EXPECT_TRUE(find<QLineEdit>(*w, "E01")->isEnabled());
    for (const char* closed : {"E02", "E17", "E57", "Jolly", "E08"})
        EXPECT_FALSE(find<QLineEdit>(*w, closed)->isEnabled()) << closed;
    EXPECT_TRUE(find<QLineEdit>(*w, "Jolly")->isReadOnly());
    EXPECT_FALSE(w->partialOnRight());
}

TEST_F(Advanced4a, SolvesAProblemByTyping)
{
    auto w = open4a(Mode::Advanced);
    // Enter in a sentence box runs its step's check; spaces and case do not count.
    type(*w, "E01", "quante conchiglie  RESTANO intere?");
    enter(*w, "E01");
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape02"), kYellow);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E02"));
    // Any of the accepted wordings.
    type(*w, "E02", "Emma ne trova 15.");
    click(*w, "B2");
    EXPECT_EQ(ledColour(*w, "Shape02"), kLime);
    const char* const data[] = {"Karim trova 12 conchiglie.", "Vittoria trova 10 conchiglie.",
                                "Samuele trova 13 conchiglie.", "Si rompono 6 conchiglie."};
    for (int i = 0; i < 4; ++i) {
        const QString box = QStringLiteral("E0%1").arg(i + 3);
        type(*w, box, QString::fromUtf8(data[i]));
        enter(*w, box);
    }
    EXPECT_EQ(ledColour(*w, "Shape06"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape07"), kYellow);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E17"));
    EXPECT_TRUE(find<QLineEdit>(*w, "Jolly")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*w, "E06")->isEnabled());

    // Enter moves down the column and along the second row.
    const char* const order[] = {"E17", "E27", "E37", "E47", "E57", "E67", "E77"};
    const char* const typed[] = {"15", "12", "10", "13", "50", "6"};
    for (int i = 0; i < 6; ++i) {
        type(*w, order[i], typed[i]);
        enter(*w, order[i]);
        EXPECT_EQ(w->focusWidget(), w->TROVA_COMP(order[i + 1])) << order[i];
    }
    EXPECT_EQ(text(*w, "Jolly"), QStringLiteral("50"));
    pickSign(*w, "Lop1", "N1");
    pickSign(*w, "Lop2", "N3");
    type(*w, "E77", "44");
    enter(*w, "E77");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=0"));
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E08"));

    type(*w, "E08", "Le conchiglie intere sono 44.");
    enter(*w, "E08");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    EXPECT_FALSE(sound_->wasPlayed("nooo"));
    EXPECT_FALSE(shown(*w, "B8"));
    EXPECT_FALSE(find<QAbstractButton>(*w, "B8")->isEnabled());
    EXPECT_EQ(ledColour(*w, "Shape08"), kLime);
    // Without the animation files the answer stays in view and nothing plays.
    EXPECT_TRUE(shown(*w, "E08"));
    EXPECT_FALSE(w->isAnimating());
    EXPECT_EQ(w->errorTotal(), 0);
}

TEST_F(Advanced4a, ThePartialResultIsMirroredAsItIsTyped)
{
    auto w = open4a(Mode::Advanced);
    passDataSteps(*w, 1);
    auto* jolly = find<QLineEdit>(*w, "Jolly");
    QTest::keyClicks(find<QLineEdit>(*w, "E57"), "5");
    EXPECT_EQ(jolly->text(), QStringLiteral("5"));
    QTest::keyClicks(find<QLineEdit>(*w, "E57"), "0");
    EXPECT_EQ(jolly->text(), QStringLiteral("50"));
    QTest::keyClick(find<QLineEdit>(*w, "E57"), Qt::Key_Backspace);
    QTest::keyClick(find<QLineEdit>(*w, "E57"), Qt::Key_Backspace);
    EXPECT_EQ(jolly->text(), QString());
    // Jolly itself takes no typing.
    QTest::keyClicks(jolly, "7");
    EXPECT_EQ(jolly->text(), QString());
}

TEST_F(Advanced4a, OperatorMenuMarksTheLabelsItWasOpenedFrom)
{
    auto w = open4a(Mode::Advanced);
    passDataSteps(*w, 1);
    auto* menu = w->findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(menu, nullptr);

    // The column's label gives its sign to the two labels beside it.
    pickSign(*w, "Lop1", "x1");
    for (const char* label : {"Lop1", "Lop12", "Lop13"})
        EXPECT_EQ(text(*w, label), QStringLiteral("X")) << label;
    EXPECT_EQ(text(*w, "Lop2"), QString());
    pickSign(*w, "Lop2", "N3");
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));

    // The "=" labels open the menu to no effect.
    pickSign(*w, "Label6", "N1");
    pickSign(*w, "Label9", "N4");
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    EXPECT_EQ(text(*w, "Lop2"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Label6"), QStringLiteral("="));
    EXPECT_EQ(text(*w, "Label9"), QStringLiteral("="));

    // A click on a follower opens nothing.
    QTest::mouseClick(find<QLabel>(*w, "Lop12"), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(tag(w->TROVA_COMP("Lop12")), 0);

    // A menu closed without a choice leaves its label marked: the next sign,
    // chosen from another label, goes to both.
    QTest::mouseClick(find<QLabel>(*w, "Lop1"), Qt::LeftButton);
    menu->hide();
    EXPECT_EQ(tag(w->TROVA_COMP("Lop1")), 1);
    EXPECT_EQ(text(*w, "Lop1"), QStringLiteral("X"));
    pickSign(*w, "Lop2", "N4");
    for (const char* label : {"Lop1", "Lop12", "Lop13", "Lop2"})
        EXPECT_EQ(text(*w, label), QStringLiteral(":")) << label;
    EXPECT_EQ(tag(w->TROVA_COMP("Lop1")), 0);
    EXPECT_EQ(tag(w->TROVA_COMP("Lop2")), 0);
}

TEST_F(Advanced4a, SchemeCheckCountsOneErrorPerPress)
{
    auto w = open4a(Mode::Advanced);
    passDataSteps(*w, 1);
    auto* balloon = w->findChild<HintBalloon*>("msg");
    ASSERT_NE(balloon, nullptr);

    // Nothing typed: one error.
    click(*w, "B7");
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=1"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=1"));
    EXPECT_EQ(balloon->text(), QStringLiteral("Controlla i numeri, i segni e i due risultati."));
    EXPECT_TRUE(sound_->wasPlayed("nooo"));

    // Every box wrong is still one error a press.
    fillScheme(*w, {{"1", "2", "3", "4"}, "N4", "5", "6", "N4", "7"});
    click(*w, "B7");
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=2"));
    // One difference, in the last place the check looks, is one error too.
    fillScheme(*w, {{"15", "12", "10", "13"}, "N1", "50", "6", "N1", "44"});
    enter(*w, "E77");
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=3"));
    EXPECT_EQ(ledColour(*w, "Shape07"), kYellow);
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=3"));

    pickSign(*w, "Lop2", "N3");
    click(*w, "B7");
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=3"));
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Advanced4a, SolutionSaysSoOnTheInstructionLine)
{
    auto w = open4a(Mode::Advanced);
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: ha guardato la soluzione"));
    // The last step's check finished the problem.
    EXPECT_FALSE(shown(*w, "B8"));

    // The next start of a problem brings the instruction back.
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
}

struct Ending {
    const char* name;
    std::vector<const char*> gifs;
    std::vector<const char*> hiddenAtTheEnd;  // right after the answer
    std::vector<const char*> stillShown;
    int closingTicks;  // 0: no closing sequence
};

// A failing case reads by its name.
void PrintTo(const Ending& c, std::ostream* out)
{
    *out << c.name;
}

class Advanced4aEnding : public Scheme4aFixture, public ::testing::WithParamInterface<Ending> {};

TEST_P(Advanced4aEnding, HidesTheAnswerRowAndBringsItBack)
{
    const Ending& e = GetParam();
    for (const char* gif : e.gifs)
        addGif(gif);
    auto w = open4a(Mode::Advanced);
    passDataSteps(*w, 1);
    fillScheme(*w, kRightScheme);
    click(*w, "B7");
    finishAnimations(*w);
    type(*w, "E08", "Restano intere 44 conchiglie.");
    click(*w, "B8");
    EXPECT_EQ(w->solvedCount(), 1);
    for (const char* name : e.hiddenAtTheEnd)
        EXPECT_FALSE(shown(*w, name)) << name;
    for (const char* name : e.stillShown)
        EXPECT_TRUE(shown(*w, name)) << name;

    EXPECT_EQ(finishAnimations(*w), e.closingTicks);
    if (e.closingTicks == 0)
        return;
    EXPECT_TRUE(shown(*w, "Image5"));
    for (const char* back : {"E08", "B8", "H8", "Shape08"})
        EXPECT_TRUE(shown(*w, back)) << back;
    for (int s = 1; s <= 8; ++s)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Advanced4aEnding,
    ::testing::Values(
        Ending{"WithBothAnimations", {"problema_GIF2.gif", "problema_GIF3.gif"},
               {"B8", "E08", "H8", "Shape08"}, {}, 37 + 39},
        Ending{"WithoutTheTravellingAnimation", {"problema_GIF2.gif"}, {"B8"}, {"E08", "H8", "Shape08"}, 37 + 39},
        Ending{"WithoutAnimations", {}, {"B8"}, {"E08", "H8", "Shape08"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Advanced4a, AfterARefusedFormulaTheNextProblemLoadsAndCanBeSolved)
{
    auto w = open4a(Mode::Advanced, 11);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(dialogs_->messages().size(), 1);
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("12/12"));
    // Nine numbers in the first formula still leave room for the second's.
    EXPECT_EQ(w->state().formulas.data_values[10], 2.0);
    type(*w, "E01", "?");
    click(*w, "B1");
    for (int step = 2; step <= 6; ++step) {
        type(*w, QStringLiteral("E0%1").arg(step), "?");
        click(*w, QStringLiteral("B%1").arg(step));
    }
    fillScheme(*w, {{"1", "1", "1", "1"}, "N1", "9", "1", "x1", "18"});
    click(*w, "B7");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
}

}  // namespace
}  // namespace quorvia::testing
