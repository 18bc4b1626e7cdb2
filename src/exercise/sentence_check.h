// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a sentence step, apart from any widget: a typed sentence
// against the accepted wordings (advanced windows), or the chosen item of a
// list against the right one (beginner windows).

#include "content/mistake_messages.h"
#include "content/scheme.h"

#include <array>
#include <string>

namespace quorvia {

enum class SentenceVerdict {
    Ignored,  // nothing to judge: an empty typed answer
    Wrong,
    Right,
};

// `variants[k]` is accepted wording k (1..5); entry 0 is not used. Spaces and
// the case of a-z do not count, on either side.
SentenceVerdict checkTypedSentence(const std::string& typed,
                                   const std::array<std::string, kVariants + 1>& variants);

// `chosen` is the list's chosen position (-1: none); `correctItem` the
// position of the right sentence as decimal text. No choice is wrong; a
// correct entry that is not a number (a load that never filled it) leaves
// nothing to judge.
SentenceVerdict checkChosenItem(int chosen, const std::string& correctItem);

// Which foreseen mistake a wrong sentence of step `step` is, for its message:
// a typed sentence that equals, after normalising, one of the step's
// foreseen wrong sentences (the first that does); or the variant a chosen
// item holds. General when it is none of them.
Mistake typedSentenceMistake(int step, const std::string& typed, const MistakeMessages& messages);
Mistake chosenItemMistake(int step, int chosen, const std::string& correctItem);

}  // namespace quorvia
