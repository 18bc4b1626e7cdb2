// SPDX-License-Identifier: GPL-3.0-or-later
// The messages for foreseen mistakes: which key answers which mistake, and
// the step's own message whenever none does.

#include "content/mistake_messages.h"
#include "content/problem_file.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

const char* const kProblem =
    "[PROBLEMA_1]\n"
    "VERIFICA_MSG_NO2=generale\n"
    "VERIFICA_MSG_NO2_1=la variante giusta non sbaglia\n"
    "VERIFICA_MSG_NO2_3=variante tre\n"
    "VERIFICA_MSG_NO2_4=\n"
    "risposta_sbagliata1_2=Quante pere?\n"
    "Verifica_Msg_No1_Se2=guarda la domanda\n"
    "VERIFICA_MSG_SEGNO=segno\n"
    "VERIFICA_MSG_SEGNO_2=segno della seconda riga\n"
    "VERIFICA_MSG_CALCOLO_1=calcolo della prima riga\n"
    "VERIFICA_MSG_DATI_2=\n"
    "VERIFICA_MSG_DATI=dati\n";

struct MessageCase {
    const char* name;
    Mistake mistake;
    const char* shown;  // what the balloon says
    const char* key;    // the key it comes from; "" for VERIFICA_MSG_NO<s>
};

class MessageChoice : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageChoice, TakesTheMistakesOwnKeyOrElseTheStepsMessage)
{
    const MessageCase& c = GetParam();
    const MistakeMessages messages = readProblem(IniFile::parse(kProblem), 1, Scheme::S5).mistakes;
    const std::string general = "generale";
    EXPECT_EQ(errorMessageFor(c.mistake, messages, general), c.shown);
    EXPECT_EQ(ownMessageKey(c.mistake, messages), c.key);
}

using K = MistakeKind;

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageChoice,
    ::testing::Values(
        MessageCase{"NothingKnown", {K::General, 2, 0}, "generale", ""},
        MessageCase{"WrongVariantWithItsKey", {K::WrongVariant, 2, 3}, "variante tre", "VERIFICA_MSG_NO2_3"},
        MessageCase{"EmptyKeyIsNoMessage", {K::WrongVariant, 2, 4}, "generale", ""},
        MessageCase{"AbsentKey", {K::WrongVariant, 2, 5}, "generale", ""},
        MessageCase{"VariantOneIsNeverAMistake", {K::WrongVariant, 2, 1}, "generale", ""},
        MessageCase{"ForeseenSentenceInAnyCase", {K::ForeseenSentence, 1, 2}, "guarda la domanda",
                    "VERIFICA_MSG_NO1_SE2"},
        MessageCase{"ForeseenSentenceWithoutMessage", {K::ForeseenSentence, 1, 1}, "generale", ""},
        MessageCase{"SignOnARowWithoutItsKeyTakesTheCommonOne", {K::Sign, 5, 1}, "segno", "VERIFICA_MSG_SEGNO"},
        MessageCase{"RowKeyComesFirst", {K::Sign, 5, 2}, "segno della seconda riga", "VERIFICA_MSG_SEGNO_2"},
        MessageCase{"RowKeyAlone", {K::Calculation, 5, 1}, "calcolo della prima riga", "VERIFICA_MSG_CALCOLO_1"},
        MessageCase{"OtherRowOfARowKeyAlone", {K::Calculation, 5, 2}, "generale", ""},
        MessageCase{"EmptyRowKeyLeavesTheCommonOne", {K::UnknownNumber, 5, 2}, "dati", "VERIFICA_MSG_DATI"},
        MessageCase{"KindWithoutKeys", {K::Order, 5, 1}, "generale", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MistakeMessages, AFileWithoutTheKeysHasNoMessageOfItsOwn)
{
    const IniFile plain = IniFile::parse("[PROBLEMA_1]\nVERIFICA_MSG_NO1=riprova\nVERIFICA_MSG_NO5=schema\n");
    const ProblemContent problem = readProblem(plain, 1, Scheme::S5);
    for (int s = 1; s <= kMaxSteps; ++s) {
        for (int which = 0; which <= kVariants; ++which) {
            for (K kind : {K::General, K::WrongVariant, K::ForeseenSentence, K::Sign, K::Order, K::UnknownNumber,
                           K::Calculation}) {
                const Mistake mistake{kind, s, which};
                EXPECT_EQ(ownMessage(mistake, problem.mistakes), nullptr) << s << " " << which;
                EXPECT_EQ(&errorMessageFor(mistake, problem.mistakes, problem.error_messages[s]),
                          &problem.error_messages[s]);
            }
        }
    }
}

TEST(MistakeMessages, KeysAreSpelledAsTeachersWriteThem)
{
    EXPECT_EQ(wrongVariantKey(3, 4), "VERIFICA_MSG_NO3_4");
    EXPECT_EQ(foreseenSentenceKey(1, 2), "RISPOSTA_SBAGLIATA1_2");
    EXPECT_EQ(foreseenMessageKey(6, 5), "VERIFICA_MSG_NO6_SE5");
    EXPECT_EQ(schemeMistakeKey(K::Sign, 0), "VERIFICA_MSG_SEGNO");
    EXPECT_EQ(schemeMistakeKey(K::Order, 1), "VERIFICA_MSG_ORDINE_1");
    EXPECT_EQ(schemeMistakeKey(K::UnknownNumber, 2), "VERIFICA_MSG_DATI_2");
    EXPECT_EQ(schemeMistakeKey(K::Calculation, 0), "VERIFICA_MSG_CALCOLO");
    EXPECT_EQ(schemeMistakeKey(K::WrongVariant, 0), "");
}

}  // namespace
}  // namespace quorvia
