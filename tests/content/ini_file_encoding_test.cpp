// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings teachers' files come in: each is read right and written back
// as it came.

#include "content/ini_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvia {
namespace {

using testing::readBytes;

const std::string kWindowsFile = std::string(QUORVIA_TEST_DATA) + "/windows1252_crlf.ini";

TEST(IniFileEncoding, Windows1252FileIsReadAsUtf8Text) {
    const IniFile file = IniFile::read(kWindowsFile);
    EXPECT_EQ(file.encoding(), IniFile::Encoding::Windows1252);
    EXPECT_EQ(file.readString("PROBLEMA_1", "ACCENTI", ""), "è à ù ò ì €");
    EXPECT_EQ(file.readString("problema_1", "testo", ""), "Però la maestra è già là: più di 5 €|ò ì");
    EXPECT_EQ(file.readString("AREA_PROGRAMMA", "MSG_USCITA", ""), "Vuoi uscire? Così perderai il lavoro");
}

TEST(IniFileEncoding, Windows1252FileKeepsItsBytesAndCrlfWhenWritten) {
    const std::string original = readBytes(kWindowsFile);
    IniFile file = IniFile::parse(original);
    file.writeString("PROBLEMA_1", "DOMANDA1", "Quanto costerà?");

    std::string expected = original;
    const std::string oldLine = "DOMANDA1=Quanto costa il quaderno?";
    expected.replace(expected.find(oldLine), oldLine.size(), "DOMANDA1=Quanto coster\xE0?");
    EXPECT_EQ(file.serialize(), expected);
}

TEST(IniFileEncoding, Windows1252FileBecomesUtf8WhenACharacterDoesNotFit) {
    IniFile file = IniFile::read(kWindowsFile);
    file.writeString("PROBLEMA_1", "FRECCIA", "5 → 6 ≠ 7");

    const std::string bytes = file.serialize();
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find("\r\nFRECCIA=5 \xE2\x86\x92 6 \xE2\x89\xA0 7\r\n"), std::string::npos);

    const IniFile reread = IniFile::parse(bytes);
    EXPECT_EQ(reread.encoding(), IniFile::Encoding::Utf8WithBom);
    EXPECT_EQ(reread.readString("PROBLEMA_1", "FRECCIA", ""), "5 → 6 ≠ 7");
    EXPECT_EQ(reread.readString("PROBLEMA_1", "ACCENTI", ""), "è à ù ò ì €");
    EXPECT_EQ(reread.readString("AREA_PROGRAMMA", "BTN_VERIFICA", ""), "Verifica");
}

// Every key of every section with its value, as a caller can read them.
std::vector<std::string> everyValue(const IniFile& file) {
    std::vector<std::string> values;
    for (const std::string& section : file.sectionNames())
        for (const std::string& key : file.keyNames(section))
            values.push_back(section + "/" + key + "=" + file.readString(section, key, "?"));
    return values;
}

// Once a write has replaced the bytes that told the code page apart, the
// rest of a Windows-1252 file may be valid UTF-8 by chance; it must still
// read back as it was written.
TEST(IniFileEncoding, WrittenWindows1252FileReadsBackAsWritten) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"LastTellingByteReplaced", "[S]\nk=\xC3\x84\nold=caff\xE8\n", "S", "old", "latte"},
        {"QuotedValueInAKeyOfCodePageBytes", "[]\n\xC3\x84=\xC4=", "", "Ã„", "\"tra virgolette\""},
        {"TellingBytesKept", "[S]\nk=\xC3\x84\nold=caff\xE8\n", "S", "new", "latte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file = IniFile::parse(c.bytes);
        ASSERT_EQ(file.encoding(), IniFile::Encoding::Windows1252);
        file.writeString(c.section, c.key, c.value);
        EXPECT_EQ(file.readString(c.section, c.key, "?"), c.value);
        EXPECT_EQ(everyValue(IniFile::parse(file.serialize())), everyValue(file));
    }
}

TEST(IniFileEncoding, Utf8FilesWithAndWithoutBomAreReadAndKept) {
    struct Case {
        const char* name;
        std::string prefix;
        IniFile::Encoding encoding;
    };
    const Case cases[] = {
        {"WithoutBom", "", IniFile::Encoding::Utf8},
        {"WithBom", "\xEF\xBB\xBF", IniFile::Encoding::Utf8WithBom},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string original = c.prefix + "[PROBLEMA_1]\r\nACCENTI=è à ù ò ì €\r\nR1=12 x 3\r\n";
        IniFile file = IniFile::parse(original);
        EXPECT_EQ(file.encoding(), c.encoding);
        // The BOM is not part of the first section's name.
        EXPECT_EQ(file.readString("PROBLEMA_1", "ACCENTI", ""), "è à ù ò ì €");

        file.writeString("PROBLEMA_1", "R1", "24:4");
        EXPECT_EQ(file.serialize(), c.prefix + "[PROBLEMA_1]\r\nACCENTI=è à ù ò ì €\r\nR1=24:4\r\n");
    }
}

TEST(IniFileEncoding, BomFollowedByWindows1252BytesReadsAsWindows1252) {
    const IniFile file = IniFile::parse("\xEF\xBB\xBF[S]\nk=caff\xE8\n");
    EXPECT_EQ(file.encoding(), IniFile::Encoding::Windows1252);
    EXPECT_EQ(file.readString("S", "k", ""), "caffè");
}

