// SPDX-License-Identifier: GPL-3.0-or-later
// The scheme-5 windows' own feedback and endings: the solution shown lime
// before it is checked, the animation players' widths in TFormA5, the last
// error counter after the closing sequence, and formulas the windows refuse.

#include "scheme5_fixture.h"

#include "widgets/controls.h"

#include <ostream>

namespace quorvia::testing {
namespace {

using Advanced5 = Scheme5Fixture;

TEST_F(Advanced5, ResultTooLongForItsBoxIsFinishedThroughTheSolution)
{
    auto w = open5(Mode::Advanced, 4);
    passDataSteps(*w, 4);
    fillScheme(*w, {"4", "N1", "6", "10", "3", "N4", "3,33333333333333"});
    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("3,33333333"));
    click(*w, "B5");
    EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=1"));

    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("3,33333333333333"));
    EXPECT_EQ(text(*w, "jolly"), QStringLiteral("10"));
    EXPECT_TRUE(sound_->wasPlayed("Afinale"));
    EXPECT_EQ(w->solvedCount(), 0);
}

// What every window's solution fills in is EveryWindow/Solution's.
TEST_F(Advanced5, SolutionClosesEveryStep)
{
    auto w = open5(Mode::Advanced, 2);
    click(*w, "LMDsoluzione");
    // After the solution nothing is left open and every indicator is red.
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kRed) << s;
        EXPECT_FALSE(find<QWidget>(*w, QStringLiteral("B%1").arg(s))->isEnabled()) << s;
        EXPECT_FALSE(find<QWidget>(*w, QStringLiteral("H%1").arg(s))->isEnabled()) << s;
    }
}

TEST_F(Advanced5, AProblemWithItsSolutionShownComesBackFilledInAndLime)
{
    auto w = open5(Mode::Advanced, 1, 2);
    click(*w, "LMDsoluzione");
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton3");

    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("51"));
    EXPECT_EQ(text(*w, "jolly"), QStringLiteral("17"));
    EXPECT_EQ(text(*w, "Loper2"), QStringLiteral("X"));
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(ledColour(*w, QStringLiteral("Shape0%1").arg(s)), kLime) << s;
        EXPECT_FALSE(find<QWidget>(*w, QStringLiteral("B%1").arg(s))->isEnabled()) << s;
        EXPECT_FALSE(find<QWidget>(*w, QStringLiteral("H%1").arg(s))->isEnabled()) << s;
    }
}

TEST_F(Advanced5, SolutionDuringAnAnimationStopsItAndFinishesWithTheSchemeFilledIn)
{
    addGif("problema_GIF2.gif");
    auto w = open5(Mode::Advanced);
    type(*w, "LMDdomanda", "Quanto spende Marco?");
    click(*w, "B1");
    ASSERT_TRUE(w->isAnimating());
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "Risultato1"), QStringLiteral("17"));
    EXPECT_TRUE(sound_->wasPlayed("Afinale"));
    EXPECT_TRUE(w->state().problem_finished);
    EXPECT_FALSE(find<QWidget>(*w, "B6")->isEnabled());
}

TEST_F(Advanced5, ErrorAndStepAnimationsShareTheirPanelByWidth)
{
    for (const char* gif : {"problema_GIF1.gif", "problema_GIF2.gif"})
        addGif(gif);
    auto w = open5(Mode::Advanced);
    auto* gif1 = find<QWidget>(*w, "GIF1");
    auto* gif2 = find<QWidget>(*w, "GIF2");
    const int full = find<QWidget>(*w, "LMDsimplePanel3")->width();
    ASSERT_GT(full, 0);

    type(*w, "LMDdomanda", "sbagliato");
    enter(*w, "LMDdomanda");
    EXPECT_TRUE(shown(*w, "GIF1"));
    EXPECT_EQ(gif1->width(), full);
    EXPECT_EQ(gif2->width(), 0);
    finishAnimations(*w);

    // The next step animation is seen whole again.
    type(*w, "LMDdomanda", "Quanto spende Marco?");
    enter(*w, "LMDdomanda");
    EXPECT_TRUE(shown(*w, "GIF2"));
    EXPECT_EQ(gif2->width(), full);
    finishAnimations(*w);

    const ProblemContent problem = fixtureProblem(Mode::Advanced, 1);
    for (int step = 2; step <= 4; ++step)
        answerStep(*w, problem, step);
    fillScheme(*w, {"12", "N1", "5", "17", "3", "x1", "51"});
    click(*w, "B5");
    finishAnimations(*w);
    answerStep(*w, problem, 6);
    EXPECT_EQ(gif2->width(), full);
    EXPECT_EQ(gif1->width(), 0);
    EXPECT_EQ(w->solvedCount(), 1);
}

