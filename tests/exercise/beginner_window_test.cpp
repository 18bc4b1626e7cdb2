// SPDX-License-Identifier: GPL-3.0-or-later
// TFormP3 driven through its widgets: sentences picked from shuffled lists.

#include "exercise_fixture.h"

#include "exercise/hint_balloon.h"
#include "widgets/controls.h"

#include <QScrollArea>
#include <QTest>

#include <deque>

namespace quorvia::testing {
namespace {

using Beginner = ExerciseFixture;

const char* const kLists[] = {"EB01", "EB02", "EB03", "EB05"};
const QString kRight[] = {QStringLiteral("Quante figurine ha Luca?"),
                          QStringLiteral("Luca ha 12 bustine."),
                          QStringLiteral("In ogni bustina ci sono 3 figurine."),
                          QStringLiteral("Luca ha 36 figurine.")};

void chooseRight(ExerciseWindow& w, int list)
{
    const QString name = QLatin1String(kLists[list]);
    ExerciseFixture::choose(w, name, ExerciseFixture::rightPosition(w, name, kRight[list]));
}

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws, int* reseeds = nullptr)
        : draws_(std::move(draws)), reseeds_(reseeds)
    {
    }
    void reseed() override
    {
        if (reseeds_)
            ++*reseeds_;
    }
    int between(int, int) override
    {
        const int r = draws_.empty() ? 1 : draws_.front();
        if (!draws_.empty())
            draws_.pop_front();
        return r;
    }

private:
    std::deque<int> draws_;
    int* reseeds_;
};

TEST_F(Beginner, ListsHoldTheFiveSentencesWithTheRightOneNeverFirst)
{
    auto w = open(Mode::Beginner);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormP3"));
    EXPECT_EQ(w->state().last_step, 5);
    ASSERT_EQ(w->state().correct_items.size(), 5);
    EXPECT_EQ(w->state().correct_items[3], QString());  // the operation scheme's place
    for (int i = 0; i < 4; ++i) {
        auto* list = find<QComboBox>(*w, kLists[i]);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 5);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(tag(list), 1);
        const int right = rightPosition(*w, kLists[i], kRight[i]);
        EXPECT_GE(right, 1) << kLists[i];
        const int step = i == 3 ? 5 : i + 1;
        EXPECT_EQ(w->state().correct_items[step - 1], QString::number(right)) << kLists[i];
    }
    EXPECT_EQ(find<QWidget>(*w, "dato1")->pos(), QPoint(62, 264));
    EXPECT_EQ(find<QWidget>(*w, "Risultato2")->pos(), QPoint(312, 265));
    EXPECT_EQ(find<QWidget>(*w, "B4")->pos(), QPoint(480, 272));
    EXPECT_EQ(find<QWidget>(*w, "Shape04")->pos(), QPoint(649, 275));
    EXPECT_EQ(find<QWidget>(*w, "EB01")->width(), 449);
    EXPECT_EQ(find<QWidget>(*w, "dato1")->parentWidget()->objectName(), QStringLiteral("Panel6"));
    EXPECT_EQ(w->TROVA_COMP("LMDdomanda"), nullptr);
    EXPECT_EQ(w->TROVA_COMP("Label10"), nullptr);
}

TEST_F(Beginner, ShufflingFollowsTheDrawsInStepOrderAndIsDrawnAnewAtEveryLoad)
{
    auto w = std::make_unique<ExerciseWindow>(scheme3Description(), Mode::Beginner, &main_);
    int reseeds = 0;
    w->setRandomSource(std::make_unique<ScriptedRandom>(std::deque<int>{2, 3, 4, 1, 4, 4, 4, 4}, &reseeds));
    w->setLaunch({folder_, kBeginnerFile, 1, 2, 3});
    w->show();
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(w->state().correct_items, (QStringList{"2", "3", "4", "", "1"}));
    auto* eb01 = find<QComboBox>(*w, "EB01");
    // The former item 2 comes to the top.
    EXPECT_EQ(eb01->itemText(0), QStringLiteral("Quante figurine ci sono in una bustina?"));
    EXPECT_EQ(eb01->itemText(2), kRight[0]);

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(reseeds, 2);
    EXPECT_EQ(w->state().correct_items, (QStringList{"4", "4", "4", "", "4"}));
    EXPECT_EQ(eb01->itemText(4), QStringLiteral("Quanti bambini restano nel cortile?"));
}

