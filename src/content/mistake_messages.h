// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages a teacher writes for one foreseen mistake: a wrong sentence of a
// beginner's list, a wrong sentence typed in advanced mode, or a kind of
// mistake in the operation scheme. Every such key is optional; a mistake
// with no message of its own shows the step's VERIFICA_MSG_NO<s>, so a file
// without them behaves as it always did.

#include "content/ini_file.h"
#include "content/scheme.h"

#include <array>
#include <string>

namespace quorvia {

// Foreseen wrong sentences per step of an advanced file.
constexpr int kForeseenSentences = 5;
// Rows of an operation scheme: one, or two where there is a second formula.
constexpr int kSchemeRows = 2;

enum class MistakeKind {
    General,           // nothing more is known: VERIFICA_MSG_NO<s>
    WrongVariant,      // beginner: wrong sentence `which` (2..5) of the list
    ForeseenSentence,  // advanced: foreseen wrong sentence `which` (1..5)
    // The operation scheme, on row `which` (1 or 2):
    Sign,           // an operator is wrong
    Order,          // the right numbers in the wrong boxes
    UnknownNumber,  // a number that is not one of the problem's
    Calculation,    // numbers and signs right, a result wrong
};

struct Mistake {
    MistakeKind kind = MistakeKind::General;
    int step = 0;
    int which = 0;  // variant, foreseen sentence or row, by kind
};

// The four kinds of scheme mistake, in the order of their keys.
inline constexpr std::array<MistakeKind, 4> kSchemeMistakeKinds = {
    MistakeKind::Sign, MistakeKind::Order, MistakeKind::UnknownNumber, MistakeKind::Calculation};

struct MistakeMessages {
    // [s][k]: VERIFICA_MSG_NO<s>_<k>; entries 0 and 1 are never used.
    std::array<std::array<std::string, kVariants + 1>, kMaxSteps + 1> wrong_variant;
    // [s][j]: RISPOSTA_SBAGLIATA<s>_<j> and VERIFICA_MSG_NO<s>_SE<j>.
    std::array<std::array<std::string, kForeseenSentences + 1>, kMaxSteps + 1> foreseen_sentence;
    std::array<std::array<std::string, kForeseenSentences + 1>, kMaxSteps + 1> foreseen_message;
    // [kind][row], kinds in the order of kSchemeMistakeKinds; row 0 is the
    // key without a row suffix.
    std::array<std::array<std::string, kSchemeRows + 1>, kSchemeMistakeKinds.size()> scheme;
};

// Key names. Row 0 gives the key without suffix ("VERIFICA_MSG_SEGNO"),
// rows 1 and 2 "VERIFICA_MSG_SEGNO_1" and "..._2"; "" for a kind that is not
// a scheme mistake.
std::string schemeMistakeKey(MistakeKind kind, int row);
std::string wrongVariantKey(int step, int variant);           // VERIFICA_MSG_NO<s>_<k>
std::string foreseenSentenceKey(int step, int sentence);      // RISPOSTA_SBAGLIATA<s>_<j>
std::string foreseenMessageKey(int step, int sentence);       // VERIFICA_MSG_NO<s>_SE<j>

// Every key absent reads as "" (no message).
MistakeMessages readMistakeMessages(const IniFile& file, const std::string& section);

// The teacher's message for this very mistake: a non-empty value of its
// key, and for the scheme the row's key before the key without suffix. Null
// when there is none.
const std::string* ownMessage(const Mistake& mistake, const MistakeMessages& messages);
// The key that message comes from; "" when there is none.
std::string ownMessageKey(const Mistake& mistake, const MistakeMessages& messages);

// The message a failed check shows: the mistake's own message, otherwise
// `general`, the step's VERIFICA_MSG_NO<s>.
const std::string& errorMessageFor(const Mistake& mistake, const MistakeMessages& messages,
                                   const std::string& general);

}  // namespace quorvia
