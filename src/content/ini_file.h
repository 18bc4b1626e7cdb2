// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// INI files with the platform's private-profile semantics, read from and
// written to files that teachers make on Windows (Windows-1252, CRLF, or
// UTF-16 with a BOM from Notepad's "Unicode" saves) or on Linux and macOS
// (UTF-8, with or without BOM). All text in and out of this class is UTF-8;
// the file keeps its own encoding when written back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvia {

class IniFile {
public:
    enum class Encoding { Utf8, Utf8WithBom, Windows1252, Utf16Le, Utf16Be };

    // Longest value read, in characters; the rest of the line is cut off.
    static constexpr std::size_t kMaxValueLength = 2047;
    // Files are read up to this many bytes; the rest is ignored.
    static constexpr std::size_t kMaxFileSize = 16u * 1024 * 1024;

    IniFile() = default;

    // A missing or unreadable file (permissions, a directory, ...) gives an
    // empty IniFile; binary junk gives whatever lines can be made of it.
    static IniFile read(const std::string& path);
    // As read(), but tells a missing file (true, empty `out`) from one that
    // exists and cannot be read (false, with `error`), so that a writer never
    // replaces a file it could not read.
    static bool load(const std::string& path, IniFile& out, std::string* error = nullptr);
    static IniFile parse(std::string_view bytes);

    // Section and key names match without regard to case; the first match in
    // the file wins. Missing file, section or key: `fallback`.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x" or "$", with an optional sign; the
    // whole value must be the number ("12abc" gives `fallback`). Decimals
    // beyond int give `fallback`; up to 8 hex digits wrap to a signed 32-bit
    // value, so "$FF00000F" is the system colour -16777201.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // A section exists when the first section of that name holds a key.
    // Names of the existing sections, once each, in file order, spelled as in
    // their first header.
    std::vector<std::string> sectionNames() const;
    bool sectionExists(std::string_view section) const;
    // Key names of a section in file order (first section of that name), each
    // once, spelled as in the line that is read.
    std::vector<std::string> keyNames(std::string_view section) const;
    // 1-based line of the key (or of the section header when key is empty);
    // 0 when absent. For diagnostics.
    int lineOf(std::string_view section, std::string_view key = {}) const;

    // Sets a key in memory: replaces the value in place, or appends the key to
    // its section, or appends the section at the end of the file. A line break
    // in a name or value becomes a space (one value per line); a value that
    // would lose blanks or quotes when read back is written in quotes, so it
    // reads back exactly as given. An empty key name, or one that starts
    // with "[" (the line would read as a header), writes nothing.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    // Removes the key as it is read (the first of that name in the first
    // section of that name), so a later line of the same name, if any, is
    // read from then on. False when there is no such key.
    bool removeKey(std::string_view section, std::string_view key);
    // Gives the first section of that name another name; its lines and any
    // comment on the header line stay as they are. False when there is no
    // such section or `to` already names one.
    bool renameSection(std::string_view from, std::string_view to);
    // Removes a section: its header, its keys and the comments and blank
    // lines that follow it up to the next header. A section at the end of
    // the file takes the blank lines before it instead, so the file does not
    // end in a gap. False when there is no such section.
    bool removeSection(std::string_view section);
    // The two sections change places in the file, each with its keys and the
    // comments among them (the blank lines after a section's last key stay
    // where they are, so the file keeps its spacing). Names stay as they
    // are. False unless both exist and differ.
    bool swapSections(std::string_view first, std::string_view second);

    Encoding encoding() const { return encoding_; }
    // The file was longer than kMaxFileSize and was read only up to the last
    // whole line before the limit; save() refuses to cut it short on disk.
    bool truncated() const { return truncated_; }
    // The file as bytes: its own encoding and line endings. A Windows-1252
    // file that received a character the code page lacks, or whose bytes
    // would all read as UTF-8, becomes UTF-8 with a BOM, so no text is lost
    // and any reader can tell the encoding.
    std::string serialize() const;
    // Crash-safe: writes a temporary file beside `path` and renames it over
    // the old one only when complete. On failure the old file is untouched,
    // `error` (when given) says why, and the result is false.
    bool save(const std::string& path, std::string* error = nullptr) const;

private:
    enum class LineKind : unsigned char { Other, Header, Key };
    enum class LineEnding : unsigned char { None, CrLf, Lf, Cr };
    // A line as offsets into text_, so a big file costs little more than its
    // text. A run of lines that are neither headers nor keys is one Line.
    struct Line {
        std::size_t begin = 0;          // text without the final line ending
        std::uint32_t length = 0;
        std::uint32_t nameBegin = 0;    // section or key name, relative to begin
        std::uint32_t nameLength = 0;
        std::uint32_t valueBegin = 0;   // value trimmed, unquoted and cut
        std::uint32_t valueLength = 0;
        LineEnding ending = LineEnding::None;
        LineKind kind = LineKind::Other;
    };
    // The first section of each name; later sections of the same name are
    // never read, as with the platform's own reader. Its keys are indexed on
    // the first lookup: a window reads two sections of a file of twenty.
    using KeyIndex = std::unordered_map<std::string, std::size_t>;  // lower-case name -> first line
    struct Section {
        std::size_t header = 0;         // index into lines_
        std::size_t lastKey = kNoLine;  // index of its last key line
        mutable bool keysIndexed = false;
        mutable KeyIndex keys;
    };
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    Line classify(std::size_t begin, std::size_t length) const;
    void appendLine(std::string_view text, LineEnding ending);
    void insertLine(std::size_t index, std::string_view text);
    void rebuildIndex();
    void replaceLineText(std::size_t index, const std::string& text);
    // The header and the lines of its keys: header..lastKey.
    std::size_t coreEnd(const Section& section) const;
    bool endsWithoutLineEnding() const;
    void restoreFinalEnding(bool without);
    const Section* findSection(std::string_view name) const;
    const KeyIndex& keysOf(const Section& section) const;
    std::size_t findKey(std::string_view section, std::string_view key) const;
    std::string_view nameOf(const Line& line) const;
    std::string_view valueOf(const Line& line) const;
    std::string_view textOf(const Line& line) const;
    const std::vector<int>& lineNumbers() const;

    std::string text_;  // the decoded file (UTF-8), then rewritten lines
    std::vector<Line> lines_;
    std::vector<Section> sections_;  // file order
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> sections_
    // The 1-based file line each entry of lines_ starts on, counted on the
    // first lineOf and dropped whenever lines_ changes: the checker asks for
    // a line for every finding, and counting from the top each time grew
    // with the square of the file.
    mutable std::vector<int> lineNumbers_;
    Encoding encoding_ = Encoding::Utf8;
    std::size_t marks_ = 1;  // byte-order marks a UTF-8 or UTF-16 file is written with
    LineEnding newline_ = LineEnding::Lf;  // for lines this class adds
    bool truncated_ = false;
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
