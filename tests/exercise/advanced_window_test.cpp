// SPDX-License-Identifier: GPL-3.0-or-later
// TFormA3 driven through its widgets: typed sentences, the scheme check,
// errors, the busy rule and the end of a problem.

#include "exercise_fixture.h"

#include "exercise/hint_balloon.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <ostream>

namespace quorvia::testing {
namespace {

using Advanced = ExerciseFixture;

// Steps 1 to 3 of fixture problem 1 (or 2), typed right.
void passSentenceSteps(ExerciseWindow& w, bool secondProblem = false)
{
    if (secondProblem) {
        ExerciseFixture::type(w, "LMDdomanda", "Quanti litri ci sono in ogni caraffa?");
        ExerciseFixture::click(w, "B1");
        ExerciseFixture::finishAnimations(w);
        ExerciseFixture::type(w, "LMDdato1", "La mamma ha 15 litri di succo.");
        ExerciseFixture::click(w, "B2");
        ExerciseFixture::finishAnimations(w);
        ExerciseFixture::type(w, "LMDdato2", "Le caraffe sono 2.");
        ExerciseFixture::click(w, "B3");
        ExerciseFixture::finishAnimations(w);
        return;
    }
    ExerciseFixture::type(w, "LMDdomanda", "Quante figurine ha Luca?");
    ExerciseFixture::click(w, "B1");
    ExerciseFixture::finishAnimations(w);
    ExerciseFixture::type(w, "LMDdato1", "Luca ha 12 bustine.");
    ExerciseFixture::click(w, "B2");
    ExerciseFixture::finishAnimations(w);
    ExerciseFixture::type(w, "LMDdato2", "Ogni bustina ha 3 figurine.");
    ExerciseFixture::click(w, "B3");
    ExerciseFixture::finishAnimations(w);
}

void fillScheme(ExerciseWindow& w, const QString& d1, const char* sign, const QString& d2,
                const QString& result)
{
    ExerciseFixture::type(w, "dato1", d1);
    if (sign)
        ExerciseFixture::pickSign(w, "Loper1", sign);
    ExerciseFixture::type(w, "dato2", d2);
    ExerciseFixture::type(w, "Risultato2", result);
}

TEST_F(Advanced, ShowsTheLoadedProblem)
{
    auto w = open(Mode::Advanced);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormA3"));
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("1/4"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
    EXPECT_EQ(find<QPlainTextEdit>(*w, "Memo1")->toPlainText(),
              QStringLiteral("Luca ha 12 bustine di figurine.\nIn ogni bustina ci sono 3 figurine.\n"
                             "Quante figurine ha Luca?"));
    for (const char* b : {"B1", "B2", "B3", "B4", "B5"})
        EXPECT_EQ(text(*w, b), QStringLiteral("Controlla")) << b;
    for (const char* h : {"H1", "H2", "H3", "H4", "H5"})
        EXPECT_EQ(text(*w, h), QStringLiteral("Err=0")) << h;
    EXPECT_EQ(text(*w, "LMDsoluzione"), QStringLiteral("Soluzione"));
    EXPECT_EQ(text(*w, "Label11"), QStringLiteral("bustine"));
    EXPECT_EQ(text(*w, "Label12"), QStringLiteral("figurine in\nogni bustina"));
    EXPECT_EQ(text(*w, "Label14"), QStringLiteral("figurine in tutto"));

    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    for (const char* led : {"Shape02", "Shape03", "Shape04", "Shape05"})
        EXPECT_EQ(ledColour(*w, led), kRed) << led;
    EXPECT_TRUE(find<QLineEdit>(*w, "LMDdomanda")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*w, "LMDdato1")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*w, "dato1")->isEnabled());
    EXPECT_FALSE(find<QAbstractButton>(*w, "B2")->isEnabled());
}

TEST_F(Advanced, WidgetsCarryTheirNamesTagsAndPlaces)
{
    auto w = open(Mode::Advanced);
    struct Expect {
        const char* name;
        int tag;
        const char* parent;
        QPoint place;
    };
    const Expect expected[] = {
        {"dato1", 4, "Panel2", {156, 120}},      {"Loper1", 0, "Panel2", {266, 123}},
        {"dato2", 4, "Panel2", {308, 120}},      {"Label6", 0, "Panel2", {399, 122}},
        {"Risultato2", 4, "Panel2", {429, 121}}, {"Label11", 0, "Panel2", {172, 152}},
        {"Label12", 0, "Panel2", {329, 152}},    {"Label14", 0, "Panel2", {432, 151}},
        {"B4", 4, "Panel2", {504, 224}},         {"H4", 4, "Panel2", {579, 224}},
        {"Shape04", 4, "Panel2", {677, 227}},    {"LMDdomanda", 1, "Panel4", {26, 40}},
        {"LMDdato1", 2, "Panel3", {26, 40}},     {"LMDdato2", 3, "Panel3", {26, 76}},
        {"LMDrisposta", 5, "Panel5", {8, 40}},
    };
    for (const Expect& e : expected) {
        auto* widget = find<QWidget>(*w, e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(tag(widget), e.tag) << e.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(e.parent)) << e.name;
        EXPECT_EQ(widget->pos(), e.place) << e.name;
    }
    EXPECT_EQ(controlKind(w->TROVA_COMP("B1")), ControlKind::StepButton);
    EXPECT_EQ(controlKind(w->TROVA_COMP("H5")), ControlKind::StepButton);
    EXPECT_EQ(controlKind(w->TROVA_COMP("Shape03")), ControlKind::Shape);
    EXPECT_EQ(controlKind(w->TROVA_COMP("lmddomanda")), ControlKind::EntryBox);
    type(*w, "LMDdomanda", QString(205, QLatin1Char('a')));
    EXPECT_EQ(text(*w, "LMDdomanda").size(), 200);
    EXPECT_EQ(find<QLineEdit>(*w, "LMDdomanda")->width(), 461);
    EXPECT_EQ(find<QLineEdit>(*w, "LMDrisposta")->width(), 529);
    EXPECT_EQ(LastButton_Verifica(w.get()), 5);
    for (const char* player : {"Afinale", "WFinale", "bravo", "nooo", "GIF1", "GIF2", "GIF3",
                               "Timer1", "PopupMenu1", "msg", "Image4", "Image5", "CoccaHelp"})
        EXPECT_NE(w->TROVA_COMP(player), nullptr) << player;
}

TEST_F(Advanced, SolvesAProblemByTyping)
{
    auto w = open(Mode::Advanced);
    // Enter in the box runs the step's check; spaces and letter case do not count.
    type(*w, "LMDdomanda", "  quante FIGURINE ha luca ?");
    enter(*w, "LMDdomanda");
    EXPECT_TRUE(sound_->wasPlayed("bravo"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape02"), kYellow);
    EXPECT_TRUE(find<QLineEdit>(*w, "LMDdato1")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*w, "LMDdomanda")->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("LMDdato1"));

    // The Verifica button does the same.
    type(*w, "LMDdato1", "Le bustine sono 12.");
    click(*w, "B2");
    EXPECT_EQ(ledColour(*w, "Shape02"), kLime);
    type(*w, "LMDdato2", "Ci sono 3 figurine in ogni bustina.");
    enter(*w, "LMDdato2");
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("dato1"));

    // Enter moves along the number boxes and checks the scheme in the last one.
    type(*w, "dato1", "12");
    enter(*w, "dato1");
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("dato2"));
    pickSign(*w, "Loper1", "x1");
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("X"));
    type(*w, "dato2", "3");
    type(*w, "Risultato2", "36");
    enter(*w, "Risultato2");
    EXPECT_EQ(ledColour(*w, "Shape04"), kLime);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("LMDrisposta"));

    type(*w, "LMDrisposta", "Luca ha 36 figurine.");
    enter(*w, "LMDrisposta");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    EXPECT_FALSE(sound_->wasPlayed("nooo"));
    EXPECT_FALSE(shown(*w, "B5"));
    EXPECT_FALSE(find<QAbstractButton>(*w, "B5")->isEnabled());
    EXPECT_EQ(ledColour(*w, "Shape05"), kLime);
    EXPECT_FALSE(find<QLineEdit>(*w, "LMDrisposta")->isEnabled());
    // Without its animation files the window plays no closing sequence.
    EXPECT_FALSE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "LMDrisposta"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
}

