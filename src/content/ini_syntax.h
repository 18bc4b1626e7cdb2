// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small rules of the INI line syntax that reading and writing share.

#include <string>
#include <string_view>

namespace quorvia::ini {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isQuote(char c) { return c == '"' || c == '\''; }

// Names match without regard to the case of the ASCII letters.
inline std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// Narrows [first, last) of `text` to leave out blanks at either end.
inline void trimBlanks(std::string_view text, std::size_t& first, std::size_t& last) {
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
}

}  // namespace quorvia::ini
