#pragma once
// Windows-1252 and UTF-8, the two encodings teachers' files come in.

#include <string>
#include <string_view>

namespace quorvia {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Returns false when a character has no Windows-1252 byte.
bool utf8ToWindows1252(std::string_view utf8, std::string& out);
enum class TextEncoding { Utf8, Windows1252 };

// A teacher's file as text: its encoding, the text as UTF-8, and how many
// byte-order marks stood in front of it.
struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t marks = 0;
    std::string text;
};

// Bytes of unknown origin: every leading UTF-8 mark is dropped (tools that
// prepend a mark to text that has one already leave two), then the rest is
// kept when it is valid UTF-8 and read as Windows-1252 otherwise. Deciding
// after all the marks are gone means a file reads the same after a save,
// which writes at most the marks of a UTF-8 file back.
DecodedText decodeTeacherFile(std::string_view bytes);
// The text alone.
std::string decodeTeacherText(std::string_view bytes);
// Number of characters (code points) in valid UTF-8.
std::size_t utf8Length(std::string_view utf8);
// The first `count` characters of valid UTF-8.
std::string utf8Prefix(std::string_view utf8, std::size_t count);

}  // namespace quorvia
