// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a sentence step, apart from any window.

#include "exercise/sentence_check.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

using Variants = std::array<std::string, kVariants + 1>;

const Variants kQuestion = {"", "Quante figurine ha Luca?", "Quante figurine ha  Luca ?",
                            "Luca quante figurine ha?", "Quante sono le figurine di Luca?",
                            "È vero che Luca ha figurine?"};

struct TypedCase {
    const char* name;
    std::string typed;
    SentenceVerdict expected;
};

// A failing case reads by its name.
void PrintTo(const TypedCase& c, std::ostream* out)
{
    *out << c.name;
}

class TypedSentence : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedSentence, IsJudgedAgainstTheFiveWordings)
{
    EXPECT_EQ(checkTypedSentence(GetParam().typed, kQuestion), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedSentence,
    ::testing::Values(
        TypedCase{"FirstWordingAsWritten", "Quante figurine ha Luca?", SentenceVerdict::Right},
        TypedCase{"OtherWordingBySpacesAndCase", "  luca QUANTE figurine   ha?", SentenceVerdict::Right},
        TypedCase{"FifthWording", "È vero che luca ha figurine?", SentenceVerdict::Right},
        TypedCase{"AccentedCapitalIsAnotherLetter", "è vero che Luca ha figurine?", SentenceVerdict::Wrong},
        TypedCase{"PunctuationCounts", "Quante figurine ha Luca", SentenceVerdict::Wrong},
        TypedCase{"TabIsNotASpace", "Quante\tfigurine ha Luca?", SentenceVerdict::Wrong},
        TypedCase{"EmptyIsIgnored", "", SentenceVerdict::Ignored},
        TypedCase{"SpacesOnlyAreIgnored", "    ", SentenceVerdict::Ignored}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedSentence, MissingWordingsReadAsQuestionMarkAndAreAccepted)
{
    const Variants missing = {"", "?", "?", "?", "?", "?"};
    EXPECT_EQ(checkTypedSentence("?", missing), SentenceVerdict::Right);
    EXPECT_EQ(checkTypedSentence("Quante?", missing), SentenceVerdict::Wrong);
}

struct ChosenCase {
    const char* name;
    int chosen;
    std::string correct;
    SentenceVerdict expected;
};

// A failing case reads by its name.
void PrintTo(const ChosenCase& c, std::ostream* out)
{
    *out << c.name;
}

class ChosenItem : public ::testing::TestWithParam<ChosenCase> {};

TEST_P(ChosenItem, IsJudgedByItsPosition)
{
    EXPECT_EQ(checkChosenItem(GetParam().chosen, GetParam().correct), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChosenItem,
    ::testing::Values(ChosenCase{"RightPosition", 3, "3", SentenceVerdict::Right},
                      ChosenCase{"OtherPosition", 0, "3", SentenceVerdict::Wrong},
                      ChosenCase{"NoChoiceIsWrong", -1, "2", SentenceVerdict::Wrong},
                      ChosenCase{"PlaceholderEntryJudgesNothing", 1, "", SentenceVerdict::Ignored},
                      ChosenCase{"GarbledEntryJudgesNothing", 1, "1x", SentenceVerdict::Ignored}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia
