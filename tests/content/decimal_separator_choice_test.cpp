// SPDX-License-Identifier: GPL-3.0-or-later
// The separator GENERALE.INI sets, and the locale's for want of one.

#include "content/decimal_separator_choice.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

struct ChoiceCase {
    const char* generale;
    char locale;
    char separator;
    SeparatorSource source;
};

TEST(DecimalSeparatorChoice, TheKeyWinsOverTheLocaleOnlyWhenItIsCommaOrPoint)
{
    const ChoiceCase cases[] = {
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=,\n", '.', ',', SeparatorSource::Generale},
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=.\n", ',', '.', SeparatorSource::Generale},
        // Names and blanks as the INI reader takes them.
        {"[area_programma]\nseparatore_decimale =  , \n", '.', ',', SeparatorSource::Generale},
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=..\n", ',', ',', SeparatorSource::Locale},
        {"[AREA_PROGRAMMA]\nBTN_FINE=Esci\n", '.', '.', SeparatorSource::Locale},
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=\n", ',', ',', SeparatorSource::Locale},
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=virgola\n", '.', '.', SeparatorSource::Locale},
        {"[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=,.\n", '.', '.', SeparatorSource::Locale},
        // Only the program's own section counts.
        {"[PRINCIPIANTE]\nSEPARATORE_DECIMALE=,\n", '.', '.', SeparatorSource::Locale},
        {"", ',', ',', SeparatorSource::Locale},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.generale);
        const DecimalSeparatorChoice choice = chooseDecimalSeparator(IniFile::parse(c.generale), c.locale);
        EXPECT_EQ(choice.separator, c.separator);
        EXPECT_EQ(choice.source, c.source);
    }
}

TEST(DecimalSeparatorChoice, AFolderWithoutGeneraleLeavesItToTheLocale)
{
    const DecimalSeparatorChoice choice = chooseDecimalSeparator(std::string("/nessuna/cartella/"), '.');
    EXPECT_EQ(choice.separator, '.');
    EXPECT_EQ(choice.source, SeparatorSource::Locale);
}

}  // namespace
}  // namespace quorvia