TEST_F(Advanced5, ErrorsInTheBeginnerWindowChangeNoWidths)
{
    addGif("problema_GIF1.gif");
    auto w = open5(Mode::Beginner);
    const QSize gif1 = find<QWidget>(*w, "GIF1")->size();
    const QSize gif2 = find<QWidget>(*w, "GIF2")->size();
    click(*w, "B1");
    EXPECT_TRUE(shown(*w, "GIF1"));
    EXPECT_EQ(find<QWidget>(*w, "GIF1")->size(), gif1);
    EXPECT_EQ(find<QWidget>(*w, "GIF2")->size(), gif2);
}

struct Ending {
    const char* name;
    Mode mode;
    bool closingFiles;  // problema_GIF2.gif and problema_GIF3.gif
};

// A failing case reads by its name.
void PrintTo(const Ending& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme5Ending : public Scheme5Fixture, public ::testing::WithParamInterface<Ending> {};

TEST_P(Scheme5Ending, LastErrorCounterStaysHiddenUntilTheProblemStartsAgain)
{
    const Ending& e = GetParam();
    if (e.closingFiles) {
        for (const char* gif : {"problema_GIF2.gif", "problema_GIF3.gif"})
            addGif(gif);
    }
    auto w = open5(e.mode, 1, 2);
    solveWithAnswersOf(*w, fixtureProblem(e.mode, 1));
    ASSERT_EQ(w->solvedCount(), 1);
    ASSERT_FALSE(w->isAnimating());

    const QString input = e.mode == Mode::Advanced ? QStringLiteral("LMDrisposta") : QStringLiteral("EB06");
    // Advanced windows play the closing sequence only with its animation
    // files; beginner windows always do. Its end shows the last step again,
    // all but its error counter.
    const bool closingRan = e.mode == Mode::Beginner || e.closingFiles;
    EXPECT_TRUE(shown(*w, input));
    EXPECT_TRUE(shown(*w, "Shape06"));
    EXPECT_EQ(shown(*w, "B6"), closingRan);
    EXPECT_EQ(shown(*w, "H6"), !closingRan);
    EXPECT_EQ(shown(*w, "Image5"), closingRan);

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_TRUE(shown(*w, "H6"));
}

TEST_P(Scheme5Ending, ClosingTheWindowShowsTheLastStepWhole)
{
    const Ending& e = GetParam();
    if (e.closingFiles) {
        for (const char* gif : {"problema_GIF2.gif", "problema_GIF3.gif"})
            addGif(gif);
    }
    auto w = open5(e.mode);
    const ProblemContent problem = fixtureProblem(e.mode, 1);
    passDataSteps(*w, 1);
    fillScheme(*w, {"12", "N1", "5", "17", "3", "x1", "51"});
    click(*w, "B5");
    finishAnimations(*w);
    const StepRow* last = w->scheme().step(6);
    if (e.mode == Mode::Advanced)
        type(*w, QLatin1String(last->advanced_input), QString::fromStdString(problem.variants[6][1]));
    else
        choose(*w, "EB06", rightPosition(*w, "EB06", QString::fromStdString(problem.variants[6][1])));
    click(*w, "B6");

    // Closed in the middle of the closing sequence.
    w->close();
    EXPECT_FALSE(w->isAnimating());
    const QString input = e.mode == Mode::Advanced ? QStringLiteral("LMDrisposta") : QStringLiteral("EB06");
    for (const QString& back : {input, QStringLiteral("B6"), QStringLiteral("H6"), QStringLiteral("Shape06")})
        EXPECT_TRUE(shown(*w, back)) << back.toStdString();
    EXPECT_EQ(ledColour(*w, "Shape06"), kRed);
    EXPECT_EQ(ledColour(*w, "Shape01"), kRed);
}

INSTANTIATE_TEST_SUITE_P(Windows, Scheme5Ending,
                         ::testing::Values(Ending{"AdvancedWithClosingFiles", Mode::Advanced, true},
                                           Ending{"AdvancedWithoutClosingFiles", Mode::Advanced, false},
                                           Ending{"BeginnerWithClosingFiles", Mode::Beginner, true},
                                           Ending{"BeginnerWithoutClosingFiles", Mode::Beginner, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::testing
