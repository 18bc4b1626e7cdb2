#pragma once
// INI files with the platform's private-profile semantics, read from and
// written to files that teachers make on Windows (Windows-1252, CRLF) or on
// Linux and macOS (UTF-8, with or without BOM). All text in and out of this
// class is UTF-8; the file keeps its own encoding when written back.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

class IniFile {
public:
    enum class Encoding { Utf8, Utf8WithBom, Windows1252 };

    // Longest value read, in characters; the rest of the line is cut off.
    static constexpr std::size_t kMaxValueLength = 2047;
    // Files are read up to this many bytes; the rest is ignored.
    static constexpr std::size_t kMaxFileSize = 16u * 1024 * 1024;

    IniFile() = default;

    // A missing or unreadable file (permissions, a directory, ...) gives an
    // empty IniFile; binary junk gives whatever lines can be made of it.
    static IniFile read(const std::string& path);
    static IniFile parse(std::string_view bytes);

    // Section and key names match without regard to case; the first match in
    // the file wins. Missing file, section or key: `fallback`.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x" or "$"; anything else: `fallback`.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // Section names in file order; a section exists when it holds a key.
    std::vector<std::string> sectionNames() const;
    bool sectionExists(std::string_view section) const;
    // Key names of a section in file order (first section of that name).
    std::vector<std::string> keyNames(std::string_view section) const;
    // 1-based line of the key (or of the section header when key is empty);
    // 0 when absent. For diagnostics.
    int lineOf(std::string_view section, std::string_view key = {}) const;

    // Sets a key in memory: replaces the value in place, or appends the key to
    // its section, or appends the section at the end of the file.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    Encoding encoding() const { return encoding_; }
    // The file as bytes: its own encoding and line endings where the text
    // fits (Windows-1252 falls back to UTF-8 when a character does not fit).
    std::string serialize() const;
    // Crash-safe: writes a temporary file beside `path` and renames it over
    // the old one only when complete. On failure the old file is untouched,
    // `error` (when given) says why, and the result is false.
    bool save(const std::string& path, std::string* error = nullptr) const;

private:
    struct Line {
        std::string text;     // the raw line, UTF-8, without its line ending
        std::string section;  // section it belongs to ("" before any section)
        std::string key;      // key name, trimmed; empty when not a key line
        std::string value;    // value, trimmed and unquoted, cut to the limit
        bool header = false;  // a "[name]" line
    };
    std::vector<Line> lines_;
    Encoding encoding_ = Encoding::Utf8;
    bool crlf_ = false;
};

// One-shot helpers in the manner of the private-profile calls: each opens the
// file, does one thing and closes it again.
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
int readProfileInt(const std::string& path, std::string_view section,
                   std::string_view key, int fallback);
bool writeProfileString(const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value,
                        std::string* error = nullptr);

}  // namespace quorvia
