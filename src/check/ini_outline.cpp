// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ini_outline.h"

#include "content/ini_file.h"
#include "content/ini_syntax.h"
#include "content/text_encoding.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace quorvia::check {

namespace {

// One line of the decoded text, without its line ending.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Control bytes other than the blanks and line breaks of text, with the
// form feed and the old end-of-file mark that editors leave.
bool isStrayControl(unsigned char c)
{
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A;
}

bool looksLikeText(std::string_view bytes, const DecodedText& decoded)
{
    if (decoded.encoding == TextEncoding::Utf16Le || decoded.encoding == TextEncoding::Utf16Be)
        return decoded.text.find('\0') == std::string::npos;
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    if (decoded.encoding != TextEncoding::Windows1252)
        return true;
    // Binary junk in the code page: more than one byte in a hundred.
    const auto stray = std::count_if(bytes.begin(), bytes.end(),
                                     [](char c) { return isStrayControl(static_cast<unsigned char>(c)); });
    return static_cast<std::size_t>(stray) * 100 <= bytes.size();
}

}  // namespace

std::string encodingName(const IniOutline& outline)
{
    switch (outline.encoding) {
    case TextEncoding::Utf8: return outline.marks > 0 ? "UTF-8 con BOM" : "UTF-8";
    case TextEncoding::Windows1252: return "Windows-1252";
    case TextEncoding::Utf16Le: return "UTF-16 LE";
    case TextEncoding::Utf16Be: return "UTF-16 BE";
    }
    return "?";
}

bool sameName(std::string_view a, std::string_view b)
{
    return ini::lowerAscii(a) == ini::lowerAscii(b);
}

IniOutline outlineOf(std::string_view bytes)
{
    IniOutline outline;
    const bool cut = bytes.size() > IniFile::kMaxFileSize;
    if (cut)
        bytes = bytes.substr(0, wholeLinesPrefix(bytes, IniFile::kMaxFileSize));
    const DecodedText decoded = decodeTeacherFile(bytes);
    outline.encoding = decoded.encoding;
    outline.marks = decoded.marks;
    outline.is_text = looksLikeText(bytes, decoded);
    const std::string& text = decoded.text;
    const std::vector<std::string_view> lines = splitLines(text);
    if (cut) {
        // The next line, or the one cut when no line ends before the limit.
        const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
        outline.cut_line = static_cast<int>(lines.size()) + (endsWithBreak || lines.empty() ? 1 : 0);
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string_view line = lines[index];
        const int number = static_cast<int>(index) + 1;
        std::size_t first = 0, last = line.size();
        ini::trimBlanks(line, first, last);
        if (first == last || line[first] == ';' || line[first] == '#')
            continue;
        if (line[first] == '[') {
            const std::size_t close = line.find(']', first + 1);
            std::size_t nameFirst = first + 1, nameLast = std::min(close, last);
            ini::trimBlanks(line, nameFirst, nameLast);
            outline.sections.push_back({std::string(line.substr(nameFirst, nameLast - nameFirst)), number, {},
                                        close != std::string_view::npos});
            continue;
        }
        const std::size_t equals = line.find('=', first);
        if (equals == std::string_view::npos)
            continue;
        std::size_t nameLast = equals;
        ini::trimBlanks(line, first, nameLast);
        if (first == nameLast)
            continue;
        std::size_t valueFirst = equals + 1, valueLast = line.size();
        ini::trimBlanks(line, valueFirst, valueLast);
        if (valueLast - valueFirst >= 2 && ini::isQuote(line[valueFirst]) &&
            line[valueLast - 1] == line[valueFirst]) {
            ++valueFirst;
            --valueLast;
        }
        OutlineKey key{std::string(line.substr(first, nameLast - first)), number,
                       utf8Length(line.substr(valueFirst, valueLast - valueFirst))};
        if (outline.sections.empty())
            outline.keys_before_sections.push_back(std::move(key));
        else
            outline.sections.back().keys.push_back(std::move(key));
    }
    return outline;
}

IniOutline readOutline(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    // One byte beyond the limit tells a file that is cut.
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, IniFile::kMaxFileSize + 1)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return outlineOf(bytes);
}

}  // namespace quorvia::check