TEST_F(Advanced, WrongAnswersAreCountedAndShown)
{
    auto w = open(Mode::Advanced);
    for (int i = 0; i < 3; ++i) {
        type(*w, "LMDdomanda", "Quante bustine ha Luca?");
        enter(*w, "LMDdomanda");
    }
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=3"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=3"));
    EXPECT_EQ(w->errorTotal(), 3);
    EXPECT_EQ(sound_->playedNames(), (QStringList{"nooo", "nooo", "nooo"}));
    auto* balloon = w->findChild<HintBalloon*>("msg");
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->text(), QStringLiteral("Ricopia bene la domanda."));
    auto* h1 = find<QWidget>(*w, "H1");
    EXPECT_EQ(balloon->tip(), h1->mapTo(w.get(), h1->rect().center()));
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);

    type(*w, "LMDdomanda", "Quante figurine ha Luca?");
    click(*w, "B1");
    type(*w, "LMDdato1", "Luca ha 13 bustine.");
    click(*w, "B2");
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=1"));
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=3"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=4"));
    EXPECT_EQ(balloon->text(), QStringLiteral("Controlla il numero delle bustine."));

    // An empty answer is no answer: nothing counted, nothing played.
    sound_->clear();
    type(*w, "LMDdato1", "   ");
    click(*w, "B2");
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=1"));
    EXPECT_TRUE(sound_->calls().isEmpty());
}

