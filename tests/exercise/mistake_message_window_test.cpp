// SPDX-License-Identifier: GPL-3.0-or-later
// The windows show the teacher's message for the very mistake made, in the
// hint balloon, and count the error as any other; a mistake without a
// message of its own shows the step's message.

#include "scheme5_fixture.h"

#include "exercise/hint_balloon.h"

namespace quorvia::testing {
namespace {

const QString kBeginner5Messages = QStringLiteral("P5_MESSAGGI.INI");
const QString kAdvanced3Messages = QStringLiteral("A3_MESSAGGI.INI");

class MistakeMessages : public Scheme5Fixture {
protected:
    void SetUp() override
    {
        Scheme5Fixture::SetUp();
        addTestFile(kBeginner5Messages);
        addTestFile(kAdvanced3Messages);
    }

    std::unique_ptr<ExerciseWindow> openBeginner5()
    {
        auto window = create(Mode::Beginner);
        window->setLaunch({folder_, kBeginner5Messages, 1, 1, 5});
        window->show();
        return window;
    }

    static QString balloon(ExerciseWindow& w)
    {
        auto* shown = w.findChild<HintBalloon*>("msg");
        return shown ? shown->text() : QString();
    }

    // Checks the scheme and lets the error animation end.
    static QString checkScheme(ExerciseWindow& w)
    {
        click(w, "B5");
        finishAnimations(w);
        return balloon(w);
    }
};

TEST_F(MistakeMessages, BeginnerWrongVariantShowsItsOwnMessageOrTheStepsOne)
{
    auto w = openBeginner5();
    const ProblemContent problem = problemIn(kBeginner5Messages, 1, Scheme::S5);
    const auto positionOf = [&](int variant) {
        return rightPosition(*w, "EB01", QString::fromStdString(problem.variants[1][variant]));
    };

    choose(*w, "EB01", positionOf(3));
    click(*w, "B1");
    EXPECT_EQ(balloon(*w),
              QStringLiteral("Il prezzo di un quaderno lo sai già: il problema chiede quanto spende Marco."));
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=1"));
    finishAnimations(*w);

    choose(*w, "EB01", positionOf(2));
    click(*w, "B1");
    EXPECT_EQ(balloon(*w), QStringLiteral("Questa non è la domanda del problema."));
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=2"));
    EXPECT_EQ(w->errorTotal(), 2);
}

TEST_F(MistakeMessages, SchemeMistakesShowTheMessageOfTheirKindAndRow)
{
    auto w = openBeginner5();
    answerStepsBeforeScheme(*w, problemIn(kBeginner5Messages, 1, Scheme::S5));
    // 12 + 5 = 17, 17 x 3 = 51
    fillScheme(*w, {"12", "N3", "5", "7", "3", "x1", "21"});
    EXPECT_EQ(checkScheme(*w), QStringLiteral("Pensa: i quaderni si mettono insieme o si tolgono?"));
    fillScheme(*w, {"12", "N1", "5", "17", "3", "N1", "20"});
    EXPECT_EQ(checkScheme(*w),
              QStringLiteral("Ogni quaderno costa 3 euro: quale operazione ripete lo stesso numero?"));
    fillScheme(*w, {"12", "N1", "5", "17", "3", "x1", "50"});
    EXPECT_EQ(checkScheme(*w), QStringLiteral("I numeri e i segni vanno bene: rifai il calcolo con calma."));
    // No key for the order: the step's message.
    fillScheme(*w, {"5", "N1", "12", "17", "3", "x1", "51"});
    EXPECT_EQ(checkScheme(*w), QStringLiteral("Controlla i numeri, i segni e i due risultati."));
    EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=4"));

    fillScheme(*w, {"12", "N1", "5", "17", "3", "x1", "51"});
    click(*w, "B5");
    EXPECT_EQ(text(*w, "H5"), QStringLiteral("Err=4"));
    EXPECT_EQ(ledColour(*w, "Shape05"), kLime);
}

TEST_F(MistakeMessages, AdvancedForeseenSentenceIsKnownWhateverItsSpacesAndCase)
{
    auto w = open(Mode::Advanced, 1, 1, kAdvanced3Messages);
    type(*w, "LMDdomanda", "quante  BUSTINE ha luca?");
    enter(*w, "LMDdomanda");
    EXPECT_EQ(balloon(*w), QStringLiteral("Le bustine le conosci già: il problema chiede le figurine."));
    finishAnimations(*w);
    type(*w, "LMDdomanda", "Quante figurine ci sono in una bustina?");
    click(*w, "B1");
    EXPECT_EQ(balloon(*w), QStringLiteral("Questo lo dice già il testo: cerca la domanda."));
    finishAnimations(*w);
    type(*w, "LMDdomanda", "Quante bustine ha Marco?");
    click(*w, "B1");
    EXPECT_EQ(balloon(*w), QStringLiteral("Ricopia bene la domanda."));
    EXPECT_EQ(text(*w, "H1"), QStringLiteral("Err=3"));
}

}  // namespace
}  // namespace quorvia::testing
