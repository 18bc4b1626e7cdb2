// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys a problem file may hold for one scheme, with what the windows do
// with each: its default, whether a "|" in it becomes a line break, and what
// a child meets when it is missing. The lint is driven by this table.

#include "content/scheme.h"

#include <string>
#include <vector>

namespace quorvia::check {

enum class KeyRole {
    ProgramText,   // AREA_PROGRAMMA: exit question, button captions, printout words
    ProblemText,   // TESTO
    Picture,       // JPG_PROBLEMA
    GeneralHelp,   // HELP_GENERALE
    Formula,       // R1, R2
    Caption,       // the labels of the operation scheme
    Hint,          // MSG_HELP<s>
    ErrorMessage,  // VERIFICA_MSG_NO<s>
    Variant,       // the five sentences of a step
    DataValue,     // DATO<n>_VALORE
};

struct KeyInfo {
    std::string name;      // as the program spells it
    KeyRole role;
    const char* fallback;  // what the window shows without it: "?", "???" or nothing
    bool breaks = false;   // a "|" becomes a line break where the value is shown
    int step = 0;          // hints, error messages and variants
    int variant = 0;       // variants: 1 to 5
};

// Section "AREA_PROGRAMMA" of a problem file.
const std::vector<KeyInfo>& programKeys();
// A section "PROBLEMA_<n>" of the scheme, in the order a teacher writes them.
std::vector<KeyInfo> problemKeys(Scheme scheme);

// True when a missing key shows "?" or "???" in its place.
bool showsPlaceholder(const KeyInfo& key);
// What the child meets when the key is missing, as the end of a sentence
// ("nell'elenco del passo 2 comparirebbe «?»").
std::string missingConsequence(const KeyInfo& key, Mode mode);
// The step as a teacher finds it in the file: "passo 2 (DATO1_TESTO)".
std::string stepLabel(Scheme scheme, int step);

}  // namespace quorvia::check
