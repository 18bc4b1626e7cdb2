// SPDX-License-Identifier: GPL-3.0-or-later
// The five fields of a stored font, read field by field, and the colour
// values they and CONFIGURE.INI hold.

#include "appearance/colour_value.h"
#include "appearance/font_text.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia::appearance {
namespace {

// What a test compares: the attributes the five fields set.
struct Look {
    QString face;
    int charset;
    QColor colour;
    int points;
    bool bold, italic, underline, strikeout;

    bool operator==(const Look& o) const
    {
        return face == o.face && charset == o.charset && colour == o.colour && points == o.points &&
               bold == o.bold && italic == o.italic && underline == o.underline &&
               strikeout == o.strikeout;
    }
};

std::ostream& operator<<(std::ostream& out, const Look& l)
{
    return out << l.face.toStdString() << " charset " << l.charset << " colour "
               << l.colour.name().toStdString() << " " << l.points << "pt" << (l.bold ? " bold" : "")
               << (l.italic ? " italic" : "") << (l.underline ? " underline" : "")
               << (l.strikeout ? " strikeout" : "");
}

Look lookOf(const TextStyle& s)
{
    return {s.font.family(), s.charset, s.colour, s.font.pointSize(), s.font.bold(),
            s.font.italic(), s.font.underline(), s.font.strikeOut()};
}

// The design a stored font is applied over.
TextStyle design()
{
    TextStyle s;
    s.font = QFont(QStringLiteral("Comic Sans MS"));
    s.font.setPointSize(10);
    s.colour = QColor(0, 0, 255);
    s.charset = 1;
    return s;
}

const Look kDesign{"Comic Sans MS", 1, QColor(0, 0, 255), 10, false, false, false, false};

Look changed(std::function<void(Look&)> change)
{
    Look l = kDesign;
    change(l);
    return l;
}

struct FontCase {
    const char* name;
    const char* text;
    Look expected;
};

class StoredFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(StoredFont, ChangesOnlyWhatItsFieldsSay)
{
    TextStyle style = design();
    applyFontText(QString::fromUtf8(GetParam().text), style);
    EXPECT_EQ(lookOf(style), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredFont,
    ::testing::Values(
        FontCase{"BoldArialTwelvePointsInBlack", "Arial,0,0,12,1",
                 {"Arial", 0, QColor(0, 0, 0), 12, true, false, false, false}},
        FontCase{"OnlyTheSize", ",,,14,", changed([](Look& l) { l.points = 14; })},
        FontCase{"NoFifthFieldLeavesTheSize", "Arial,0,0,12",
                 changed([](Look& l) { l.face = "Arial"; l.charset = 0; l.colour = Qt::black; })},
        FontCase{"NoCommaChangesNothing", "Arial", kDesign},
        FontCase{"TheDefaultChangesNothing", ",,,,", kDesign},
        FontCase{"EmptyChangesNothing", "", kDesign},
        FontCase{"BlanksAroundFieldsAreTrimmed", " Times New Roman , 2 , 255 , 9 , 6 ",
                 {"Times New Roman", 2, QColor(255, 0, 0), 9, false, true, true, false}},
        FontCase{"FieldsThatAreNotNumbersAreSkipped", "Arial,x,rosso,grande,grassetto",
                 changed([](Look& l) { l.face = "Arial"; })},
        FontCase{"NumbersOutOfRangeAreSkipped", ",256,,0,-1", kDesign},
        FontCase{"HexadecimalColour", ",,$0000FF,,8",
                 changed([](Look& l) { l.colour = QColor(255, 0, 0); l.strikeout = true; })},
        FontCase{"StyleWithATrailingFieldIsSkipped", ",,,,1,2", kDesign},
        FontCase{"AllStyleBits", ",,,,15",
                 changed([](Look& l) { l.bold = l.italic = l.underline = l.strikeout = true; })}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredFontText, WrittenFontReadsBackWhole)
{
    TextStyle chosen;
    chosen.font = QFont(QStringLiteral("DejaVu Serif"));
    chosen.font.setPointSize(15);
    chosen.font.setItalic(true);
    chosen.font.setUnderline(true);
    chosen.colour = QColor(10, 20, 30);
    chosen.charset = 0;
    const QString text = fontText(chosen, 96);
    EXPECT_EQ(text, QStringLiteral("DejaVu Serif,0,1971210,15,6"));

    TextStyle restored = design();
    applyFontText(text, restored);
    EXPECT_EQ(lookOf(restored), lookOf(chosen));
}

TEST(StoredFontText, PixelSizesAreWrittenInPoints)
{
    TextStyle style;
    style.font = QFont(QStringLiteral("Arial"));
    style.font.setPixelSize(24);
    style.font.setBold(true);
    EXPECT_EQ(fontText(style, 96), QStringLiteral("Arial,0,0,18,1"));
}

TEST(ColourValue, RedIsTheLowByte)
{
    EXPECT_EQ(colourValue(QColor(255, 0, 0)), 255);
    EXPECT_EQ(colourValue(QColor(0, 255, 0)), 65280);
    EXPECT_EQ(colourValue(QColor(255, 255, 0)), 65535);
    EXPECT_EQ(colourValue(QColor(0, 0, 255)), 16711680);
    EXPECT_EQ(colourFromValue(65535), QColor(255, 255, 0));
    EXPECT_EQ(colourFromValue(0x02FF0000), QColor(0, 0, 255));
}

TEST(ColourValue, SystemColoursTakeTheRunningPalette)
{
    // clWindowText, the default text colour of files written on Windows.
    EXPECT_EQ(colourFromValue(-16777208), QApplication::palette().color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(colourFromValue(-16777201), QApplication::palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(colourFromValue(-16777100), std::nullopt);  // no such system colour
    EXPECT_EQ(colourFromValue(-5), std::nullopt);
}

}  // namespace
}  // namespace quorvia::appearance
