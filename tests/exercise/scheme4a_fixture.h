// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh scheme-4a window per test on the fixture files A4A_PROVA.INI and
// P4A_PROVA.INI, with the helpers that answer its steps and fill its
// operation scheme.

#include "exercise_fixture.h"

#include "exercise/scheme4a.h"

namespace quorvia::testing {

inline const QString kAdvanced4aFile = QStringLiteral("A4A_PROVA.INI");
inline const QString kBeginner4aFile = QStringLiteral("P4A_PROVA.INI");

// The seven numbers and the two signs of the operation scheme.
struct Scheme4aEntry {
    const char* column[4];  // E17, E27, E37, E47
    const char* sign1;      // menu item for Lop1; null: none picked
    const char* partial;    // E57
    const char* datum;      // E67
    const char* sign2;      // menu item for Lop2; null: none picked
    const char* result;     // E77
};

class Scheme4aFixture : public ExerciseFixture {
protected:
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        for (const QString& file : {kAdvanced4aFile, kBeginner4aFile})
            addTestFile(file);
    }

    static QString fileOf(Mode mode) { return mode == Mode::Advanced ? kAdvanced4aFile : kBeginner4aFile; }

    // TFormA4a or TFormP4a on its fixture file, shown, so it starts the problem.
    std::unique_ptr<Scheme4aWindow> open4a(Mode mode, int problem = 1, int count = 12)
    {
        auto window = std::make_unique<Scheme4aWindow>(mode, &main_);
        window->setLaunch({folder_, fileOf(mode), problem, count, 41});
        window->show();
        return window;
    }

    ProblemContent fixtureProblem(Mode mode, int problem) const
    {
        return problemIn(fileOf(mode), problem, Scheme::S4a);
    }

    // Steps 1 to 6 answered right: the operation scheme is open.
    void passDataSteps(ExerciseWindow& w, int problem)
    {
        answerStepsBeforeScheme(w, fixtureProblem(w.mode(), problem));
    }

    static void fillScheme(ExerciseWindow& w, const Scheme4aEntry& e)
    {
        const char* const boxes[] = {"E17", "E27", "E37", "E47"};
        for (int i = 0; i < 4; ++i)
            type(w, QLatin1String(boxes[i]), QString::fromUtf8(e.column[i]));
        if (e.sign1)
            pickSign(w, "Lop1", e.sign1);
        type(w, "E57", QString::fromUtf8(e.partial));
        type(w, "E67", QString::fromUtf8(e.datum));
        if (e.sign2)
            pickSign(w, "Lop2", e.sign2);
        type(w, "E77", QString::fromUtf8(e.result));
    }
};

}  // namespace quorvia::testing
