// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/spoken_text.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(ItalianNumberWords, SaysNumbersAsOneWordWithTheirElisionsAndAccents)
{
    const struct {
        unsigned long long number;
        const char* words;
    } cases[] = {
        {0, "zero"},
        {1, "uno"},
        {17, "diciassette"},
        {21, "ventuno"},
        {23, "ventitré"},
        {28, "ventotto"},
        {40, "quaranta"},
        {100, "cento"},
        {103, "centotré"},
        {180, "centottanta"},
        {199, "centonovantanove"},
        {200, "duecento"},
        {1000, "mille"},
        {1500, "millecinquecento"},
        {2003, "duemilatré"},
        {21000, "ventunmila"},
        {23000, "ventitremila"},
        {1'000'000, "un milione"},
        {1'200'000, "un milione duecentomila"},
        {23'000'001, "ventitré milioni uno"},
        {1'000'000'000ULL, "1000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(italianNumberWords(c.number), c.words) << c.number;
}

TEST(SpokenText, WritesOutNumbersMoneyAndPausesAsAChildSaysThem)
{
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"1,5", "uno virgola cinque"},
        {"3,25 kg", "tre virgola venticinque chili"},
        {"0,05", "zero virgola zero cinque"},
        {"1.5", "uno virgola cinque"},
        // With a decimal comma a dot before three digits groups thousands.
        {"1.500 persone", "millecinquecento persone"},
        {"4,25 euro", "quattro euro e venticinque centesimi"},
        {"Costa 4,5 euro.", "Costa quattro euro e cinquanta centesimi."},
        {"0,50 euro", "cinquanta centesimi"},
        {"1 euro", "un euro"},
        {"21 euro", "ventun euro"},
        {"2,01 \xE2\x82\xAC", "due euro e un centesimo"},
        {"2,125 euro", "due virgola centoventicinque euro"},
        {"Luca ha 3, Marco 4", "Luca ha tre, Marco quattro"},
        // Names that end in a digit are the voice's to read.
        {"R1 e R2", "R1 e R2"},
        // A line break is a pause; a line that ends with a stop keeps it.
        {"Luca ha 12 mele\nNe mangia 3.\nQuante ne restano?",
         "Luca ha dodici mele. Ne mangia tre. Quante ne restano?"},
        {"Prima riga|seconda riga", "Prima riga. seconda riga"},
        // Without the scheme's reading the signs stay as they are.
        {"12 + 5", "dodici + cinque"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenText(c.text), c.spoken) << c.text;
}

TEST(SpokenText, SaysTheUnitsAfterANumberAsWords)
{
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"182 cm", "centottantadue centimetri"},
        {"2,5 kg", "due virgola cinque chili"},
        {"1 kg", "un chilo"},
        {"1 m", "un metro"},
        {"21 m", "ventuno metri"},
        {"1,0 m", "uno virgola zero metri"},
        {"3 mm, 4 dm e 2 km", "tre millimetri, quattro decimetri e due chilometri"},
        {"500 g", "cinquecento grammi"},
        {"1 hg", "un etto"},
        {"2 q", "due quintali"},
        {"1 t", "una tonnellata"},
        {"3 t", "tre tonnellate"},
        {"250 ml", "duecentocinquanta millilitri"},
        {"33 cl", "trentatré centilitri"},
        {"5 dl", "cinque decilitri"},
        {"1 l", "un litro"},
        {"2 L", "due litri"},
        {"4 hl", "quattro ettolitri"},
        {"1 h", "un'ora"},
        {"2 h e 15 min", "due ore e quindici minuti"},
        {"1 min", "un minuto"},
        {"30 s", "trenta secondi"},
        {"50%", "cinquanta per cento"},
        {"1 %", "uno per cento"},
        {"20 \xC2\xB0" "C", "venti gradi"},
        {"1 \xC2\xB0" "C", "un grado"},
        {"3,50 \xE2\x82\xAC", "tre euro e cinquanta centesimi"},
        // Written together with the number, at the end of a sentence.
        {"Misura 182cm.", "Misura centottantadue centimetri."},
        {"Il nastro è lungo 12 m?", "Il nastro è lungo dodici metri?"},
        // A letter that starts a word is not a unit.
        {"2 mele e 3 litri", "due mele e tre litri"},
        {"Ha 3 l'anno", "Ha tre l'anno"},
        {"5 minuti", "cinque minuti"},
        {"Ne prende 4 g2", "Ne prende quattro g2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenText(c.text), c.spoken) << c.text;
}

TEST(SpokenText, SaysTheSignsOfTheSchemeAsWords)
{
    SpokenTextOptions scheme;
    scheme.operators_as_words = true;
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"12 + 5 = 17", "dodici più cinque uguale diciassette"},
        {"20 - 4,5", "venti meno quattro virgola cinque"},
        {"6 X 3", "sei per tre"},
        {"6x3", "sei per tre"},
        {"18 : 3", "diciotto diviso tre"},
        {"X", "per"},
        // Inside words the letters stay letters.
        {"Xavier ha 6 libri: ne regala 2", "Xavier ha sei libri: ne regala due"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenText(c.text, scheme), c.spoken) << c.text;
}

TEST(SpokenText, ADotSeparatorNeverGroupsThousands)
{
    SpokenTextOptions dot;
    dot.decimal_separator = '.';
    EXPECT_EQ(spokenText("1.500", dot), "uno virgola cinquecento");
    EXPECT_EQ(spokenText("2,5", dot), "due virgola cinque");
}

}  // namespace
}  // namespace quorvia
