// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/normalize_answer.h"

namespace quorvia {

std::string NormalizeAnswer(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        // Only the ASCII letters: a byte of a UTF-8 accented letter must not
        // change, or "è" typed by the child would no longer match the file.
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        out += c;
    }
    return out;
}

}  // namespace quorvia
