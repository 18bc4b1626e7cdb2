// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between problems, the solution, the help, closing and reopening,
// and what every load does to the window.

#include "exercise_fixture.h"

#include "exercise/exercise_hooks.h"
#include "exercise/hint_balloon.h"
#include "widgets/controls.h"

#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <ostream>

namespace quorvia::testing {
namespace {

using Navigation = ExerciseFixture;

void makeSomeProgress(ExerciseWindow& w)
{
    ExerciseFixture::type(w, "LMDdomanda", "Quante figurine ha Luca?");
    ExerciseFixture::click(w, "B1");
    ExerciseFixture::type(w, "LMDdato1", "sbagliato");
    ExerciseFixture::click(w, "B2");
}

struct Leave {
    const char* name;
    const char* button;
};

// A failing case reads by its name.
void PrintTo(const Leave& c, std::ostream* out)
{
    *out << c.name;
}

class AnsweringNo : public ExerciseFixture, public ::testing::WithParamInterface<Leave> {};

TEST_P(AnsweringNo, LeavesTheWindowExactlyAsItWas)
{
    auto w = open(Mode::Advanced, 2);
    type(*w, "LMDdomanda", "Quanti litri ci sono in ogni caraffa?");
    click(*w, "B1");
    type(*w, "LMDdato1", "sbagliato");
    click(*w, "B2");

    dialogs_->setNextYesNo(false);
    click(*w, GetParam().button);
    EXPECT_EQ(dialogs_->questions(), QStringList{"Vuoi lasciare questo problema?"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->state().current_problem, 2);
    EXPECT_TRUE(main_.spinner.isEmpty());
    EXPECT_EQ(text(*w, "LMDdomanda"), QStringLiteral("Quanti litri ci sono in ogni caraffa?"));
    EXPECT_EQ(text(*w, "LMDdato1"), QStringLiteral("sbagliato"));
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=1"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=1"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kLime);
    EXPECT_EQ(ledColour(*w, "Shape02"), kYellow);
}

INSTANTIATE_TEST_SUITE_P(Buttons, AnsweringNo,
                         ::testing::Values(Leave{"Next", "LMDButton1"}, Leave{"Previous", "LMDButton3"},
                                           Leave{"Close", "LMDButton11"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Navigation, NextWithYesStartsTheNextProblemAfresh)
{
    addPicture("figura.png", Qt::red);
    auto w = open(Mode::Advanced);
    auto* picture = find<QLabel>(*w, "Image4");
    ASSERT_FALSE(picture->pixmap().isNull());
    makeSomeProgress(*w);

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(w->state().current_problem, 2);
    EXPECT_EQ(main_.spinner, QList<int>{2});
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("2/4"));
    EXPECT_EQ(text(*w, "LMDdomanda"), QString());
    EXPECT_EQ(text(*w, "LMDdato1"), QString());
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=0"));
    EXPECT_EQ(text(*w, "error_num"), QStringLiteral(" ERR=0"));
    EXPECT_EQ(w->errorTotal(), 0);
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_EQ(ledColour(*w, "Shape02"), kRed);
    EXPECT_EQ(text(*w, "Label11"), QStringLiteral("litri"));
    // Problem 2 names a picture that is not there: problem 1's goes.
    EXPECT_TRUE(picture->pixmap().isNull());
    // The child's name stands once, however many loads.
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
}

struct Finished {
    const char* name;
    const char* button;
    bool with_solution;
};

void PrintTo(const Finished& c, std::ostream* out)
{
    *out << c.name;
}

class AfterAFinishedProblem : public ExerciseFixture, public ::testing::WithParamInterface<Finished> {};

// The exit question guards work in progress; a finished problem has none.
TEST_P(AfterAFinishedProblem, TheWindowGoesOnWithoutTheQuestion)
{
    auto w = open(Mode::Advanced, GetParam().with_solution ? 2 : 1);
    if (GetParam().with_solution) {
        click(*w, "LMDsoluzione");
    } else {
        solveWithAnswersOf(*w, problemIn(kAdvancedFile, 1, Scheme::S3));
        ASSERT_EQ(w->solvedCount(), 1);
    }
    ASSERT_TRUE(w->state().problem_finished);
    const int finished = w->state().current_problem;

    click(*w, GetParam().button);
    EXPECT_TRUE(dialogs_->questions().isEmpty());
    if (QLatin1String(GetParam().button) == QLatin1String("LMDButton11")) {
        EXPECT_FALSE(w->isVisible());
        return;
    }
    EXPECT_EQ(w->state().current_problem,
              QLatin1String(GetParam().button) == QLatin1String("LMDButton1") ? finished + 1
                                                                             : std::max(1, finished - 1));
    // The next problem is work in progress again.
    type(*w, "LMDdomanda", "qualcosa");
    dialogs_->setNextYesNo(false);
    click(*w, "LMDButton1");
    EXPECT_EQ(dialogs_->questions(), QStringList{"Vuoi lasciare questo problema?"});
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, AfterAFinishedProblem,
    ::testing::Values(Finished{"NextAfterTheSolution", "LMDButton1", true},
                      Finished{"PreviousAfterTheSolution", "LMDButton3", true},
                      Finished{"CloseAfterTheSolution", "LMDButton11", true},
                      Finished{"NextAfterSolvingAlone", "LMDButton1", false},
                      Finished{"PreviousAfterSolvingAlone", "LMDButton3", false},
                      Finished{"CloseAfterSolvingAlone", "LMDButton11", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Navigation, AProblemShowsItsOwnPictureOrNoneWhateverTheOrderOfVisits)
{
    addPicture("figura.png", Qt::red);
    auto w = open(Mode::Advanced);
    auto* picture = find<QLabel>(*w, "Image4");
    const auto showsFigura = [&] {
        return !picture->pixmap().isNull() && picture->pixmap().toImage().pixelColor(0, 0) == QColor(Qt::red);
    };
    ASSERT_TRUE(showsFigura());
    // Problem 2's file is missing, problem 3 names none.
    for (int problem : {2, 3}) {
        dialogs_->setNextYesNo(true);
        click(*w, "LMDButton1");
        ASSERT_EQ(w->state().current_problem, problem);
        EXPECT_TRUE(picture->pixmap().isNull()) << "problem " << problem;
    }
    for (int problem : {2, 1}) {
        dialogs_->setNextYesNo(true);
        click(*w, "LMDButton3");
        ASSERT_EQ(w->state().current_problem, problem);
    }
    EXPECT_TRUE(showsFigura());
    // Straight to problem 3, as the main window's spinner opens it.
    auto third = open(Mode::Advanced, 3);
    EXPECT_TRUE(find<QLabel>(*third, "Image4")->pixmap().isNull());
}

TEST_F(Navigation, NextOnTheLastAndPreviousOnTheFirstRestartTheProblem)
{
    auto w = open(Mode::Advanced, 4);
    makeSomeProgress(*w);
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(w->state().current_problem, 4);
    EXPECT_EQ(text(*w, "LMDdomanda"), QString());
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);

    auto first = open(Mode::Advanced, 1);
    makeSomeProgress(*first);
    dialogs_->setNextYesNo(true);
    click(*first, "LMDButton3");
    EXPECT_EQ(first->state().current_problem, 1);
    EXPECT_EQ(text(*first, "H2"), QStringLiteral("Err=0"));
    EXPECT_EQ(main_.spinner, (QList<int>{4, 1}));
}

TEST_F(Navigation, SolutionDuringAnAnimationStopsItAndFinishesWithTheSolution)
{
    addGif("problema_GIF1.gif");
    auto w = open(Mode::Advanced);
    type(*w, "LMDdomanda", "sbagliato");
    click(*w, "B1");
    ASSERT_TRUE(w->isAnimating());
    click(*w, "LMDsoluzione");
    EXPECT_EQ(text(*w, "LMDrisposta"), QStringLiteral("Luca ha 36 figurine."));
    EXPECT_FALSE(shown(*w, "GIF1"));
    EXPECT_TRUE(sound_->wasPlayed("Afinale"));
    EXPECT_TRUE(w->state().problem_finished);
    EXPECT_EQ(w->solvedCount(), 0);
}

TEST_F(Navigation, AProblemReturnedToKeepsItsSolution)
{
    auto w = open(Mode::Advanced);
    click(*w, "LMDsoluzione");
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_FALSE(w->state().solutionShown(2));
    EXPECT_EQ(text(*w, "LMDdomanda"), QString());

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton3");
    EXPECT_EQ(w->state().current_problem, 1);
    EXPECT_EQ(text(*w, "LMDdomanda"), QStringLiteral("Quante figurine ha Luca?"));
    EXPECT_EQ(text(*w, "Risultato2"), QStringLiteral("36"));
}

TEST_F(Navigation, ClosingAndReopeningStartsAfreshWithEverySolutionFlagCleared)
{
    addGif("problema_GIF1.gif");
    auto w = open(Mode::Advanced);
    click(*w, "LMDsoluzione");
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    type(*w, "LMDdomanda", "sbagliato");
    click(*w, "B1");
    ASSERT_TRUE(w->isAnimating());

    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton11");
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->isAnimating());
    EXPECT_FALSE(w->state().solutionShown(1));
    EXPECT_FALSE(w->findChild<HintBalloon*>("msg")->isVisible());
    // Nothing of the cut-short animation waits for the next showing.
    EXPECT_FALSE(shown(*w, "GIF1"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kRed);

    w->show();
    EXPECT_EQ(w->state().current_problem, 2);
    EXPECT_EQ(text(*w, "LMDdomanda"), QString());
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=0"));
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    EXPECT_FALSE(shown(*w, "Image5"));
    EXPECT_FALSE(shown(*w, "CoccaHelp"));
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
}

TEST_F(Navigation, TheCloseBoxClosesWithoutAQuestion)
{
    auto w = open(Mode::Beginner);
    click(*w, "LMDsoluzione");
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(dialogs_->questions().isEmpty());
    EXPECT_FALSE(w->state().solutionShown(1));
    for (const char* back : {"EB05", "B5", "H5", "Shape05"})
        EXPECT_TRUE(shown(*w, back)) << back;
}

TEST_F(Navigation, GeneralHelpShowsTheProblemsHelp)
{
    auto w = open(Mode::Advanced);
    click(*w, "LMDButton8");
    EXPECT_EQ(dialogs_->messages(),
              QStringList{"Ogni bustina ha lo stesso numero di figurine.\nPensa alla moltiplicazione."});
}

TEST_F(Navigation, StepPanelStaysCentredInTheScrollBox)
{
    auto w = open(Mode::Advanced);
    auto* sb = find<QScrollArea>(*w, "SB");
    auto* panel = find<QWidget>(*w, "Panel6");
    EXPECT_EQ(panel->x(), (sb->width() - 20 - panel->width()) / 2);
    w->resize(1000, 700);
    EXPECT_EQ(sb->width(), 1000);
    EXPECT_EQ(panel->x(), (1000 - 20 - panel->width()) / 2);
    w->resize(800, 600);
    EXPECT_EQ(panel->x(), (800 - 20 - panel->width()) / 2);
}

TEST_F(Navigation, ProblemCountsBeyondTheTablesAreBroughtWithinThem)
{
    auto w = std::make_unique<ExerciseWindow>(scheme3Description(), Mode::Advanced, &main_);
    w->setLaunch({folder_, kAdvancedFile, 25, 30, 3});
    EXPECT_EQ(w->state().problem_count, 20);
    EXPECT_EQ(w->state().current_problem, 20);
    w->show();
    EXPECT_EQ(text(*w, "Numero_problema"), QStringLiteral("20/20"));
    click(*w, "LMDsoluzione");
    EXPECT_TRUE(w->state().solutionShown(20));
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    EXPECT_EQ(w->state().current_problem, 20);

    w->setLaunch({folder_, kAdvancedFile, 0, -3, 3});
    EXPECT_EQ(w->state().problem_count, 1);
    EXPECT_EQ(w->state().current_problem, 1);
}

// Records what the window hands to the appearance and worksheet parts.
class RecordingHooks : public ExerciseHooks {
public:
    QStringList calls;
    std::optional<WorksheetChoice> choice;
    QString domandaWhenRestored;

    void LOAD_COLORI(QWidget* window) override
    {
        calls << "LOAD_COLORI";
        // The settings give the instruction line a wording of their own.
        if (auto* label = window->findChild<QLabel*>("Label1"))
            label->setText("Leggi con attenzione");
    }
    void salva(QWidget*, int problem, bool solution) override
    {
        calls << QStringLiteral("salva %1 %2").arg(problem).arg(solution);
    }
    std::optional<WorksheetChoice> caricaINIT(QWidget*) override
    {
        calls << "caricaINIT";
        return choice;
    }
    void carica(QWidget* window, const QString& file) override
    {
        calls << "carica " + file;
        domandaWhenRestored = window->findChild<QLineEdit*>("LMDdomanda")->text();
    }
    void print(ExerciseWindow& window) override
    {
        calls << "print " + window.objectName();
    }
};

TEST_F(Navigation, WorksheetAppearanceAndPrintGoThroughTheHooks)
{
    RecordingHooks hooks;
    auto w = std::make_unique<ExerciseWindow>(scheme3Description(), Mode::Advanced, &main_);
    w->setHooks(&hooks);
    w->setLaunch({folder_, kAdvancedFile, 1, 4, 3});
    w->show();
    EXPECT_EQ(hooks.calls, QStringList{"LOAD_COLORI"});
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi con attenzione"));

    click(*w, "LMDsalva");
    click(*w, "LMDButton2");
    EXPECT_EQ(hooks.calls.mid(1), (QStringList{"salva 1 0", "print FormA3"}));

    // Cancelled: nothing changes.
    hooks.calls.clear();
    makeSomeProgress(*w);
    click(*w, "LMDcarica");
    EXPECT_EQ(hooks.calls, QStringList{"caricaINIT"});
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=1"));

    // A worksheet of problem 3 with its solution shown: the window moves to
    // problem 3 and starts it afresh before the saved texts come back.
    hooks.calls.clear();
    hooks.choice = WorksheetChoice{folder_ + "scheda.ini", 3, 4, true};
    click(*w, "LMDcarica");
    EXPECT_EQ(hooks.calls, (QStringList{"caricaINIT", "LOAD_COLORI", "carica " + folder_ + "scheda.ini"}));
    EXPECT_EQ(w->state().current_problem, 3);
    EXPECT_TRUE(w->state().solutionShown(3));
    EXPECT_EQ(hooks.domandaWhenRestored, QStringLiteral("Quante caramelle ha ogni bambino?"));
    EXPECT_EQ(text(*w, "H2"), QStringLiteral("Err=0"));
    EXPECT_EQ(text(*w, "Label1"), QStringLiteral("Giulia: Leggi con attenzione"));
}

}  // namespace
}  // namespace quorvia::testing
