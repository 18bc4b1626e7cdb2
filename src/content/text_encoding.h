// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encodings teachers' files come in: Windows-1252 and UTF-8, and UTF-16
// with a byte-order mark (Notepad's "Unicode" and "Unicode big endian").

#include <string>
#include <string_view>

namespace quorvia {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Returns false when a character has no Windows-1252 byte.
bool utf8ToWindows1252(std::string_view utf8, std::string& out);
enum class TextEncoding { Utf8, Windows1252, Utf16Le, Utf16Be };

// A teacher's file as text: its encoding, the text as UTF-8, and how many
// byte-order marks stood in front of it.
struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t marks = 0;
    std::string text;
};

// Bytes of unknown origin. A UTF-16 mark in front makes them UTF-16 of that
// order, when they are well-formed UTF-16. Otherwise every leading UTF-8
// mark is dropped (tools that prepend a mark to text that has one already
// leave two), then the rest is kept when it is valid UTF-8 and read as
// Windows-1252 otherwise. Deciding after all the marks are gone means a
// file reads the same after a save, which writes back only the marks of a
// UTF-8 or UTF-16 file. UTF-16 text loses its leading marks the same way.
DecodedText decodeTeacherFile(std::string_view bytes);
// Valid UTF-8 as UTF-16 of the given order, without a mark.
std::string utf8ToUtf16(std::string_view utf8, TextEncoding order);
// The bytes of `count` marks of the encoding (none for Windows-1252).
std::string byteOrderMarks(TextEncoding encoding, std::size_t count);
// The bytes start with a mark of any of the encodings that have one.
bool startsWithByteOrderMark(std::string_view bytes);
// How many of the first `limit` bytes make whole lines: up to and including
// the last line break within them (a line break of UTF-16 when the bytes
// start with a UTF-16 mark); `limit` itself when there is none.
std::size_t wholeLinesPrefix(std::string_view bytes, std::size_t limit);
// The text alone.
std::string decodeTeacherText(std::string_view bytes);
// Number of characters (code points) in valid UTF-8.
std::size_t utf8Length(std::string_view utf8);
// The first `count` characters of valid UTF-8.
std::string utf8Prefix(std::string_view utf8, std::size_t count);

}  // namespace quorvia