TEST_F(Advanced, ErrorCounterButtonShowsTheStepsHint)
{
    auto w = open(Mode::Advanced);
    auto* balloon = w->findChild<HintBalloon*>("msg");
    click(*w, "H1");
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->text(), QStringLiteral("Rileggi l'ultima frase del testo."));
    // A new message replaces the one shown.
    type(*w, "LMDdomanda", "no");
    enter(*w, "LMDdomanda");
    EXPECT_EQ(balloon->text(), QStringLiteral("Ricopia bene la domanda."));
}

TEST_F(Advanced, SentenceChecksWaitWhileTheErrorAnimationPlays)
{
    addGif("problema_GIF1.gif");
    auto w = open(Mode::Advanced);
    type(*w, "LMDdomanda", "sbagliato");
    enter(*w, "LMDdomanda");
    EXPECT_TRUE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "GIF1"));

    type(*w, "LMDdomanda", "Quante figurine ha Luca?");
    enter(*w, "LMDdomanda");
    click(*w, "B1");
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_FALSE(sound_->wasPlayed("bravo"));
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=1"));

    EXPECT_EQ(finishAnimations(*w), 11);
    EXPECT_FALSE(shown(*w, "GIF1"));
    click(*w, "B1");
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
}

TEST_F(Advanced, StepSuccessAnimationOnlyWithItsFile)
{
    auto w = open(Mode::Advanced);
    type(*w, "LMDdomanda", "Quante figurine ha Luca?");
    click(*w, "B1");
    EXPECT_FALSE(w->isAnimating());
    EXPECT_FALSE(shown(*w, "GIF2"));

    addGif("problema_GIF2.gif");
    type(*w, "LMDdato1", "Luca ha 12 bustine.");
    click(*w, "B2");
    EXPECT_TRUE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "GIF2"));
    EXPECT_EQ(w->animationClock().phase(), AnimationClock::kStepSuccess);
    EXPECT_EQ(finishAnimations(*w), 16);
    EXPECT_FALSE(shown(*w, "GIF2"));
}

