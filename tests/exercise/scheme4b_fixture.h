// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scheme-4b windows on their own fixture problem files, and the steps a
// child takes through them.

#include "exercise_fixture.h"

#include "exercise/exercise_hooks.h"
#include "exercise/exercise_windows.h"
#include "exercise/scheme4b.h"

namespace quorvia::testing {

inline const QString kAdvanced4bFile = QStringLiteral("A4B_PROVA.INI");
inline const QString kBeginner4bFile = QStringLiteral("P4B_PROVA.INI");

// The right sentences of the fixture's first two problems (identical in both
// files), step by step; index = step, "" for the operation scheme.
inline const QStringList kProblem1Sentences = {
    QString(),
    QStringLiteral("Quanto spende Martina?"),
    QStringLiteral("Quanto riceve di resto?"),
    QStringLiteral("Il quaderno costa 3 euro."),
    QStringLiteral("La penna costa 2 euro."),
    QStringLiteral("La gomma costa 1 euro."),
    QStringLiteral("Martina paga con 10 euro."),
    QString(),
    QStringLiteral("Martina spende 6 euro."),
    QStringLiteral("Martina riceve 4 euro di resto."),
};
inline const QStringList kProblem2Sentences = {
    QString(),
    QStringLiteral("Quanti animali ci sono?"),
    QStringLiteral("Quante zampe hanno?"),
    QStringLiteral("Ci sono 8 mucche."),
    QStringLiteral("Ci sono 5 cavalli."),
    QStringLiteral("Ci sono 7 pecore."),
    QStringLiteral("Ogni animale ha 4 zampe."),
    QString(),
    QStringLiteral("Ci sono 20 animali."),
    QStringLiteral("Hanno 80 zampe."),
};

class Scheme4bFixture : public ExerciseFixture {
protected:
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        for (const QString& file : {kAdvanced4bFile, kBeginner4bFile})
            addTestFile(file);
    }

    // A window of the pair on its fixture file, shown as the main window
    // shows it.
    std::unique_ptr<ExerciseWindow> open4b(Mode mode, int problem = 1, int count = 11)
    {
        std::unique_ptr<ExerciseWindow> window(createExerciseWindow(Scheme::S4b, mode, &main_));
        window->setLaunch({folder_, mode == Mode::Advanced ? kAdvanced4bFile : kBeginner4bFile,
                           problem, count, 42});
        window->show();
        return window;
    }

    // Restores a worksheet of `problem` whose solution had been shown; the
    // saved texts themselves are left out.
    void restoreWorksheetWithSolution(ExerciseWindow& w, int problem, int count = 11)
    {
        worksheet_.choice = WorksheetChoice{QStringLiteral("scheda.ini"), problem, count, true};
        w.setHooks(&worksheet_);
        click(w, "LMDcarica");
    }

private:
    struct WorksheetPicker : ExerciseHooks {
        std::optional<WorksheetChoice> choice;
        std::optional<WorksheetChoice> caricaINIT(QWidget*) override { return choice; }
    };
    WorksheetPicker worksheet_;

public:
    static void answerSteps(ExerciseWindow& w, const QStringList& sentences, int from, int to)
    {
        for (int step = from; step <= to; ++step)
            answer(w, step, sentences[step]);
    }

    // Fills the operation scheme as the child does; a null sign picks none.
    static void fillScheme(ExerciseWindow& w, const QString& e17, const QString& e27,
                           const QString& e37, const char* columnSign, const QString& e57,
                           const QString& e67, const char* secondSign, const QString& e77)
    {
        type(w, "E17", e17);
        type(w, "E27", e27);
        type(w, "E37", e37);
        if (columnSign)
            pickSign(w, "Lop1", columnSign);
        type(w, "E57", e57);
        type(w, "E67", e67);
        if (secondSign)
            pickSign(w, "Lop2", secondSign);
        type(w, "E77", e77);
    }
};

}  // namespace quorvia::testing
