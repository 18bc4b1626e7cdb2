// SPDX-License-Identifier: GPL-3.0-or-later
// Writing keys into an IniFile and turning it back into the file's bytes.

#include "content/ini_file.h"

#include "content/ini_syntax.h"
#include "content/text_encoding.h"

namespace quorvia {

using ini::isBlank;
using ini::isQuote;
using ini::kUtf8Bom;
using ini::trimBlanks;

namespace {

// Text as one line: every line break (CR LF counting as one) becomes a space,
// and bytes that are not UTF-8 are taken as Windows-1252 as in a file.
std::string singleLine(std::string_view text) {
    std::string utf8 = isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        out += (utf8[i] == '\r' || utf8[i] == '\n') ? ' ' : utf8[i];
    }
    return out;
}

// The value as written in the file: in quotes when reading would otherwise
// strip its blanks or its own enclosing quotes.
std::string valueForFile(const std::string& value) {
    const bool blankEnds = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool quoted = value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
    return blankEnds || quoted ? '"' + value + '"' : value;
}

}  // namespace

void IniFile::insertLine(std::size_t index, std::string_view text) {
    // The line before gains the line ending it lacked at the end of the file.
    if (index > 0 && lines_[index - 1].ending == LineEnding::None) lines_[index - 1].ending = newline_;
    const std::size_t begin = text_.size();
    text_.append(text);
    Line line = classify(begin, text.size());
    line.ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), line);
    lineNumbers_.clear();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string sectionName = singleLine(section);
    std::string keyName = singleLine(key);
    std::size_t first = 0, last = sectionName.size();
    trimBlanks(sectionName, first, last);
    sectionName = sectionName.substr(first, last - first);
    first = 0, last = keyName.size();
    trimBlanks(keyName, first, last);
    keyName = keyName.substr(first, last - first);
    // A line that starts with "[" reads as a header, so such a key could
    // never be read back.
    if (keyName.empty() || keyName[0] == '[') return;
    const std::string valueText = valueForFile(singleLine(value));

    const std::size_t existing = findKey(sectionName, keyName);
    if (existing != kNoLine) {
        // Rewritten as "<key as spelled in the file>=<value>"; the old text
        // stays unused in text_, which keeps every other offset valid.
        Line& line = lines_[existing];
        const std::string text = std::string(nameOf(line)) + "=" + valueText;
        const LineEnding ending = line.ending;
        const std::size_t begin = text_.size();
        text_.append(text);
        line = classify(begin, text.size());
        line.ending = ending;
        return;
    }

    const std::string keyLine = keyName + "=" + valueText;
    if (const Section* found = findSection(sectionName)) {
        const std::size_t after = found->lastKey != kNoLine ? found->lastKey : found->header;
        insertLine(after + 1, keyLine);
    } else {
        if (!lines_.empty()) {
            // A blank line keeps the new section apart from the one before.
            const std::string_view text = textOf(lines_.back());
            const std::size_t lastBreak = text.find_last_of("\r\n");
            std::string_view lastLine =
                lastBreak == std::string_view::npos ? text : text.substr(lastBreak + 1);
            std::size_t from = 0, to = lastLine.size();
            trimBlanks(lastLine, from, to);
            if (from != to) insertLine(lines_.size(), "");
        }
        insertLine(lines_.size(), "[" + sectionName + "]");
        insertLine(lines_.size(), keyLine);
    }
    rebuildIndex();
}

std::string IniFile::serialize() const {
    std::string utf8;
    utf8.reserve(text_.size() + lines_.size());
    for (const Line& line : lines_) {
        utf8.append(textOf(line));
        switch (line.ending) {
        case LineEnding::None: break;
        case LineEnding::CrLf: utf8 += "\r\n"; break;
        case LineEnding::Lf: utf8 += '\n'; break;
        case LineEnding::Cr: utf8 += '\r'; break;
        }
    }
    switch (encoding_) {
    case Encoding::Utf8: return utf8;
    case Encoding::Utf8WithBom: {
        // Every mark the file came with, so that an untouched file keeps its
        // bytes; a read drops them all again.
        return byteOrderMarks(TextEncoding::Utf8, marks_) + utf8;
    }
    case Encoding::Utf16Le:
        return byteOrderMarks(TextEncoding::Utf16Le, marks_) + utf8ToUtf16(utf8, TextEncoding::Utf16Le);
    case Encoding::Utf16Be:
        return byteOrderMarks(TextEncoding::Utf16Be, marks_) + utf8ToUtf16(utf8, TextEncoding::Utf16Be);
    case Encoding::Windows1252: {
        // Code-page bytes that happen to form valid UTF-8 ("Ã„" is C3 84, the
        // UTF-8 of "Ä") would be read back as UTF-8 once a write has removed
        // the bytes that gave the code page away, and bytes that start like a
        // mark as a mark; the code page is kept only where its bytes read
        // back as the same text, and the file goes as UTF-8 otherwise.
        std::string bytes;
        if (utf8ToWindows1252(utf8, bytes) && decodeTeacherText(bytes) == utf8) return bytes;
        return std::string(kUtf8Bom) + utf8;
    }
    }
    return utf8;
}

}  // namespace quorvia
