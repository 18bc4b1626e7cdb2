// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any of the eight windows, built as the program builds it, on the fixture
// problem file of its scheme and mode ("A4A_PROVA.INI" for TFormA4a): the
// fixture of the tests that every window passes.

#include "exercise_fixture.h"

#include "support/window_cases.h"

namespace quorvia::testing {

class WindowCaseFixture : public ExerciseFixture {
protected:
    // "A4A_PROVA.INI" for TFormA4a.
    static QString fixtureFileOf(const WindowCase& c);
    // The problems the fixture file holds.
    int problemCountOf(const WindowCase& c);
    ProblemContent problemOf(const WindowCase& c, int problem);
    // The window of the case on `problem` of its fixture file, shown; `count`
    // 0 is the file's own count.
    std::unique_ptr<ExerciseWindow> openCase(const WindowCase& c, int problem, int count = 0,
                                             ExerciseHooks* hooks = nullptr);
    // The launch of the case on `problem`, as the main window hands it.
    ExerciseLaunch launchOf(const WindowCase& c, int problem, int count = 0);

    // Where a widget of the scheme stands by design in the window's mode.
    static QPoint designPlace(const ExerciseWindow& w, const char* name);
    // The second row's side the problem's second formula asks for: the
    // partial result on the right when R1 is not the formula's first term.
    static bool partialOnRightIn(const ProblemContent& problem);

private:
    void ensureFile(const WindowCase& c);
};

}  // namespace quorvia::testing