struct SchemeTry {
    const char* name;
    const char* d1;
    const char* sign;  // menu item; null: none picked
    const char* d2;
    const char* typedResult;  // typed key by key
    const char* shownResult;
    bool passes;
};

// A failing case reads by its name.
void PrintTo(const SchemeTry& c, std::ostream* out)
{
    *out << c.name;
}

class AdvancedScheme : public ExerciseFixture, public ::testing::WithParamInterface<SchemeTry> {};

TEST_P(AdvancedScheme, IsCheckedAsTyped)
{
    const SchemeTry& t = GetParam();
    auto w = open(Mode::Advanced, 2);
    passSentenceSteps(*w, true);
    fillScheme(*w, t.d1, t.sign, t.d2, t.typedResult);
    EXPECT_EQ(text(*w, "Risultato2"), QString::fromUtf8(t.shownResult));
    enter(*w, "Risultato2");
    if (t.passes) {
        EXPECT_EQ(ledColour(*w, "Shape04"), kLime);
        EXPECT_EQ(text(*w, "H4"), QStringLiteral("Err=0"));
    } else {
        EXPECT_EQ(ledColour(*w, "Shape04"), kYellow);
        EXPECT_EQ(text(*w, "H4"), QStringLiteral("Err=1"));
        EXPECT_EQ(w->findChild<HintBalloon*>("msg")->text(), QStringLiteral("Il risultato ha la virgola."));
        EXPECT_TRUE(sound_->wasPlayed("nooo"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Division15By2, AdvancedScheme,
    ::testing::Values(
        SchemeTry{"DecimalTypedWithTheComma", "15", "N4", "2", "7,5", "7,5", true},
        SchemeTry{"DecimalTypedWithThePointKey", "15", "N4", "2", "7.5", "7,5", true},
        SchemeTry{"TrailingZeroFails", "15", "N4", "2", "7,50", "7,50", false},
        SchemeTry{"DataInTheOtherOrderFail", "2", "N4", "15", "7,5", "7,5", false},
        SchemeTry{"NoOperatorFails", "15", nullptr, "2", "7,5", "7,5", false},
        SchemeTry{"WrongOperatorFails", "15", "x1", "2", "7,5", "7,5", false},
        // A letter is refused: what stands is still not the result.
        SchemeTry{"LettersAreRefusedAndTheRestFails", "15", "N4", "2", "7e", "7", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Advanced, OperatorMenu)
{
    auto w = open(Mode::Advanced);
    passSentenceSteps(*w);
    // The second item reads "_" and gives the minus.
    EXPECT_EQ(w->findChild<QAction*>("N3")->text(), QStringLiteral("_"));
    pickSign(*w, "Loper1", "N3");
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("-"));
    EXPECT_EQ(tag(w->TROVA_COMP("Loper1")), 0);
    // The "=" label and the empty label beside B4 open the menu to no effect.
    pickSign(*w, "Label6", "N1");
    pickSign(*w, "Label10", "N4");
    EXPECT_EQ(text(*w, "Loper1"), QStringLiteral("-"));
    EXPECT_EQ(text(*w, "Label6"), QStringLiteral("="));
}

TEST_F(Advanced, ResultTooLongForItsBoxCannotBeTyped)
{
    auto w = open(Mode::Advanced, 3);
    type(*w, "LMDdomanda", "Quante caramelle ha ogni bambino?");
    click(*w, "B1");
    type(*w, "LMDdato1", "Ci sono 10 caramelle.");
    click(*w, "B2");
    type(*w, "LMDdato2", "I bambini sono 3.");
    click(*w, "B3");
    fillScheme(*w, "10", "N4", "3", "3,33333333333333");
    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("3,33333333"));
    click(*w, "B4");
    EXPECT_EQ(text(*w, "H4"), QStringLiteral("Err=1"));
    // The solution still finishes it.
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("3,33333333333333"));
    EXPECT_FALSE(shown(*w, "B5"));
    EXPECT_TRUE(sound_->wasPlayed("Afinale"));
    EXPECT_EQ(w->solvedCount(), 0);
}

TEST_F(Advanced, FinishingPlaysTheClosingSequence)
{
    for (const char* gif : {"problema_GIF2.gif", "problema_GIF3.gif"})
        addGif(gif);
    auto w = open(Mode::Advanced);
    passSentenceSteps(*w);
    fillScheme(*w, "12", "x1", "3", "36");
    click(*w, "B4");
    finishAnimations(*w);
    type(*w, "LMDrisposta", "Luca ha 36 figurine.");
    sound_->clear();
    click(*w, "B5");

    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    EXPECT_TRUE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "GIF3"));
    EXPECT_TRUE(shown(*w, "GIF2"));
    EXPECT_EQ(find<QWidget>(*w, "GIF3")->x(), 0);
    for (const char* gone : {"B5", "LMDrisposta", "H5", "Shape05"})
        EXPECT_FALSE(shown(*w, gone)) << gone;

    // A click on B1 or a Verifica while the sequence plays does nothing.
    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_TRUE(shown(*w, "Image5"));
    EXPECT_FALSE(shown(*w, "CoccaHelp"));
    EXPECT_FALSE(shown(*w, "GIF3"));
    EXPECT_FALSE(shown(*w, "GIF2"));
    for (const char* back : {"B5", "LMDrisposta", "H5", "Shape05"})
        EXPECT_TRUE(shown(*w, back)) << back;
    for (const char* led : {"Shape01", "Shape02", "Shape03", "Shape04", "Shape05"})
        EXPECT_EQ(ledColour(*w, led), kRed) << led;
    ASSERT_FALSE(sound_->calls().isEmpty());
    EXPECT_EQ(sound_->calls().last().kind, platform::RecordingSoundService::Kind::Stop);
    EXPECT_EQ(w->solvedCount(), 1);
}

