// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/sentence_check.h"

#include "content/normalize_answer.h"
#include "exercise/choice_shuffle.h"

#include <cstdlib>

namespace quorvia {

namespace {

// The right item's position as the load wrote it; false for an entry a load
// never filled.
bool rightPosition(const std::string& correctItem, int& position)
{
    char* end = nullptr;
    const long value = std::strtol(correctItem.c_str(), &end, 10);
    if (correctItem.empty() || end == correctItem.c_str() || *end != '\0')
        return false;
    position = static_cast<int>(value);
    return true;
}

}  // namespace

SentenceVerdict checkTypedSentence(const std::string& typed,
                                   const std::array<std::string, kVariants + 1>& variants)
{
    const std::string answer = NormalizeAnswer(typed);
    if (answer.empty())
        return SentenceVerdict::Ignored;
    for (int k = 1; k <= kVariants; ++k) {
        if (answer == NormalizeAnswer(variants[k]))
            return SentenceVerdict::Right;
    }
    return SentenceVerdict::Wrong;
}

SentenceVerdict checkChosenItem(int chosen, const std::string& correctItem)
{
    int correct = 0;
    if (!rightPosition(correctItem, correct))
        return SentenceVerdict::Ignored;
    return chosen >= 0 && chosen == correct ? SentenceVerdict::Right : SentenceVerdict::Wrong;
}

Mistake typedSentenceMistake(int step, const std::string& typed, const MistakeMessages& messages)
{
    const std::string answer = NormalizeAnswer(typed);
    if (step < 1 || step > kMaxSteps || answer.empty())
        return {MistakeKind::General, step, 0};
    const auto& foreseen = messages.foreseen_sentence[static_cast<std::size_t>(step)];
    for (int j = 1; j <= kForeseenSentences; ++j) {
        const std::string& sentence = foreseen[static_cast<std::size_t>(j)];
        // An absent key foresees nothing.
        if (!sentence.empty() && NormalizeAnswer(sentence) == answer)
            return {MistakeKind::ForeseenSentence, step, j};
    }
    return {MistakeKind::General, step, 0};
}

Mistake chosenItemMistake(int step, int chosen, const std::string& correctItem)
{
    int correct = 0;
    const int variant = rightPosition(correctItem, correct) ? variantAtPosition(chosen, correct) : 0;
    if (variant < 2)
        return {MistakeKind::General, step, 0};
    return {MistakeKind::WrongVariant, step, variant};
}

}  // namespace quorvia
