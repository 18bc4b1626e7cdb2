// SPDX-License-Identifier: GPL-3.0-or-later
// Which foreseen mistake a wrong sentence is: the variant behind a chosen
// item of a shuffled list, and a typed sentence among the foreseen ones.

#include "exercise/choice_shuffle.h"
#include "exercise/sentence_check.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

class FixedDraw : public RandomSource {
public:
    explicit FixedDraw(int r) : r_(r) {}
    void reseed() override {}
    int between(int, int) override { return r_; }

private:
    int r_;
};

TEST(VariantAtPosition, UndoesTheShuffleForEveryDraw)
{
    const QStringList variants{"v1", "v2", "v3", "v4", "v5"};
    for (int r = 1; r <= 4; ++r) {
        QStringList items = variants;
        FixedDraw draw(r);
        const int right = shuffleChoiceList(items, draw);
        for (int position = 0; position < items.size(); ++position) {
            EXPECT_EQ(variantAtPosition(position, right), variants.indexOf(items[position]) + 1)
                << "draw " << r << ", position " << position;
        }
    }
    EXPECT_EQ(variantAtPosition(-1, 2), 0);
}

TEST(ChosenItemMistake, NamesTheWrongVariantChosen)
{
    // The right sentence stands at position 2; the one it displaced went on top.
    EXPECT_EQ(chosenItemMistake(3, 0, "2").kind, MistakeKind::WrongVariant);
    EXPECT_EQ(chosenItemMistake(3, 0, "2").which, 3);
    EXPECT_EQ(chosenItemMistake(3, 0, "2").step, 3);
    EXPECT_EQ(chosenItemMistake(3, 4, "2").which, 5);
    for (const auto& [chosen, correct] : {std::pair<int, const char*>{2, "2"}, {-1, "2"}, {1, ""}, {1, "x"}})
        EXPECT_EQ(chosenItemMistake(3, chosen, correct).kind, MistakeKind::General) << chosen << correct;
}

TEST(TypedSentenceMistake, FindsTheFirstForeseenSentenceAfterNormalising)
{
    MistakeMessages messages;
    messages.foreseen_sentence[1] = {"", "", "Quante pere ha Luca?", "Quante pere  ha luca?", "", "Chi è Luca?"};
    const struct {
        const char* typed;
        MistakeKind kind;
        int which;
    } cases[] = {
        {"quante PERE ha Luca?", MistakeKind::ForeseenSentence, 2},  // 3 is the same sentence: 2 answers first
        {"Chi è Luca?", MistakeKind::ForeseenSentence, 5},
        {"Chi È Luca?", MistakeKind::General, 0},  // an accented capital is another letter
        {"Quante pere ha Luca", MistakeKind::General, 0},
        {"   ", MistakeKind::General, 0},  // absent keys foresee no empty sentence
    };
    for (const auto& c : cases) {
        const Mistake m = typedSentenceMistake(1, c.typed, messages);
        EXPECT_EQ(m.kind, c.kind) << c.typed;
        EXPECT_EQ(m.which, c.which) << c.typed;
    }
    EXPECT_EQ(typedSentenceMistake(2, "Chi è Luca?", messages).kind, MistakeKind::General);
}

}  // namespace
}  // namespace quorvia