TEST_F(Advanced, FinishingWithoutTheStillAnimationLeavesTheNextProblemWhole)
{
    // Only the travelling animation is there: no closing sequence runs, and
    // the last step stays hidden on this problem.
    addGif("problema_GIF3.gif");
    auto w = open(Mode::Advanced);
    passSentenceSteps(*w);
    fillScheme(*w, "12", "x1", "3", "36");
    click(*w, "B4");
    finishAnimations(*w);
    type(*w, "LMDrisposta", "Luca ha 36 figurine.");
    click(*w, "B5");
    EXPECT_FALSE(w->isAnimating());
    for (const char* gone : {"B5", "LMDrisposta", "H5", "Shape05"})
        EXPECT_FALSE(shown(*w, gone)) << gone;

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    for (const char* back : {"B5", "LMDrisposta", "H5", "Shape05"})
        EXPECT_TRUE(shown(*w, back)) << back;
}

TEST_F(Advanced, AFormulaThatDoesNotParseShowsTheEvaluatorsMessage)
{
    QFile file(folder_ + "ROTTO.INI");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PROBLEMA_1]\nTESTO=Senza formula\n");
    file.close();
    auto w = open(Mode::Advanced, 1, 1, "ROTTO.INI");
    EXPECT_EQ(dialogs_->messages(), QStringList{"Error in formula."});
    EXPECT_EQ(text(*w, "B1"), QStringLiteral("?"));
    EXPECT_EQ(find<QPlainTextEdit>(*w, "Memo1")->toPlainText(), QStringLiteral("Senza formula"));
    // Whatever is typed, a formula that was never read cannot be passed.
    for (const char* box : {"dato1", "dato2", "Risultato2"})
        find<QLineEdit>(*w, box)->setText("0");
    w->operationSchemeClick();
    EXPECT_EQ(text(*w, "H4"), QStringLiteral("Err=1"));
}

}  // namespace
}  // namespace quorvia::testing
