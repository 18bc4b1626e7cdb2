// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four problem schemes and the two modes, and the facts about them that
// more than one layer needs.

#include <array>

namespace quorvia {

enum class Scheme { S3, S4a, S4b, S5 };
enum class Mode { Beginner, Advanced };

// Every scheme, in the order of the main window's scheme spinner (values 1
// to 4) and of GENERALE.INI's INI_FILE1 to INI_FILE4.
inline constexpr std::array<Scheme, 4> kAllSchemes = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};

// The code the main window hands an exercise window: 3, 41, 42 or 5.
int schemeCode(Scheme scheme);
// Scheme of a code; false for an unknown code.
bool schemeFromCode(int code, Scheme& scheme);

// As teachers read them: "3", "4a", "4b", "5"; "principiante", "avanzato".
const char* schemeName(Scheme scheme);
const char* modeName(Mode mode);

// Steps of a problem: 5, 8, 9 and 6.
int stepCount(Scheme scheme);
// The step that is the operation scheme: 4, 7, 7 and 5.
int operationStep(Scheme scheme);
// Schemes 4a, 4b and 5 have a second formula "R2".
bool hasSecondFormula(Scheme scheme);
// Numbers in "R1", one a box of the operation scheme: 2, 4, 3 and 2.
int formulaNumbers(Scheme scheme);
// Index of the first number of "R1" in data_values: 0 for schemes 3 and 5,
// 1 for schemes 4a and 4b.
int firstDataIndex(Scheme scheme);

// Windows hold per-problem state for problems 1 to 20.
constexpr int kMaxProblems = 20;
constexpr int kMaxSteps = 10;
constexpr int kVariants = 5;

}  // namespace quorvia
