// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing INI text into lines with an index, and reading keys from it.

#include "content/ini_file.h"

#include "content/ini_syntax.h"
#include "content/text_encoding.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cstdint>

namespace quorvia {

using ini::isBlank;
using ini::isQuote;
using ini::lowerAscii;
using ini::trimBlanks;

namespace {

bool parseDigits(std::string_view digits, int base, std::uint64_t limit, std::uint64_t& value) {
    if (digits.empty()) return false;
    value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        value = value * base + digit;
        if (value > limit) return false;
    }
    return true;
}

bool parseInteger(std::string_view text, int& result) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::uint64_t magnitude;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!parseDigits(text.substr(2), 16, 0xFFFFFFFFu, magnitude)) return false;
    } else if (!text.empty() && text[0] == '$') {
        if (!parseDigits(text.substr(1), 16, 0xFFFFFFFFu, magnitude)) return false;
    } else {
        const std::uint64_t limit = negative ? std::uint64_t(INT_MAX) + 1 : INT_MAX;
        if (!parseDigits(text, 10, limit, magnitude)) return false;
        result = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                          : static_cast<int>(magnitude);
        return true;
    }
    // Hexadecimal is a 32-bit pattern: "$FFFFFFFF" is -1.
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = ~bits + 1u;
    result = static_cast<std::int32_t>(bits);
    return true;
}

}  // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile file;
    DecodedText decoded = decodeTeacherFile(bytes);
    file.text_ = std::move(decoded.text);
    if (decoded.encoding == TextEncoding::Windows1252) {
        // Marks followed by bytes that are not UTF-8 lied: the bytes are the
        // code page's, and the marks are not written back.
        file.encoding_ = Encoding::Windows1252;
    } else if (decoded.encoding == TextEncoding::Utf16Le || decoded.encoding == TextEncoding::Utf16Be) {
        file.encoding_ = decoded.encoding == TextEncoding::Utf16Le ? Encoding::Utf16Le : Encoding::Utf16Be;
        file.marks_ = decoded.marks;
    } else if (decoded.marks > 0) {
        file.encoding_ = Encoding::Utf8WithBom;
        file.marks_ = decoded.marks;
    }

    bool endingSeen = false;
    const std::string& text = file.text_;
    // Room for every line at once: a vector grown line by line copied the
    // lines again and again, and for a file of a few dozen kilobytes made the
    // allocator fetch and return memory from the system at every read.
    std::size_t breaks = 0;
    for (const char* at = text.data(), *end = at + text.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))); ++at) {
        ++breaks;
    }
    if (breaks == 0) breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    file.lines_.reserve(breaks + 1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        std::size_t next;
        LineEnding ending;
        if (end == text.size()) {
            next = end;
            ending = LineEnding::None;
        } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ending = LineEnding::CrLf;
            next = end + 2;
        } else {
            ending = text[end] == '\r' ? LineEnding::Cr : LineEnding::Lf;
            next = end + 1;
        }
        if (!endingSeen && ending != LineEnding::None) {
            file.newline_ = ending;
            endingSeen = true;
        }
        Line line = file.classify(pos, end - pos);
        line.ending = ending;
        Line* previous = file.lines_.empty() ? nullptr : &file.lines_.back();
        if (line.kind == LineKind::Other && previous && previous->kind == LineKind::Other) {
            previous->length = static_cast<std::uint32_t>(end - previous->begin);
            previous->ending = ending;
        } else {
            file.lines_.push_back(line);
        }
        pos = next;
    }
    file.rebuildIndex();
    return file;
}

IniFile::Line IniFile::classify(std::size_t begin, std::size_t length) const {
    Line line;
    line.begin = begin;
    line.length = static_cast<std::uint32_t>(length);
    const std::string_view text(text_.data() + begin, length);

    std::size_t first = 0, last = text.size();
    trimBlanks(text, first, last);
    if (first == last || text[first] == ';' || text[first] == '#') return line;

    if (text[first] == '[') {
        // A header ends at "]"; a teacher's "[PROBLEMA_3" without one still
        // opens section PROBLEMA_3, up to the end of the line, as with the
        // platform's own reader. Such a line is never a key.
        std::size_t nameFirst = first + 1, nameLast = std::min(text.find(']', first + 1), last);
        trimBlanks(text, nameFirst, nameLast);
        line.kind = LineKind::Header;
        line.nameBegin = static_cast<std::uint32_t>(nameFirst);
        line.nameLength = static_cast<std::uint32_t>(nameLast - nameFirst);
        return line;
    }

    const std::size_t equals = text.find('=', first);
    if (equals == std::string_view::npos) return line;
    std::size_t nameLast = equals;
    trimBlanks(text, first, nameLast);
    if (first == nameLast) return line;  // "=value": no name to find it by

    std::size_t valueFirst = equals + 1, valueLast = text.size();
    trimBlanks(text, valueFirst, valueLast);
    if (valueLast - valueFirst >= 2 && isQuote(text[valueFirst]) &&
        text[valueLast - 1] == text[valueFirst]) {
        ++valueFirst;
        --valueLast;
    }
    if (valueLast - valueFirst > kMaxValueLength) {
        valueLast = valueFirst +
                    utf8Prefix(text.substr(valueFirst, valueLast - valueFirst), kMaxValueLength).size();
    }
    line.kind = LineKind::Key;
    line.nameBegin = static_cast<std::uint32_t>(first);
    line.nameLength = static_cast<std::uint32_t>(nameLast - first);
    line.valueBegin = static_cast<std::uint32_t>(valueFirst);
    line.valueLength = static_cast<std::uint32_t>(valueLast - valueFirst);
    return line;
}