// Tools that prepend a mark to text that has one already leave two; the
// file must read the same before and after a save.
TEST(IniFileEncoding, EveryLeadingMarkIsDroppedBeforeTheEncodingIsDecided) {
    struct Case {
        const char* name;
        std::string bytes;
        IniFile::Encoding encoding;
        std::string saved;  // an untouched file as written back
    };
    const std::string windowsBody = "[LAVORO]\r\nNOME=Giulia\r\nX=\x80\r\n";
    const std::string utf8Body = "[LAVORO]\r\nNOME=Giulia\r\nX=€\r\n";
    const std::string mark = "\xEF\xBB\xBF";
    const Case cases[] = {
        {"TwoMarksBeforeWindows1252", readBytes(std::string(QUORVIA_TEST_DATA) + "/doubled_mark_windows1252.ini"),
         IniFile::Encoding::Windows1252, windowsBody},
        {"ThreeMarksBeforeWindows1252", mark + mark + mark + windowsBody, IniFile::Encoding::Windows1252,
         windowsBody},
        {"TwoMarksBeforeUtf8", mark + mark + utf8Body, IniFile::Encoding::Utf8WithBom, mark + mark + utf8Body},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile file = IniFile::parse(c.bytes);
        EXPECT_EQ(file.encoding(), c.encoding);
        EXPECT_EQ(file.sectionNames(), std::vector<std::string>{"LAVORO"});
        EXPECT_EQ(file.readString("LAVORO", "NOME", "?"), "Giulia");
        EXPECT_EQ(file.serialize(), c.saved);
        EXPECT_EQ(everyValue(IniFile::parse(file.serialize())), everyValue(file));
    }
}

// Notepad's "Unicode" and "Unicode big endian" saves.
TEST(IniFileEncoding, Utf16FilesWithAMarkAreReadAndWrittenBackInTheirOwnOrder) {
    struct Case {
        const char* file;
        IniFile::Encoding encoding;
        const char* newLine;  // R1=24:4 in that encoding
    };
    const Case cases[] = {
        {"utf16le_notepad.ini", IniFile::Encoding::Utf16Le, "R\0001\000=\0002\0004\000:\0004\000"},
        {"utf16be_notepad.ini", IniFile::Encoding::Utf16Be, "\000R\0001\000=\0002\0004\000:\0004"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string original = readBytes(std::string(QUORVIA_TEST_DATA) + "/" + c.file);
        IniFile file = IniFile::parse(original);
        EXPECT_EQ(file.encoding(), c.encoding);
        EXPECT_EQ(file.readString("PROBLEMA_1", "TESTO", ""), "Però la maestra è già là: più di 5 €");
        EXPECT_EQ(file.readString("AREA_PROGRAMMA", "MSG_USCITA", ""), "Vuoi uscire? Così perderai il lavoro");
        EXPECT_EQ(file.lineOf("PROBLEMA_1", "R1"), 5);
        EXPECT_EQ(file.serialize(), original);

        file.writeString("PROBLEMA_1", "R1", "24:4");
        file.writeString("PROBLEMA_1", "FRECCIA", "5 → 6 𝄞");
        const std::string saved = file.serialize();
        EXPECT_EQ(saved.substr(0, 2), original.substr(0, 2));
        EXPECT_NE(saved.find(std::string(c.newLine, 14)), std::string::npos);
        const IniFile reread = IniFile::parse(saved);
        EXPECT_EQ(reread.encoding(), c.encoding);
        EXPECT_EQ(reread.readString("PROBLEMA_1", "FRECCIA", ""), "5 → 6 𝄞");
        EXPECT_EQ(everyValue(reread), everyValue(file));
    }
}

// A mark of UTF-16 in front of bytes that are not UTF-16 (an odd count, half
// a surrogate pair): the bytes are read as any other file's, and a save
// never turns them into UTF-16 that would read differently.
TEST(IniFileEncoding, MalformedUtf16IsReadAsWindows1252AndStaysSo) {
    const std::string cases[] = {
        std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0\n", 17),
        std::string("\xFF\xFE\x00\xD8[S]\nk=v\n", 12),
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        IniFile file = IniFile::parse(bytes);
        EXPECT_EQ(file.encoding(), IniFile::Encoding::Windows1252);
        EXPECT_EQ(file.serialize(), bytes);
        file.writeString("S", "nuova", "x");
        EXPECT_EQ(everyValue(IniFile::parse(file.serialize())), everyValue(file));
    }

    // Behind a UTF-8 mark, UTF-16 bytes are code-page text; written without
    // the mark they would read as UTF-16, so the file goes as UTF-8.
    const IniFile behindMark = IniFile::parse("\xEF\xBB\xBF" + std::string("\xFF\xFEk\0=\0v\0", 8));
    EXPECT_EQ(behindMark.encoding(), IniFile::Encoding::Windows1252);
    EXPECT_EQ(IniFile::parse(behindMark.serialize()).encoding(), IniFile::Encoding::Utf8WithBom);
}

// Reading and writing back an untouched file gives the same bytes, whatever
// they are: nothing a teacher wrote is lost by a save.
TEST(IniFileEncoding, UntouchedFilesSerializeToTheirOwnBytes) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    const Case cases[] = {
        {"Windows1252WithCrlf", readBytes(kWindowsFile)},
        {"Utf8WithBom", "\xEF\xBB\xBF[S]\r\nk=è\r\n"},
        {"MixedLineEndings", "[S]\r\na=1\nb=2\rc=3\r\n\n\r\r\n"},
        {"NoFinalLineEnding", "[S]\nk=v"},
        {"UndefinedWindows1252Bytes", "[S]\nk=\x81\x8D\x8F\x90\x9D\xE8\n"},
        {"EveryByteValue", "[S]\nk=" + everyByte + "\n"},
        {"OnlyBlankLines", "\n\n  \n\t\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniFile::parse(c.bytes).serialize(), c.bytes);
    }
}

}  // namespace
}  // namespace quorvia