TEST_F(Beginner, SolvesAProblemByChoosing)
{
    auto w = open(Mode::Beginner);
    EXPECT_TRUE(find<QComboBox>(*w, "EB01")->isEnabled());
    EXPECT_FALSE(find<QComboBox>(*w, "EB02")->isEnabled());

    chooseRight(*w, 0);
    click(*w, "B1");
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_TRUE(sound_->wasPlayed("bravo"));
    // The step-success animation plays with or without its file.
    EXPECT_TRUE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "GIF2"));
    click(*w, "B2");  // busy: nothing
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=0"));
    EXPECT_EQ(finishAnimations(*w), 16);

    EXPECT_TRUE(find<QComboBox>(*w, "EB02")->isEnabled());
    EXPECT_FALSE(find<QComboBox>(*w, "EB01")->isEnabled());
    chooseRight(*w, 1);
    click(*w, "B2");
    finishAnimations(*w);
    chooseRight(*w, 2);
    click(*w, "B3");
    finishAnimations(*w);

    type(*w, "dato1", "12");
    pickSign(*w, "Loper1", "x1");
    type(*w, "dato2", "3");
    type(*w, "Risultato2", "36");
    enter(*w, "Risultato2");
    EXPECT_EQ(ledColour(*w, "Shape04"), kLime);
    finishAnimations(*w);

    chooseRight(*w, 3);
    click(*w, "B5");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_TRUE(sound_->wasPlayed("WFinale"));
    for (const char* gone : {"Shape05", "EB05", "H5", "B5"})
        EXPECT_FALSE(shown(*w, gone)) << gone;
    // Step 1 is open again straight away.
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_TRUE(find<QComboBox>(*w, "EB01")->isEnabled());

    // Without "problema_GIF2.gif" the closing sequence still comes to its end
    // and the window is not left waiting for it.
    EXPECT_TRUE(w->isAnimating());
    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_FALSE(w->isAnimating());
    EXPECT_TRUE(shown(*w, "Image5"));
    for (const char* back : {"EB05", "B5", "H5", "Shape05"})
        EXPECT_TRUE(shown(*w, back)) << back;
    for (const char* led : {"Shape01", "Shape02", "Shape03", "Shape04", "Shape05"})
        EXPECT_EQ(ledColour(*w, led), kRed) << led;

    // And it answers again.
    choose(*w, "EB01", 0);
    click(*w, "B1");
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=1"));
}

TEST_F(Beginner, NoChoiceAndAWrongChoiceAreErrors)
{
    auto w = open(Mode::Beginner);
    click(*w, "B1");
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=1"));
    EXPECT_TRUE(sound_->wasPlayed("nooo"));
    EXPECT_EQ(w->findChild<HintBalloon*>("msg")->text(),
              QStringLiteral("Questa non è la domanda del problema."));
    choose(*w, "EB01", 0);
    click(*w, "B1");
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=2"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=2"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
}

TEST_F(Beginner, TypedCharactersNeverPickAnItem)
{
    auto w = open(Mode::Beginner);
    auto* list = find<QComboBox>(*w, "EB01");
    QTest::keyClicks(list, "QLuca ");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->currentIndex(), -1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 0);
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Beginner, SolutionClosesEveryStepAndEndsWithoutItsFiles)
{
    auto w = open(Mode::Beginner);
    click(*w, "LMDsoluzione");
    for (const char* led : {"Shape01", "Shape02", "Shape03", "Shape04"})
        EXPECT_EQ(ledColour(*w, led), kRed) << led;
    EXPECT_FALSE(find<QAbstractButton>(*w, "B1")->isEnabled());
    finishAnimations(*w);
    EXPECT_TRUE(shown(*w, "CoccaHelp"));
    EXPECT_FALSE(shown(*w, "Image5"));
}

TEST_F(Beginner, AClickOnTheScrollBoxGivesItTheFocus)
{
    auto beginner = open(Mode::Beginner);
    auto* sb = find<QScrollArea>(*beginner, "SB");
    beginner->SBClick();
    EXPECT_EQ(beginner->focusWidget(), sb);

    auto advanced = open(Mode::Advanced);
    advanced->SBClick();
    EXPECT_NE(advanced->focusWidget(), advanced->TROVA_COMP("SB"));
}

}  // namespace
}  // namespace quorvia::testing
