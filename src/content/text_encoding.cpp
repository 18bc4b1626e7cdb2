// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvia {

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same number, as Windows itself converts them, so every
// file survives a read and a write byte for byte.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;  // the rest of the code page is Latin-1
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when it is not
// one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF,
// cut short). The code point is stored in `cp`.
std::size_t sequenceAt(std::string_view bytes, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t length;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, min = 0x80, cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, min = 0x800, cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

char16_t unitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
}

void appendUnit(std::string& out, char16_t unit, bool bigEndian) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// UTF-16 bytes (without their mark) as UTF-8; false when they are not
// well-formed: an odd count, or a surrogate without its other half.
bool utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out) {
    if (bytes.size() % 2 != 0) return false;
    out.clear();
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t unit = unitAt(bytes, i, bigEndian);
        if (unit < 0xD800 || unit > 0xDFFF) {
            appendUtf8(out, unit);
            continue;
        }
        if (unit > 0xDBFF || i + 3 >= bytes.size()) return false;
        const char16_t low = unitAt(bytes, i + 2, bigEndian);
        if (low < 0xDC00 || low > 0xDFFF) return false;
        appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
    }
    return true;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {  // most of any file
            ++i;
            continue;
        }
        const std::size_t length = sequenceAt(bytes, i, cp);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

namespace {

// The UTF-8 of each byte from 0x80 up, made once: a teacher's Windows file
// is converted at every problem a window shows.
struct HighByteUtf8 {
    char bytes[3];
    unsigned char length;
};

const std::array<HighByteUtf8, 128>& highBytesUtf8() {
    static const std::array<HighByteUtf8, 128> table = [] {
        std::array<HighByteUtf8, 128> made{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            std::string utf8;
            appendUtf8(utf8, windows1252CodePoint(static_cast<unsigned char>(b)));
            HighByteUtf8& entry = made[static_cast<std::size_t>(b - 0x80)];
            entry.length = static_cast<unsigned char>(utf8.size());
            std::copy(utf8.begin(), utf8.end(), entry.bytes);
        }
        return made;
    }();
    return table;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    const auto& high = highBytesUtf8();
    // The exact size first, so the text is made in one piece: growing it
    // step by step cost more than the conversion.
    std::size_t size = bytes.size();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) size += high[b - 0x80].length - 1u;
    }
    std::string out(size, '\0');
    char* to = out.data();
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t plain = i;  // most of any file is ASCII: copied in runs
        while (plain < bytes.size() && static_cast<unsigned char>(bytes[plain]) < 0x80) ++plain;
        std::copy(bytes.data() + i, bytes.data() + plain, to);
        to += plain - i;
        if (plain == bytes.size()) break;
        const HighByteUtf8& entry = high[static_cast<unsigned char>(bytes[plain]) - 0x80];
        to = std::copy(entry.bytes, entry.bytes + entry.length, to);
        i = plain + 1;
    }
    return out;
}

bool utf8ToWindows1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    char32_t cp;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = sequenceAt(utf8, i, cp);
        if (length == 0) return false;
        i += length;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < kHighControls.size(); ++k) {
            if (kHighControls[k] == cp) {
                out += static_cast<char>(0x80 + k);
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

DecodedText decodeTeacherFile(std::string_view bytes) {
    DecodedText decoded;
    const bool bigEndian = startsWith(bytes, kUtf16BeBom);
    if ((bigEndian || startsWith(bytes, kUtf16LeBom)) &&
        utf16ToUtf8(bytes.substr(2), bigEndian, decoded.text)) {
        decoded.encoding = bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le;
        decoded.marks = 1;
        while (startsWith(decoded.text, kUtf8Bom)) {  // U+FEFF, as UTF-8
            decoded.text.erase(0, kUtf8Bom.size());
            ++decoded.marks;
        }
        return decoded;
    }
    // Not well-formed UTF-16 after all: its bytes are read as those of any
    // other file (as Windows-1252, since FF and FE are never UTF-8).
    decoded.text.clear();
    while (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
        ++decoded.marks;
    }
    if (isValidUtf8(bytes)) {
        decoded.text.assign(bytes);
    } else {
        decoded.encoding = TextEncoding::Windows1252;
        decoded.text = windows1252ToUtf8(bytes);
    }
    return decoded;
}

std::string utf8ToUtf16(std::string_view utf8, TextEncoding order) {
    const bool bigEndian = order == TextEncoding::Utf16Be;
    std::string out;
    out.reserve(utf8.size() * 2);
    char32_t cp;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = sequenceAt(utf8, i, cp);
        if (length == 0) cp = 0xFFFD, length = 1;  // not reached with valid UTF-8
        i += length;
        if (cp < 0x10000) {
            appendUnit(out, static_cast<char16_t>(cp), bigEndian);
        } else {
            appendUnit(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), bigEndian);
            appendUnit(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), bigEndian);
        }
    }
    return out;
}

std::string byteOrderMarks(TextEncoding encoding, std::size_t count) {
    std::string_view mark;
    switch (encoding) {
    case TextEncoding::Utf8: mark = kUtf8Bom; break;
    case TextEncoding::Utf16Le: mark = kUtf16LeBom; break;
    case TextEncoding::Utf16Be: mark = kUtf16BeBom; break;
    case TextEncoding::Windows1252: return {};
    }
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += mark;
    return out;
}

bool startsWithByteOrderMark(std::string_view bytes) {
    return startsWith(bytes, kUtf8Bom) || startsWith(bytes, kUtf16LeBom) || startsWith(bytes, kUtf16BeBom);
}

std::size_t wholeLinesPrefix(std::string_view bytes, std::size_t limit) {
    limit = std::min(limit, bytes.size());
    const bool bigEndian = startsWith(bytes, kUtf16BeBom);
    if (bigEndian || startsWith(bytes, kUtf16LeBom)) {
        for (std::size_t i = limit & ~std::size_t(1); i >= 4; i -= 2) {
            const char16_t unit = unitAt(bytes, i - 2, bigEndian);
            if (unit == u'\n' || unit == u'\r') return i;
        }
        return limit;
    }
    if (limit == 0) return 0;
    const std::size_t lastBreak = bytes.find_last_of("\r\n", limit - 1);
    return lastBreak == std::string_view::npos ? limit : lastBreak + 1;
}

std::string decodeTeacherText(std::string_view bytes) {
    return decodeTeacherFile(bytes).text;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string utf8Prefix(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == 0) break;
            --count;
        }
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace quorvia
