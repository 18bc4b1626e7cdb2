// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/normalize_answer.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvia {
namespace {

struct NormalizeCase {
    const char* name;
    std::string typed;
    std::string normalized;
};

void PrintTo(const NormalizeCase& c, std::ostream* os) { *os << c.name; }

class NormalizeAnswerTable : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeAnswerTable, RemovesSpacesAndCapitalisesAsciiLetters) {
    EXPECT_EQ(NormalizeAnswer(GetParam().typed), GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeAnswerTable,
    ::testing::Values(
        NormalizeCase{"SpacesAtStartBetweenAndEnd", "  Quanti anni   ha Marco?  ", "QUANTIANNIHAMARCO?"},
        NormalizeCase{"Empty", "", ""},
        NormalizeCase{"SpacesOnly", "     ", ""},
        NormalizeCase{"TabsAndLineBreaksStay", "a\tb\r\nc", "A\tB\r\nC"},
        NormalizeCase{"DigitsAndPunctuationStay", "l'anno, 3,5 kg. (sì)!", "L'ANNO,3,5KG.(Sì)!"},
        NormalizeCase{"AccentedLettersStayAsTheyAre", "perché è così", "PERCHéèCOSì"},
        NormalizeCase{"AccentedCapitalIsNotTheSmallLetter", "È", "È"},
        NormalizeCase{"NoBreakSpaceIsNoSpace", "a\xC2\xA0" "b", "A\xC2\xA0" "B"},
        NormalizeCase{"AlreadyNormalised", "QUANTICOSTA?", "QUANTICOSTA?"},
        NormalizeCase{"FormulaWithLowerX", "12 x 3", "12X3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormalizeAnswer, AccentedLettersDifferingInCaseDoNotMatch) {
    EXPECT_NE(NormalizeAnswer("è"), NormalizeAnswer("È"));
    EXPECT_EQ(NormalizeAnswer("la risposta è 5"), NormalizeAnswer("LA RISPOSTA è5"));
}

}  // namespace
}  // namespace quorvia
