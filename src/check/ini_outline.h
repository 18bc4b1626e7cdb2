#pragma once
// The headers and keys of an INI file as they stand, with their lines:
// what the reader skips (a second section of the same name, a key written
// twice, a key before any section, the end of a value beyond its limit) is
// exactly what a teacher needs to hear about.

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
};

struct IniOutline {
    std::vector<OutlineKey> keys_before_sections;
    std::vector<OutlineSection> sections;  // in file order, repeats included
};

// Reads the lines the way IniFile does (encodings, line endings, comments,
// blanks and quotes), up to the same size limit.
IniOutline outlineOf(std::string_view bytes);
IniOutline readOutline(const std::string& path);

// Names match without regard to the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);

}  // namespace quorvia::check
