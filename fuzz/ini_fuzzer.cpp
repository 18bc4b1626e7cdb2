// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an INI file. Besides not crashing, the reader must give the
// file back byte for byte when nothing was written, and a write must change
// exactly the key written: worksheets and CONFIGURE.INI are written back
// into files that hold much else.

#include "content/ini_file.h"
#include "content/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace {

using quorvia::IniFile;

// Values that have given writers trouble: blanks and quotes at the ends,
// the syntax characters, a line break, text the code page lacks, a value
// beyond the length limit.
const std::string kAwkwardValues[] = {
    "",
    "  spazi intorno  ",
    "\"tra virgolette\"",
    "'apice'",
    "a=b",
    "[SEZIONE]",
    "; commento",
    "riga\r\nspezzata",
    "perché 5 €",
    "日本",
    "$FF00000F",
    std::string(2100, 'z'),
};

// Any text may stand in a value, a fallback too: a key is missing when two
// different fallbacks both come back.
bool isMissing(const IniFile& file, const std::string& section, const std::string& key) {
    return file.readString(section, key, "\x01") == "\x01" &&
           file.readString(section, key, "\x02") == "\x02";
}

[[noreturn]] void fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

using Values = std::map<std::pair<std::string, std::string>, std::string>;

// Every key the file lets a caller find, read through every accessor.
Values readEverything(const IniFile& file) {
    Values values;
    for (const std::string& section : file.sectionNames()) {
        if (!file.sectionExists(section)) fail("listed section does not exist", section);
        if (file.lineOf(section) == 0) fail("listed section has no line", section);
        for (const std::string& key : file.keyNames(section)) {
            if (isMissing(file, section, key)) fail("listed key cannot be read", key);
            const std::string value = file.readString(section, key, "");
            if (quorvia::utf8Length(value) > IniFile::kMaxValueLength) fail("value beyond the limit", key);
            file.readInteger(section, key, 0);
            if (file.lineOf(section, key) == 0) fail("listed key has no line", key);
            values[{lowerAscii(section), lowerAscii(key)}] = value;
        }
    }
    return values;
}

bool isPlain(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos &&
           quorvia::isValidUtf8(value) && quorvia::utf8Length(value) <= IniFile::kMaxValueLength;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::parse(bytes);

    // Untouched, the file serialises to its own bytes; only the marks in
    // front of text that is not UTF-8 are dropped, since they lied.
    std::string_view expected = bytes;
    while (file.encoding() == IniFile::Encoding::Windows1252 && expected.substr(0, 3) == "\xEF\xBB\xBF")
        expected.remove_prefix(3);
    // Those bytes alone may read as another encoding (a UTF-16 mark behind
    // the UTF-8 ones); such a file goes as UTF-8 with a mark instead.
    if (file.serialize() != expected &&
        IniFile::parse(expected).encoding() == IniFile::Encoding::Windows1252)
        fail("untouched file changed");

    Values before = readEverything(file);

    // One write, chosen by the last bytes: into an existing key or a new
    // one, with a value of the file's own or an awkward one.
    if (size < 2) return 0;
    const unsigned pick = data[size - 1];
    const unsigned valuePick = data[size - 2];
    std::string section = "FUZZ";
    std::string key = "Chiave";
    if (!before.empty() && (pick & 1u)) {
        auto it = before.begin();
        std::advance(it, (pick >> 1) % before.size());
        section = it->first.first;
        key = it->first.second;
    }
    std::string value;
    if (valuePick % 2 == 0 || before.empty()) {
        value = kAwkwardValues[(valuePick / 2) % std::size(kAwkwardValues)];
    } else {
        auto it = before.begin();
        std::advance(it, (valuePick / 2) % before.size());
        value = it->second;
    }
    file.writeString(section, key, value);

    if (isPlain(value)) {
        if (isMissing(file, section, key) || file.readString(section, key, "") != value)
            fail("written value reads back changed", value);
        before[{lowerAscii(section), lowerAscii(key)}] = value;
        if (readEverything(file) != before) fail("a write changed other keys");
    }

    // What is written to disk reads back as the file in memory.
    const IniFile reread = IniFile::parse(file.serialize());
    if (readEverything(reread) != readEverything(file)) fail("serialised file reads differently");
    return 0;
}
