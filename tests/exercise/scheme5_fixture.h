// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh scheme-5 window per test on the fixture files A5_PROVA.INI and
// P5_PROVA.INI, with the helpers that fill its two-row operation scheme.

#include "exercise_fixture.h"

#include "exercise/scheme5.h"

namespace quorvia::testing {

inline const QString kAdvanced5File = QStringLiteral("A5_PROVA.INI");
inline const QString kBeginner5File = QStringLiteral("P5_PROVA.INI");

// The five numbers and the two signs of the operation scheme.
struct Scheme5Entry {
    const char* dato1;
    const char* sign1;  // menu item; null: none picked
    const char* dato2;
    const char* partial;
    const char* dato3;
    const char* sign2;  // menu item; null: none picked
    const char* result;
};

class Scheme5Fixture : public ExerciseFixture {
protected:
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        for (const QString& file : {kAdvanced5File, kBeginner5File})
            addTestFile(file);
    }

    static QString fileOf(Mode mode) { return mode == Mode::Advanced ? kAdvanced5File : kBeginner5File; }

    // The window of the mode, not yet shown.
    std::unique_ptr<ExerciseWindow> create(Mode mode)
    {
        return std::unique_ptr<ExerciseWindow>(createScheme5Window(mode, &main_, nullptr));
    }

    // TFormA5 or TFormP5 on its fixture file, shown, so it starts the problem.
    std::unique_ptr<ExerciseWindow> open5(Mode mode, int problem = 1, int count = 8)
    {
        auto window = create(mode);
        window->setLaunch({folder_, fileOf(mode), problem, count, 5});
        window->show();
        return window;
    }

    ProblemContent fixtureProblem(Mode mode, int problem) const
    {
        return problemIn(fileOf(mode), problem, Scheme::S5);
    }

    // Steps 1 to 4 answered right: the operation scheme is open.
    void passDataSteps(ExerciseWindow& w, int problem)
    {
        answerStepsBeforeScheme(w, fixtureProblem(w.mode(), problem));
    }

    static void fillScheme(ExerciseWindow& w, const Scheme5Entry& e)
    {
        type(w, "dato1", QString::fromUtf8(e.dato1));
        if (e.sign1)
            pickSign(w, "Loper1", e.sign1);
        type(w, "dato2", QString::fromUtf8(e.dato2));
        type(w, "Risultato1", QString::fromUtf8(e.partial));
        type(w, "dato3", QString::fromUtf8(e.dato3));
        if (e.sign2)
            pickSign(w, "Loper2", e.sign2);
        type(w, "Risultato2", QString::fromUtf8(e.result));
    }
};

}  // namespace quorvia::testing
