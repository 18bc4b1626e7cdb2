// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/mistake_messages.h"

namespace quorvia {

namespace {

// Index of a scheme kind in MistakeMessages::scheme; -1 for the others.
int schemeIndex(MistakeKind kind)
{
    for (std::size_t i = 0; i < kSchemeMistakeKinds.size(); ++i) {
        if (kSchemeMistakeKinds[i] == kind)
            return static_cast<int>(i);
    }
    return -1;
}

const char* schemeKeyStem(MistakeKind kind)
{
    switch (kind) {
    case MistakeKind::Sign: return "VERIFICA_MSG_SEGNO";
    case MistakeKind::Order: return "VERIFICA_MSG_ORDINE";
    case MistakeKind::UnknownNumber: return "VERIFICA_MSG_DATI";
    case MistakeKind::Calculation: return "VERIFICA_MSG_CALCOLO";
    case MistakeKind::General:
    case MistakeKind::WrongVariant:
    case MistakeKind::ForeseenSentence:
        break;
    }
    return "";
}

bool stepInRange(int step)
{
    return step >= 1 && step <= kMaxSteps;
}

// The one place that decides which key answers a mistake; `key` (when
// given) receives its name.
const std::string* findOwnMessage(const Mistake& mistake, const MistakeMessages& messages, std::string* key)
{
    const int which = mistake.which;
    const auto entry = static_cast<std::size_t>(which);
    const auto step = static_cast<std::size_t>(mistake.step);
    const std::string* found = nullptr;
    std::string name;
    switch (mistake.kind) {
    case MistakeKind::General:
        break;
    case MistakeKind::WrongVariant:
        // Variant 1 is the right sentence: it has no message of its own.
        if (stepInRange(mistake.step) && which >= 2 && which <= kVariants &&
            !messages.wrong_variant[step][entry].empty()) {
            found = &messages.wrong_variant[step][entry];
            name = wrongVariantKey(mistake.step, which);
        }
        break;
    case MistakeKind::ForeseenSentence:
        if (stepInRange(mistake.step) && which >= 1 && which <= kForeseenSentences &&
            !messages.foreseen_message[step][entry].empty()) {
            found = &messages.foreseen_message[step][entry];
            name = foreseenMessageKey(mistake.step, which);
        }
        break;
    case MistakeKind::Sign:
    case MistakeKind::Order:
    case MistakeKind::UnknownNumber:
    case MistakeKind::Calculation: {
        // The row's own key first, then the key for every row.
        const auto& rows = messages.scheme[static_cast<std::size_t>(schemeIndex(mistake.kind))];
        const int row = which >= 1 && which <= kSchemeRows && !rows[entry].empty() ? which : 0;
        if (!rows[static_cast<std::size_t>(row)].empty()) {
            found = &rows[static_cast<std::size_t>(row)];
            name = schemeMistakeKey(mistake.kind, row);
        }
        break;
    }
    }
    if (key)
        *key = found ? name : std::string();
    return found;
}

}  // namespace

std::string schemeMistakeKey(MistakeKind kind, int row)
{
    const std::string stem = schemeKeyStem(kind);
    if (stem.empty() || row < 0 || row > kSchemeRows)
        return "";
    return row == 0 ? stem : stem + "_" + std::to_string(row);
}

std::string wrongVariantKey(int step, int variant)
{
    return "VERIFICA_MSG_NO" + std::to_string(step) + "_" + std::to_string(variant);
}

std::string foreseenSentenceKey(int step, int sentence)
{
    return "RISPOSTA_SBAGLIATA" + std::to_string(step) + "_" + std::to_string(sentence);
}

std::string foreseenMessageKey(int step, int sentence)
{
    return "VERIFICA_MSG_NO" + std::to_string(step) + "_SE" + std::to_string(sentence);
}

MistakeMessages readMistakeMessages(const IniFile& file, const std::string& section)
{
    MistakeMessages messages;
    for (int s = 1; s <= kMaxSteps; ++s) {
        const auto step = static_cast<std::size_t>(s);
        for (int k = 2; k <= kVariants; ++k)
            messages.wrong_variant[step][static_cast<std::size_t>(k)] =
                file.readString(section, wrongVariantKey(s, k), "");
        for (int j = 1; j <= kForeseenSentences; ++j) {
            const auto entry = static_cast<std::size_t>(j);
            messages.foreseen_sentence[step][entry] = file.readString(section, foreseenSentenceKey(s, j), "");
            messages.foreseen_message[step][entry] = file.readString(section, foreseenMessageKey(s, j), "");
        }
    }
    for (std::size_t i = 0; i < kSchemeMistakeKinds.size(); ++i) {
        for (int row = 0; row <= kSchemeRows; ++row)
            messages.scheme[i][static_cast<std::size_t>(row)] =
                file.readString(section, schemeMistakeKey(kSchemeMistakeKinds[i], row), "");
    }
    return messages;
}

const std::string* ownMessage(const Mistake& mistake, const MistakeMessages& messages)
{
    return findOwnMessage(mistake, messages, nullptr);
}

std::string ownMessageKey(const Mistake& mistake, const MistakeMessages& messages)
{
    std::string key;
    findOwnMessage(mistake, messages, &key);
    return key;
}

const std::string& errorMessageFor(const Mistake& mistake, const MistakeMessages& messages,
                                   const std::string& general)
{
    const std::string* own = ownMessage(mistake, messages);
    return own ? *own : general;
}

}  // namespace quorvia
