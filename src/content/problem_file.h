// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading one problem of a problem file: every key with its default, and
// "|" turned into a line break exactly where the format says so.

#include "content/ini_file.h"
#include "content/mistake_messages.h"
#include "content/scheme.h"

#include <array>
#include <string>

namespace quorvia {

// A "|" in the marked texts becomes this line break.
inline constexpr const char* kLineBreak = "\n";
std::string withLineBreaks(const std::string& text);

// Which captions of the operation scheme a scheme uses, and which of them
// turn "|" into a line break. The schemes differ on purpose: in 4a and 4b
// the column captions sit in narrow single-line labels.
struct CaptionRules {
    int data_captions;                // MSG_DATO1 .. MSG_DATO<n>
    std::array<bool, 6> data_breaks;  // index = n
    bool has_partial;                 // MSG_RISULTATO_PARZIALE
    bool partial_breaks;              // the label under the partial result box
    bool jolly_breaks;                // the copy on Ljolly
};
const CaptionRules& captionRules(Scheme scheme);

// Section "AREA_PROGRAMMA" of a problem file.
struct ProgramTexts {
    std::string exit_question;          // MSG_USCITA, "???"
    std::string solved_alone_text;      // MSG_RISOLTO_DA, "?"
    std::string solved_with_help_text;  // MSG_RISOLTO_CON, "?"
    std::string verifica_caption;       // BTN_VERIFICA, "?"
    std::string solution_caption;       // BTN_SOLUZIONE, "?"
};

// Section "PROBLEMA_<n>". Arrays are indexed by the number in the key name;
// entry 0 is unused. Captions already carry the line breaks their scheme
// gives them.
struct ProblemContent {
    int number = 0;            // the N of PROBLEMA_N it was read from
    std::string text;          // TESTO, "???", with line breaks
    std::string picture;       // JPG_PROBLEMA, as written
    std::string general_help;  // HELP_GENERALE, "?", with line breaks
    std::string r1;            // as written, "" by default
    std::string r2;            // schemes 4a, 4b, 5

    // Captions a scheme does not use stay "?".
    std::array<std::string, 6> data_captions;  // MSG_DATO1..5 (3: 1-2, 4a: 1-5, 4b: 1-4, 5: 1-3)
    std::string partial_caption;               // MSG_RISULTATO_PARZIALE under the partial box
    std::string partial_caption_on_jolly;      // the copy on Ljolly
    std::string final_caption;                 // MSG_RISULTATO_FINALE

    // variants[s][k]: step s (1..10), variant k (1..5); "?" when missing.
    // Empty rows for the operation-scheme step.
    std::array<std::array<std::string, kVariants + 1>, kMaxSteps + 1> variants;
    // Both read for s = 1..10 whatever the scheme; a window shows its own steps.
    std::array<std::string, kMaxSteps + 1> hints;           // MSG_HELP<s>, ""
    std::array<std::string, kMaxSteps + 1> error_messages;  // VERIFICA_MSG_NO<s>, "?"
    // The optional messages for foreseen mistakes, "" each when absent.
    MistakeMessages mistakes;
    // DATO<n>_VALORE, n = 1..10, with the current decimal separator; missing
    // or not a number: 0.
    std::array<long double, 11> data_numbers{};
};

ProgramTexts readProgramTexts(const IniFile& file);
// A problem number without a section gives every default.
ProblemContent readProblem(const IniFile& file, int problem, Scheme scheme);

// The first `words` words of a problem's text on one line, for a report
// that names the problem ("Luca compra 3 quaderni da 2 euro l'uno …"): "|"
// is a blank here, and "…" closes a text cut short. "" when the problem has
// no text.
std::string problemOpening(const IniFile& file, int problem, std::size_t words = 8);

// The key of variant k of step s in this scheme ("DOMANDA1", "DATO2_TESTO3",
// "DOMANDA1_4", "RISPOSTA2_5"); "" for the operation step or s out of range.
std::string variantKey(Scheme scheme, int step, int variant);

// What a step is called where people read about it (a child's progress, a
// teacher's report), made from its keys: "domanda", "domanda 2", "dato 1",
// "schema" for the operation step, "risposta", "risposta 1"; "" past the
// scheme's last step.
std::string stepName(Scheme scheme, int step);

}  // namespace quorvia
