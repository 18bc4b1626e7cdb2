// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headers and keys of an INI file as they stand, with their lines:
// what the reader skips (a second section of the same name, a key written
// twice, a key before any section, the end of a value beyond its limit) is
// exactly what a teacher needs to hear about.

#include "content/text_encoding.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia::check {

struct OutlineKey {
    std::string name;          // as spelled
    int line = 0;              // 1-based
    std::size_t length = 0;    // characters of the value as written (trimmed, unquoted)
};

struct OutlineSection {
    std::string name;  // as spelled
    int line = 0;
    std::vector<OutlineKey> keys;
    bool closed = true;  // false when its header lacks the "]"
};

struct IniOutline {
    std::vector<OutlineKey> keys_before_sections;
    std::vector<OutlineSection> sections;  // in file order, repeats included
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t marks = 0;  // byte-order marks in front
    // False for bytes no teacher's editor writes as text: NUL bytes (UTF-16
    // without its mark, a picture renamed), or code-page text thick with
    // control bytes. What the reader makes of such a file means nothing.
    bool is_text = true;
    int cut_line = 0;  // the first line not read, in a file beyond the size limit
};

// Reads the lines the way IniFile does (encodings, line endings, comments,
// blanks and quotes), up to the same size limit.
IniOutline outlineOf(std::string_view bytes);
IniOutline readOutline(const std::string& path);

// The encoding as a teacher's editor calls it: "UTF-8", "UTF-8 con BOM",
// "Windows-1252", "UTF-16 LE", "UTF-16 BE".
std::string encodingName(const IniOutline& outline);

// Names match without regard to the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);

}  // namespace quorvia::check
