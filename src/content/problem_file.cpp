// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/problem_file.h"

#include "content/text_encoding.h"
#include "evaluator/decimal_number.h"

namespace quorvia {

namespace {

constexpr const char* kProgramSection = "AREA_PROGRAMMA";
constexpr const char* kMissingCaption = "?";
constexpr const char* kMissingText = "???";

// Key stems of the sentence steps: the variant number is appended to the
// stem. Index = step; "" for the operation step, null past the last step.
using StepStems = std::array<const char*, kMaxSteps + 1>;

constexpr StepStems kStemsScheme3 = {
    "", "DOMANDA", "DATO1_TESTO", "DATO2_TESTO", "", "RISPOSTA"};
constexpr StepStems kStemsScheme4a = {
    "",           "DOMANDA",     "DATO1_TESTO", "DATO2_TESTO", "DATO3_TESTO",
    "DATO4_TESTO", "DATO5_TESTO", "",            "RISPOSTA"};
constexpr StepStems kStemsScheme4b = {
    "",           "DOMANDA1_",   "DOMANDA2_", "DATO1_TESTO", "DATO2_TESTO",
    "DATO3_TESTO", "DATO4_TESTO", "",          "RISPOSTA1_",  "RISPOSTA2_"};
constexpr StepStems kStemsScheme5 = {
    "", "DOMANDA", "DATO1_TESTO", "DATO2_TESTO", "DATO3_TESTO", "", "RISPOSTA"};

const StepStems& stepStems(Scheme scheme) {
    switch (scheme) {
    case Scheme::S3: return kStemsScheme3;
    case Scheme::S4a: return kStemsScheme4a;
    case Scheme::S4b: return kStemsScheme4b;
    case Scheme::S5: return kStemsScheme5;
    }
    return kStemsScheme3;
}

constexpr CaptionRules kCaptionsScheme3 = {
    2, {false, true, true, false, false, false}, false, false, false};
constexpr CaptionRules kCaptionsScheme4a = {
    5, {false, false, false, false, false, true}, true, false, true};
constexpr CaptionRules kCaptionsScheme4b = {
    4, {false, false, false, false, true, false}, true, false, true};
constexpr CaptionRules kCaptionsScheme5 = {
    3, {false, true, true, true, false, false}, true, true, true};

std::string breaksIf(bool breaks, const std::string& text) {
    return breaks ? withLineBreaks(text) : text;
}

long double readNumber(const IniFile& file, const std::string& section, const std::string& key) {
    long double value = 0;
    // A value that is not a number reads as 0, like a missing one.
    if (!tryTextToFloat(file.readString(section, key, ""), value)) value = 0;
    return value;
}

}  // namespace

const CaptionRules& captionRules(Scheme scheme) {
    switch (scheme) {
    case Scheme::S3: return kCaptionsScheme3;
    case Scheme::S4a: return kCaptionsScheme4a;
    case Scheme::S4b: return kCaptionsScheme4b;
    case Scheme::S5: return kCaptionsScheme5;
    }
    return kCaptionsScheme3;
}

std::string withLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '|')
            result += kLineBreak;
        else
            result += c;
    }
    return result;
}

std::string variantKey(Scheme scheme, int step, int variant) {
    if (step < 1 || step > kMaxSteps || variant < 1 || variant > kVariants) return "";
    const char* stem = stepStems(scheme)[static_cast<std::size_t>(step)];
    if (stem == nullptr || *stem == '\0') return "";
    return stem + std::to_string(variant);
}

std::string stepName(Scheme scheme, int step) {
    if (step < 1 || step > stepCount(scheme)) return "";
    if (step == operationStep(scheme)) return "schema";
    // "DATO2_TESTO" and "DOMANDA2_" both name the second of their kind.
    std::string stem = stepStems(scheme)[static_cast<std::size_t>(step)];
    if (const auto suffix = stem.find("_TESTO"); suffix != std::string::npos) stem.erase(suffix);
    while (!stem.empty() && stem.back() == '_') stem.pop_back();
    std::string name;
    bool inNumber = false;
    for (char c : stem) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && !inNumber) name += ' ';
        inNumber = digit;
        name += digit ? c : static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

