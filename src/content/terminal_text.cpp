// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/terminal_text.h"

#include "content/text_encoding.h"

#include <cstdio>

namespace quorvia {

namespace {

std::string escaped(const char* format, unsigned value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Length of the UTF-8 sequence its first byte announces; 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

}  // namespace

std::string terminalSafe(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 1) {
            out += lead < 0x20 || lead == 0x7F ? escaped("\\u%04x", lead) : std::string(1, text[i]);
            ++i;
        } else if (length == 0 || i + length > text.size() || !isValidUtf8(text.substr(i, length))) {
            out += escaped("\\x%02x", lead);
            ++i;
        } else if (lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            out += escaped("\\u%04x", static_cast<unsigned char>(text[i + 1]));  // C1: U+0080 to U+009F
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string jsonWithControlsEscaped(std::string_view json)
{
    std::string out;
    out.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (c == 0x7F) {
            out += "\\u007f";
        } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
            static const char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[next >> 4];
            out += kHex[next & 0xF];
            ++i;
        } else {
            out += json[i];
        }
    }
    return out;
}

}  // namespace quorvia
