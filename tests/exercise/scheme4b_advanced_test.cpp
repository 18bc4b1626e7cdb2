// SPDX-License-Identifier: GPL-3.0-or-later
// TFormA4b driven through its widgets: both questions, the column of three
// data, the second operation, both answers and the ending that hides both
// answer rows.

#include "scheme4b_fixture.h"

#include "platform/gif_player.h"
#include "widgets/controls.h"

#include <QPlainTextEdit>

#include <ostream>

namespace quorvia::testing {
namespace {

using Advanced4b = Scheme4bFixture;

const char* const kAnswerRows[] = {"E08", "E09", "B8", "B9", "H8", "H9", "Shape08", "Shape09"};

TEST_F(Advanced4b, SolvesBothQuestionsByTyping)
{
    auto w = open4b(Mode::Advanced);
    EXPECT_EQ(w->objectName(), QStringLiteral("FormA4b"));
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("1/11"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_TRUE(find<QLineEdit>(*w, "E01")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*w, "E02")->isEnabled());

    // Enter in a sentence box checks its step; the next box takes the focus.
    type(*w, "E01", "quanto SPENDE martina ?");
    enter(*w, "E01");
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape02"), kYellow);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E02"));
    answerSteps(*w, kProblem1Sentences, 2, 6);
    EXPECT_EQ(ledColour(*w, "Shape06"), kLime);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E17"));

    // The partial result stands on the right of the second operation.
    fillScheme(*w, "3", "2", "1", "N1", "6", "10", "N3", "4");
    EXPECT_EQ(text(*w, "jolly"), QStringLiteral("6"));
    EXPECT_EQ(text(*w, "Lop12"), QStringLiteral("+"));
    enter(*w, "E77");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
    EXPECT_EQ(w->focusWidget(), w->TROVA_COMP("E08"));

    // The first answer is an ordinary step: the second one opens.
    answer(*w, 8, kProblem1Sentences[8]);
    EXPECT_EQ(ledColour(*w, "Shape08"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape09"), kYellow);
    EXPECT_TRUE(shown(*w, "E08"));
    EXPECT_EQ(w->solvedCount(), 0);

    type(*w, "E09", kProblem1Sentences[9]);
    click(*w, "B9");
    EXPECT_EQ(w->solvedCount(), 1);
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
    EXPECT_FALSE(sound_->wasPlayed("nooo"));
}

struct Ending {
    const char* name;
    bool animationFiles;
    bool withSolution;
    const char* sound;
    const char* endPicture;
    int solved;
};

// A failing case reads by its name.
void PrintTo(const Ending& c, std::ostream* out)
{
    *out << c.name;
}

class Advanced4bEnding : public Scheme4bFixture, public ::testing::WithParamInterface<Ending> {};

// Both answer rows go at once, the closing sequence always runs its course
// and both rows come back at its end.
TEST_P(Advanced4bEnding, HidesBothAnswerRowsUntilTheClosingSequenceIsOver)
{
    const Ending& e = GetParam();
    if (e.animationFiles) {
        for (const char* gif : {"problema_GIF2.gif", "problema_GIF3.gif", "problema_GIF2A.gif",
                                "problema_GIF3A.gif"})
            addGif(gif);
    }
    auto w = open4b(Mode::Advanced);
    if (e.withSolution) {
        click(*w, "LMDsoluzione");
    } else {
        answerSteps(*w, kProblem1Sentences, 1, 6);
        fillScheme(*w, "3", "2", "1", "N1", "6", "10", "N3", "4");
        click(*w, "B7");
        finishAnimations(*w);
        answer(*w, 8, kProblem1Sentences[8]);
        type(*w, "E09", kProblem1Sentences[9]);
        sound_->clear();
        click(*w, "B9");
    }

    EXPECT_TRUE(sound_->wasPlayed(e.sound));
    EXPECT_EQ(w->solvedCount(), e.solved);
    for (const char* gone : kAnswerRows)
        EXPECT_FALSE(shown(*w, gone)) << gone;
    EXPECT_FALSE(find<QAbstractButton>(*w, "B9")->isEnabled());
    EXPECT_EQ(ledColour(*w, "Shape09"), kLime);
    ASSERT_TRUE(w->isAnimating());
    EXPECT_EQ(w->animationClock().phase(), AnimationClock::kClosingStart);
    auto* gif3 = find<platform::GifPlayer>(*w, "GIF3");
    auto* gif2 = find<platform::GifPlayer>(*w, "GIF2");
    EXPECT_TRUE(shown(*w, "GIF3"));
    EXPECT_TRUE(shown(*w, "GIF2"));
    EXPECT_EQ(gif3->x(), 0);
    EXPECT_EQ(gif3->hasAnimation(), e.animationFiles);
    EXPECT_EQ(gif2->hasAnimation(), e.animationFiles);
    if (e.animationFiles) {
        const QString suffix = e.withSolution ? QStringLiteral("A.gif") : QStringLiteral(".gif");
        EXPECT_TRUE(gif3->fileName().endsWith(QStringLiteral("problema_GIF3") + suffix));
        EXPECT_TRUE(gif2->fileName().endsWith(QStringLiteral("problema_GIF2") + suffix));
    }

    EXPECT_EQ(finishAnimations(*w), 37 + 39);
    EXPECT_FALSE(w->isAnimating());
    EXPECT_TRUE(shown(*w, e.endPicture));
    EXPECT_FALSE(shown(*w, "GIF3"));
    EXPECT_FALSE(shown(*w, "GIF2"));
    for (const char* back : kAnswerRows)
        EXPECT_TRUE(shown(*w, back)) << back;
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, Advanced4bEnding,
    ::testing::Values(Ending{"SolvedWithoutAnimationFiles", false, false, "WFinale", "Image5", 1},
                      Ending{"SolvedWithAnimationFiles", true, false, "WFinale", "Image5", 1},
                      Ending{"SolutionWithoutAnimationFiles", false, true, "Afinale", "CoccaHelp", 0},
                      Ending{"SolutionWithAnimationFiles", true, true, "Afinale", "CoccaHelp", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Advanced4b, ClosingTheWindowBringsBothAnswerRowsBack)
{
    auto w = open4b(Mode::Advanced);
    click(*w, "LMDsoluzione");
    ASSERT_FALSE(shown(*w, "E08"));
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton11");
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->isAnimating());
    for (const char* back : kAnswerRows)
        EXPECT_TRUE(shown(*w, back)) << back;
    EXPECT_EQ(ledColour(*w, "Shape09"), kRed);
    EXPECT_EQ(ledColour(*w, "Shape01"), kRed);
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Advanced4b, SolutionLeavesTheInstructionLine)
{
    auto w = open4b(Mode::Advanced, 2);
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
}

TEST_F(Advanced4b, ARestoredSolvedWorksheetOpensStepOne)
{
    auto w = open4b(Mode::Advanced);
    restoreWorksheetWithSolution(*w, 2);
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("2/11"));
    EXPECT_EQ(text(*w, "E01"), kProblem2Sentences[1]);
    EXPECT_EQ(text(*w, "E77"), QStringLiteral("80"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_TRUE(find<QLineEdit>(*w, "E01")->isEnabled());
    EXPECT_TRUE(find<QAbstractButton>(*w, "B1")->isEnabled());
    EXPECT_FALSE(w->isAnimating());
}

}  // namespace
}  // namespace quorvia::testing
