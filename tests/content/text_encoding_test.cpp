// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvia {
namespace {

TEST(TextEncoding, Windows1252BytesBecomeTheirCharacters) {
    const struct {
        const char* name;
        std::string byte;
        std::string utf8;
    } cases[] = {
        {"Ascii", "A", "A"},
        {"Euro", "\x80", "€"},
        {"LowQuote", "\x82", "‚"},
        {"Ellipsis", "\x85", "…"},
        {"SCaron", "\x8A", "Š"},
        {"LeftDoubleQuote", "\x93", "“"},
        {"EnDash", "\x96", "–"},
        {"TradeMark", "\x99", "™"},
        {"YDiaeresis", "\x9F", "Ÿ"},
        {"NoBreakSpace", "\xA0", "\xC2\xA0"},
        {"EGrave", "\xE8", "è"},
        {"AGrave", "\xE0", "à"},
        {"LastByte", "\xFF", "ÿ"},
        {"UndefinedByteIsItsC1Control", "\x81", "\xC2\x81"},
        {"UndefinedByte9D", "\x9D", "\xC2\x9D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(windows1252ToUtf8(c.byte), c.utf8);
        std::string back;
        ASSERT_TRUE(utf8ToWindows1252(c.utf8, back));
        EXPECT_EQ(back, c.byte);
    }
}

TEST(TextEncoding, EveryWindows1252ByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8Length(utf8), 256u);
    std::string back;
    ASSERT_TRUE(utf8ToWindows1252(utf8, back));
    EXPECT_EQ(back, all);
}

TEST(TextEncoding, CharactersOutsideTheCodePageDoNotConvert) {
    std::string out;
    EXPECT_FALSE(utf8ToWindows1252("freccia →", out));
    EXPECT_FALSE(utf8ToWindows1252("日本", out));
    EXPECT_FALSE(utf8ToWindows1252("\xC3", out));  // not UTF-8 at all
}

TEST(TextEncoding, Utf8Validation) {
    const struct {
        const char* name;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"Empty", "", true},
        {"Ascii", "Quanto costa?", true},
        {"TwoByteLetter", "è", true},
        {"ThreeByteEuro", "€", true},
        {"FourByteEmoji", "\xF0\x9F\x98\x80", true},
        {"LargestCodePoint", "\xF4\x8F\xBF\xBF", true},
        {"Windows1252Letter", "caff\xE8", false},
        {"CutShortAtTheEnd", "\xE2\x82", false},
        {"StrayContinuationByte", "\x80", false},
        {"OverlongSlash", "\xC0\xAF", false},
        {"OverlongThreeBytes", "\xE0\x80\xAF", false},
        {"Surrogate", "\xED\xA0\x80", false},
        {"BeyondUnicode", "\xF4\x90\x80\x80", false},
        {"InvalidLeadByte", "\xFF", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid);
    }
}

TEST(TextEncoding, DecodeTeacherTextPicksTheEncoding) {
    EXPECT_EQ(decodeTeacherText("caff\xE8"), "caffè");
    EXPECT_EQ(decodeTeacherText("caffè"), "caffè");
    EXPECT_EQ(decodeTeacherText("\xEF\xBB\xBF" "caffè"), "caffè");
    EXPECT_EQ(decodeTeacherText("\xEF\xBB\xBF\xEF\xBB\xBF" "caff\xE8"), "caffè");
    EXPECT_EQ(decodeTeacherText(""), "");
}

TEST(TextEncoding, PrefixCountsCharactersNotBytes) {
    EXPECT_EQ(utf8Length("però €"), 6u);
    EXPECT_EQ(utf8Prefix("però €", 4), "però");
    EXPECT_EQ(utf8Prefix("però €", 3), "per");
    EXPECT_EQ(utf8Prefix("però €", 0), "");
    EXPECT_EQ(utf8Prefix("però €", 99), "però €");
}

}  // namespace
}  // namespace quorvia
