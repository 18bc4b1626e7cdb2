#pragma once
// Windows-1252 and UTF-8, the two encodings teachers' files come in.

#include <string>
#include <string_view>

namespace quorvia {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Returns false when a character has no Windows-1252 byte.
bool utf8ToWindows1252(std::string_view utf8, std::string& out);
// Bytes of unknown origin as UTF-8: kept when valid UTF-8, else read as
// Windows-1252. A leading BOM is dropped.
std::string decodeTeacherText(std::string_view bytes);
// Number of characters (code points) in valid UTF-8.
std::size_t utf8Length(std::string_view utf8);
// The first `count` characters of valid UTF-8.
std::string utf8Prefix(std::string_view utf8, std::size_t count);

}  // namespace quorvia
