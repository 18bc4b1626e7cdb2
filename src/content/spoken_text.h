// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a voice is handed for a text a child sees: the numbers written out as
// an Italian child says them ("1,5" is "uno virgola cinque", "4,25 euro" is
// "quattro euro e venticinque centesimi"), the line breaks turned into
// pauses and, for the operation scheme, the signs as words. Voices read
// digits by their own rules, which differ between engines and get decimal
// commas and money wrong; written-out words are read the same by all.

#include <string>

namespace quorvia {

struct SpokenTextOptions {
    // The separator the child types in the number boxes. The other one still
    // counts as decimal in prose; with ',' a dot before three digits
    // ("1.500") groups thousands.
    char decimal_separator = ',';
    // "+", "-", "X", ":" and "=" standing on their own are said as words.
    bool operators_as_words = false;
};

// A whole number in Italian words, as one word ("ventitré", "duemila");
// millions are separate words ("un milione duecentomila").
std::string italianNumberWords(unsigned long long number);

// `text` is UTF-8; so is the answer.
std::string spokenText(const std::string& text, const SpokenTextOptions& options = {});

}  // namespace quorvia
