// SPDX-License-Identifier: GPL-3.0-or-later
// Removing keys, renaming, removing and swapping sections: the lines the
// change does not concern stay byte for byte, line endings included.

#include "content/ini_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quorvia {
namespace {

// Three problems, CRLF, no line break after the last line, comments inside
// and between sections.
const std::string kThree =
    "; problemi\r\n"
    "[AREA_PROGRAMMA]\r\n"
    "BTN_VERIFICA=Verifica\r\n"
    "\r\n"
    "[PROBLEMA_1]  ; il primo\r\n"
    "TESTO=uno\r\n"
    "; nota sul primo\r\n"
    "R1=1+1\r\n"
    "\r\n"
    "[PROBLEMA_2]\r\n"
    "TESTO=due\r\n"
    "R1=2+2\r\n"
    "\r\n"
    "[PROBLEMA_3]\r\n"
    "TESTO=tre\r\n"
    "R1=3+3";

struct EditCase {
    const char* name;
    std::function<bool(IniFile&)> edit;
    std::string expected;
};

TEST(IniFileEdit, EachEditChangesOnlyItsOwnLines) {
    const EditCase cases[] = {
        {"RemoveKeyInTheMiddle", [](IniFile& f) { return f.removeKey("problema_2", "testo"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_1]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n[PROBLEMA_2]\r\nR1=2+2\r\n\r\n"
         "[PROBLEMA_3]\r\nTESTO=tre\r\nR1=3+3"},
        {"RemoveTheLastLineKeepsTheFileUnterminated", [](IniFile& f) { return f.removeKey("PROBLEMA_3", "R1"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_1]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n[PROBLEMA_2]\r\nTESTO=due\r\nR1=2+2\r\n\r\n"
         "[PROBLEMA_3]\r\nTESTO=tre"},
        {"RenameKeepsTheHeaderComment", [](IniFile& f) { return f.renameSection("PROBLEMA_1", "PROBLEMA_9"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_9]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n[PROBLEMA_2]\r\nTESTO=due\r\nR1=2+2\r\n\r\n"
         "[PROBLEMA_3]\r\nTESTO=tre\r\nR1=3+3"},
        {"RemoveMiddleSectionTakesItsGap", [](IniFile& f) { return f.removeSection("PROBLEMA_2"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_1]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n"
         "[PROBLEMA_3]\r\nTESTO=tre\r\nR1=3+3"},
        {"RemoveLastSectionTakesTheGapBeforeIt", [](IniFile& f) { return f.removeSection("PROBLEMA_3"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_1]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n[PROBLEMA_2]\r\nTESTO=due\r\nR1=2+2"},
        {"SwapNeighboursKeepsTheSpacing", [](IniFile& f) { return f.swapSections("PROBLEMA_3", "PROBLEMA_2"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n[PROBLEMA_1]  ; il primo\r\n"
         "TESTO=uno\r\n; nota sul primo\r\nR1=1+1\r\n\r\n[PROBLEMA_3]\r\nTESTO=tre\r\nR1=3+3\r\n\r\n"
         "[PROBLEMA_2]\r\nTESTO=due\r\nR1=2+2"},
        {"SwapFarApartCarriesTheCommentsInside", [](IniFile& f) { return f.swapSections("PROBLEMA_1", "PROBLEMA_3"); },
         "; problemi\r\n[AREA_PROGRAMMA]\r\nBTN_VERIFICA=Verifica\r\n\r\n"
         "[PROBLEMA_3]\r\nTESTO=tre\r\nR1=3+3\r\n\r\n[PROBLEMA_2]\r\nTESTO=due\r\nR1=2+2\r\n\r\n"
         "[PROBLEMA_1]  ; il primo\r\nTESTO=uno\r\n; nota sul primo\r\nR1=1+1"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file = IniFile::parse(kThree);
        ASSERT_TRUE(c.edit(file));
        EXPECT_EQ(file.serialize(), c.expected);
        // The index follows the edit: what was written reads back the same.
        const IniFile reread = IniFile::parse(c.expected);
        EXPECT_EQ(file.sectionNames(), reread.sectionNames());
        for (const std::string& section : reread.sectionNames()) {
            EXPECT_EQ(file.keyNames(section), reread.keyNames(section));
            for (const std::string& key : reread.keyNames(section))
                EXPECT_EQ(file.readString(section, key, "-"), reread.readString(section, key, "-"));
        }
    }
}

TEST(IniFileEdit, EditsOnWhatIsNotThereChangeNothing) {
    IniFile file = IniFile::parse(kThree);
    EXPECT_FALSE(file.removeKey("PROBLEMA_2", "R2"));
    EXPECT_FALSE(file.removeKey("PROBLEMA_7", "TESTO"));
    EXPECT_FALSE(file.renameSection("PROBLEMA_7", "PROBLEMA_8"));
    EXPECT_FALSE(file.renameSection("PROBLEMA_1", "problema_2"));  // would hide a section
    EXPECT_FALSE(file.removeSection("PROBLEMA_7"));
    EXPECT_FALSE(file.swapSections("PROBLEMA_1", "problema_1"));
    EXPECT_FALSE(file.swapSections("PROBLEMA_1", "PROBLEMA_7"));
    EXPECT_EQ(file.serialize(), kThree);
}

TEST(IniFileEdit, RemovingAKeyUncoversItsRepeatAndWritesAfterTheEditLandWell) {
    IniFile file = IniFile::parse("[A]\nX=1\nY=2\nx=3\n");
    ASSERT_TRUE(file.removeKey("A", "X"));
    // The platform's reader takes the first line of a name: now the repeat.
    EXPECT_EQ(file.readString("A", "X", ""), "3");
    file.writeString("A", "Z", "4");
    ASSERT_TRUE(file.renameSection("A", "B"));
    file.writeString("B", "Y", "5");
    EXPECT_EQ(file.serialize(), "[B]\nY=5\nx=3\nZ=4\n");
}

TEST(IniFileEdit, Windows1252FileStaysSoAfterEdits) {
    // "è" and "à" as code-page bytes, CRLF.
    const std::string bytes = "[PROBLEMA_1]\r\nTESTO=Luca \xE8 qui\r\n\r\n[PROBLEMA_2]\r\nTESTO=citt\xE0\r\n";
    IniFile file = IniFile::parse(bytes);
    ASSERT_EQ(file.encoding(), IniFile::Encoding::Windows1252);
    ASSERT_TRUE(file.swapSections("PROBLEMA_1", "PROBLEMA_2"));
    ASSERT_TRUE(file.renameSection("PROBLEMA_1", "PROBLEMA_3"));
    file.writeString("PROBLEMA_3", "R1", "2+2");
    EXPECT_EQ(file.serialize(),
              "[PROBLEMA_2]\r\nTESTO=citt\xE0\r\n\r\n[PROBLEMA_3]\r\nTESTO=Luca \xE8 qui\r\nR1=2+2\r\n");
}

}  // namespace
}  // namespace quorvia
