#include "exercise/sentence_check.h"

#include "content/normalize_answer.h"

#include <cstdlib>

namespace quorvia {

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
    if (correctItem.empty())
        return SentenceVerdict::Ignored;
    char* end = nullptr;
    const long correct = std::strtol(correctItem.c_str(), &end, 10);
    if (end == correctItem.c_str() || *end != '\0')
        return SentenceVerdict::Ignored;
    return chosen >= 0 && chosen == correct ? SentenceVerdict::Right : SentenceVerdict::Wrong;
}

}  // namespace quorvia