ProgramTexts readProgramTexts(const IniFile& file) {
    ProgramTexts texts;
    texts.exit_question = file.readString(kProgramSection, "MSG_USCITA", kMissingText);
    texts.solved_alone_text = file.readString(kProgramSection, "MSG_RISOLTO_DA", kMissingCaption);
    texts.solved_with_help_text =
        file.readString(kProgramSection, "MSG_RISOLTO_CON", kMissingCaption);
    texts.verifica_caption = file.readString(kProgramSection, "BTN_VERIFICA", kMissingCaption);
    texts.solution_caption = file.readString(kProgramSection, "BTN_SOLUZIONE", kMissingCaption);
    return texts;
}

ProblemContent readProblem(const IniFile& file, int problem, Scheme scheme) {
    const std::string section = "PROBLEMA_" + std::to_string(problem);
    auto read = [&](const std::string& key, const char* fallback) {
        return file.readString(section, key, fallback);
    };

    ProblemContent content;
    content.number = problem;
    content.text = withLineBreaks(read("TESTO", kMissingText));
    content.picture = read("JPG_PROBLEMA", "");
    content.general_help = withLineBreaks(read("HELP_GENERALE", kMissingCaption));
    content.r1 = read("R1", "");
    if (hasSecondFormula(scheme)) content.r2 = read("R2", "");

    const CaptionRules& rules = captionRules(scheme);
    for (std::size_t n = 1; n < content.data_captions.size(); ++n) {
        content.data_captions[n] = kMissingCaption;
        if (static_cast<int>(n) <= rules.data_captions)
            content.data_captions[n] = breaksIf(
                rules.data_breaks[n], read("MSG_DATO" + std::to_string(n), kMissingCaption));
    }
    content.partial_caption = kMissingCaption;
    content.partial_caption_on_jolly = kMissingCaption;
    if (rules.has_partial) {
        const std::string partial = read("MSG_RISULTATO_PARZIALE", kMissingCaption);
        content.partial_caption = breaksIf(rules.partial_breaks, partial);
        content.partial_caption_on_jolly = breaksIf(rules.jolly_breaks, partial);
    }
    content.final_caption = withLineBreaks(read("MSG_RISULTATO_FINALE", kMissingCaption));

    for (int step = 1; step <= kMaxSteps; ++step) {
        const auto s = static_cast<std::size_t>(step);
        for (int variant = 1; variant <= kVariants; ++variant) {
            const std::string key = variantKey(scheme, step, variant);
            if (!key.empty())
                content.variants[s][static_cast<std::size_t>(variant)] = read(key, kMissingCaption);
        }
        // Read for every step slot a window has; those past the scheme's last
        // step are never shown.
        content.hints[s] = read("MSG_HELP" + std::to_string(step), "");
        content.error_messages[s] = read("VERIFICA_MSG_NO" + std::to_string(step), kMissingCaption);
    }

    content.mistakes = readMistakeMessages(file, section);

    for (std::size_t n = 1; n < content.data_numbers.size(); ++n)
        content.data_numbers[n] = readNumber(file, section, "DATO" + std::to_string(n) + "_VALORE");
    return content;
}

std::string problemOpening(const IniFile& file, int problem, std::size_t words) {
    // However long its words, the opening stays short enough for a table cell.
    constexpr std::size_t kMaxCharacters = 60;
    const std::string text = file.readString("PROBLEMA_" + std::to_string(problem), "TESTO", "");
    std::string opening;
    std::size_t taken = 0;
    bool more = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto blank = [&](std::size_t at) {
            const char c = text[at];
            return c == '|' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
        };
        if (blank(i)) {
            ++i;
            continue;
        }
        if (taken == words) {
            more = true;
            break;
        }
        std::size_t end = i;
        while (end < text.size() && !blank(end)) ++end;
        if (!opening.empty()) opening += ' ';
        opening.append(text, i, end - i);
        ++taken;
        i = end;
    }
    if (utf8Length(opening) > kMaxCharacters) {
        opening = utf8Prefix(opening, kMaxCharacters);
        more = true;
    }
    return more ? opening + " …" : opening;
}

}  // namespace quorvia