void IniFile::rebuildIndex() {
    lineNumbers_.clear();
    sections_.clear();
    sectionIndex_.clear();
    std::size_t current = kNoLine;  // keys before any section belong nowhere
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Header) {
            const auto [it, added] = sectionIndex_.try_emplace(lowerAscii(nameOf(line)), sections_.size());
            current = added ? it->second : kNoLine;
            if (added) sections_.push_back(Section{i, kNoLine, false, {}});
        } else if (line.kind == LineKind::Key && current != kNoLine) {
            sections_[current].lastKey = i;
        }
    }
}

const IniFile::KeyIndex& IniFile::keysOf(const Section& section) const {
    if (!section.keysIndexed && section.lastKey != kNoLine) {
        // No header stands between a section's header and its last key.
        for (std::size_t i = section.header + 1; i <= section.lastKey; ++i) {
            if (lines_[i].kind == LineKind::Key) section.keys.try_emplace(lowerAscii(nameOf(lines_[i])), i);
        }
    }
    section.keysIndexed = true;
    return section.keys;
}

std::string_view IniFile::textOf(const Line& line) const {
    return std::string_view(text_).substr(line.begin, line.length);
}

std::string_view IniFile::nameOf(const Line& line) const {
    return textOf(line).substr(line.nameBegin, line.nameLength);
}

std::string_view IniFile::valueOf(const Line& line) const {
    return textOf(line).substr(line.valueBegin, line.valueLength);
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    const auto it = sectionIndex_.find(lowerAscii(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::size_t IniFile::findKey(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found) return kNoLine;
    const KeyIndex& keys = keysOf(*found);
    const auto it = keys.find(lowerAscii(key));
    return it == keys.end() ? kNoLine : it->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::size_t line = findKey(section, key);
    return std::string(line == kNoLine ? fallback : valueOf(lines_[line]));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::size_t line = findKey(section, key);
    int result;
    if (line == kNoLine || !parseInteger(valueOf(lines_[line]), result)) return fallback;
    return result;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (section.lastKey != kNoLine) names.emplace_back(nameOf(lines_[section.header]));
    }
    return names;
}

bool IniFile::sectionExists(std::string_view section) const {
    const Section* found = findSection(section);
    return found && found->lastKey != kNoLine;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = findSection(section);
    if (!found || found->lastKey == kNoLine) return names;
    for (std::size_t i = found->header + 1; i <= found->lastKey; ++i) {
        const Line& line = lines_[i];
        // Only the first line of a repeated key is ever read.
        if (line.kind == LineKind::Key && keysOf(*found).at(lowerAscii(nameOf(line))) == i) {
            names.emplace_back(nameOf(line));
        }
    }
    return names;
}

int IniFile::lineOf(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found) return 0;
    std::size_t target = found->header;
    if (!key.empty()) {
        const KeyIndex& keys = keysOf(*found);
        const auto it = keys.find(lowerAscii(key));
        if (it == keys.end()) return 0;
        target = it->second;
    }
    return lineNumbers()[target];
}

const std::vector<int>& IniFile::lineNumbers() const {
    if (lineNumbers_.size() == lines_.size()) return lineNumbers_;
    lineNumbers_.clear();
    lineNumbers_.reserve(lines_.size());
    // Runs of plain lines share one entry, so count their line breaks.
    int number = 1;
    for (const Line& line : lines_) {
        lineNumbers_.push_back(number);
        const std::string_view text = textOf(line);
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (text[k] == '\n' || (text[k] == '\r' && (k + 1 == text.size() || text[k + 1] != '\n'))) {
                ++number;
            }
        }
        if (line.ending != LineEnding::None) ++number;
    }
    return lineNumbers_;
}

}  // namespace quorvia
