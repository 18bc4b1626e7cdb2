// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight exercise windows, each scheme in both modes, as the parameter of
// the tests every window passes. The list is the tests' own, not the
// program's table, so that a window the program stops building fails its
// cases instead of leaving them out.

#include "content/scheme.h"
#include "exercise/scheme3.h"
#include "exercise/scheme4a.h"
#include "exercise/scheme4b.h"
#include "exercise/scheme5.h"
#include "exercise/scheme_description.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quorvia::testing {

struct WindowCase {
    Mode mode;
    const SchemeDescription* description;

    Scheme scheme() const { return description->scheme; }
    // "TFormA3"
    const char* name() const
    {
        return mode == Mode::Advanced ? description->advanced_window : description->beginner_window;
    }
};

// The scheme's place on the main window's scheme spinner, which is also the
// number of its INI_FILE<n> and MAX<n> keys in GENERALE.INI.
inline int schemeSpinnerValue(Scheme scheme)
{
    switch (scheme) {
    case Scheme::S3: return 1;
    case Scheme::S4a: return 2;
    case Scheme::S4b: return 3;
    case Scheme::S5: return 4;
    }
    return 1;
}

// The section of GENERALE.INI that names the problem files of a mode.
inline const char* generaleSection(Mode mode)
{
    return mode == Mode::Advanced ? "AVANZATO" : "PRINCIPIANTE";
}

// Found by the parameterised tests when a case fails.
inline void PrintTo(const WindowCase& window, std::ostream* out)
{
    *out << window.name();
}

inline std::string windowCaseName(const ::testing::TestParamInfo<WindowCase>& info)
{
    return info.param.name();
}

// For ::testing::ValuesIn.
inline std::vector<WindowCase> everyWindow()
{
    std::vector<WindowCase> cases;
    for (const SchemeDescription* scheme : {&scheme3Description(), &scheme4aDescription(),
                                            &scheme4bDescription(), &scheme5Description()}) {
        for (Mode mode : {Mode::Advanced, Mode::Beginner})
            cases.push_back({mode, scheme});
    }
    return cases;
}

// One window of the list; a scheme and mode the list lacks fails the test.
inline WindowCase windowOf(Scheme scheme, Mode mode)
{
    for (const WindowCase& c : everyWindow()) {
        if (c.scheme() == scheme && c.mode == mode)
            return c;
    }
    ADD_FAILURE() << "no such window";
    return everyWindow().front();
}

}  // namespace quorvia::testing
