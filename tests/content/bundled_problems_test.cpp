// SPDX-License-Identifier: GPL-3.0-or-later
// The problem files that ship with the program, loaded as a window loads
// them: every problem must prepare without a message, fit its number boxes
// and offer sentences that the step checks can tell apart.

#include "content/formula_preparation.h"
#include "content/ini_file.h"
#include "content/normalize_answer.h"
#include "content/problem_file.h"
#include "evaluator/decimal_number.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace quorvia {
namespace {

const std::string kResourceFolder = QUORVIA_SOURCE_RESOURCES "/";
constexpr std::size_t kNumberBoxLength = 10;

// One problem file: the mode section of GENERALE.INI and the slot n of its
// INI_FILE<n> and MAX<n> keys.
struct BundledFile {
    const char* name;
    const char* mode_section;
    int slot;
    Scheme scheme;
    Mode mode;
};

const BundledFile kBundledFiles[] = {
    {"Principiante_Schema3", "PRINCIPIANTE", 1, Scheme::S3, Mode::Beginner},
    {"Principiante_Schema4a", "PRINCIPIANTE", 2, Scheme::S4a, Mode::Beginner},
    {"Principiante_Schema4b", "PRINCIPIANTE", 3, Scheme::S4b, Mode::Beginner},
    {"Principiante_Schema5", "PRINCIPIANTE", 4, Scheme::S5, Mode::Beginner},
    {"Avanzato_Schema3", "AVANZATO", 1, Scheme::S3, Mode::Advanced},
    {"Avanzato_Schema4a", "AVANZATO", 2, Scheme::S4a, Mode::Advanced},
    {"Avanzato_Schema4b", "AVANZATO", 3, Scheme::S4b, Mode::Advanced},
    {"Avanzato_Schema5", "AVANZATO", 4, Scheme::S5, Mode::Advanced},
};

// Captions MSG_DATO1..n the operation scheme of each scheme shows.
int dataCaptionCount(Scheme scheme) {
    switch (scheme) {
    case Scheme::S3: return 2;
    case Scheme::S4a: return 5;
    case Scheme::S4b: return 4;
    case Scheme::S5: return 3;
    }
    return 0;
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The number stands in the sentence as a whole number: "44" is not found in
// "144" nor in "44,5", "2,5" not in "2,50".
bool statesNumber(const std::string& sentence, const std::string& number) {
    for (std::size_t at = sentence.find(number); at != std::string::npos;
         at = sentence.find(number, at + 1)) {
        const std::size_t end = at + number.size();
        const bool digit_before = at > 0 && (isDigit(sentence[at - 1]) || sentence[at - 1] == ',');
        const bool digit_after = end < sentence.size() &&
                                 (isDigit(sentence[end]) ||
                                  (sentence[end] == ',' && end + 1 < sentence.size() &&
                                   isDigit(sentence[end + 1])));
        if (!digit_before && !digit_after) return true;
    }
    return false;
}

// gtest names the file in a failure instead of dumping the struct's bytes.
void PrintTo(const BundledFile& file, std::ostream* out) { *out << file.name; }

// The texts a child types or picks, as the checks compare them.
struct ProblemNumbers {
    std::string partial;            // R1's value
    std::string final_result;       // R2's value (R1's where there is no R2)
    std::vector<std::string> data;  // in the order the datum steps state them
};

void checkTexts(const std::string& where, const ProblemContent& problem, Scheme scheme) {
    EXPECT_NE(problem.text, "???") << where << " TESTO";
    EXPECT_NE(problem.general_help, "?") << where << " HELP_GENERALE";
    for (int d = 1; d <= dataCaptionCount(scheme); ++d)
        EXPECT_NE(problem.data_captions[static_cast<std::size_t>(d)], "?")
            << where << " MSG_DATO" << d;
    if (hasSecondFormula(scheme)) {
        EXPECT_NE(problem.partial_caption, "?") << where << " MSG_RISULTATO_PARZIALE";
    }
    EXPECT_NE(problem.final_caption, "?") << where << " MSG_RISULTATO_FINALE";
    for (int s = 1; s <= stepCount(scheme); ++s) {
        const auto step = static_cast<std::size_t>(s);
        EXPECT_FALSE(problem.hints[step].empty()) << where << " MSG_HELP" << s;
        EXPECT_NE(problem.error_messages[step], "?") << where << " VERIFICA_MSG_NO" << s;
    }
}

// Prepares the formulas as the window does at the load; false when the load
// would stop or show a message.
bool prepareNumbers(const std::string& where, const ProblemContent& problem, Scheme scheme,
                    ProblemNumbers& numbers) {
    TCalcExpress evaluator;
    std::vector<std::string> messages;
    evaluator.setErrorHandler([&](const std::string& m) { messages.push_back(m); });
    const std::string formulas_text = " R1 \"" + problem.r1 + "\" R2 \"" + problem.r2 + "\": ";
    PreparedFormulas formulas;
    try {
        formulas = prepareProblemFormulas(evaluator, scheme, problem, PreparedFormulas{});
    } catch (const std::exception& e) {
        ADD_FAILURE() << where << formulas_text << e.what();
        return false;
    }
    if (!messages.empty()) {
        ADD_FAILURE() << where << formulas_text << messages.front();
        return false;
    }

    numbers.partial = formatGeneral(formulas.expected_result);
    numbers.final_result =
        hasSecondFormula(scheme) ? formatGeneral(formulas.final_result) : numbers.partial;
    EXPECT_LE(numbers.partial.size(), kNumberBoxLength) << where << " R1 gives " << numbers.partial;
    EXPECT_LE(numbers.final_result.size(), kNumberBoxLength)
        << where << " R2 gives " << numbers.final_result;

    const int first = firstDataIndex(scheme);
    const int count = formulas.r1_count + (hasSecondFormula(scheme) ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const auto entry = static_cast<std::size_t>(first + i);
        numbers.data.push_back(formatGeneral(formulas.data_values[entry]));
        EXPECT_LE(numbers.data.back().size(), kNumberBoxLength)
            << where << " number " << numbers.data.back();
        // The load reads DATO<n>_VALORE and the formulas then overwrite the
        // entries they reach: a teacher's file must tell the same data twice.
        if (first == 1) {
            EXPECT_EQ(static_cast<double>(problem.data_numbers[entry]), formulas.data_values[entry])
                << where << " DATO" << entry << "_VALORE";
        }
    }
    return true;
}

// The number a sentence step has to state: its datum, or the result its
// answer gives (the first of two answers gives the partial result).
std::string numberOfStep(Scheme scheme, int step, const ProblemNumbers& numbers,
                         std::size_t& next_datum) {
    const std::string stem = variantKey(scheme, step, 1);
    if (stem.rfind("DATO", 0) == 0)
        return next_datum < numbers.data.size() ? numbers.data[next_datum++] : "";
    if (stem.rfind("RISPOSTA1_", 0) == 0) return numbers.partial;
    if (stem.rfind("RISPOSTA", 0) == 0) return numbers.final_result;
    return "";
}

void checkSentences(const std::string& where, const ProblemContent& problem, Scheme scheme,
                    Mode mode, const ProblemNumbers& numbers) {
    std::size_t next_datum = 0;
    for (int s = 1; s <= stepCount(scheme); ++s) {
        if (s == operationStep(scheme)) continue;
        const auto& variants = problem.variants[static_cast<std::size_t>(s)];
        const std::string must_state = numberOfStep(scheme, s, numbers, next_datum);
        for (int k = 1; k <= kVariants; ++k) {
            const std::string key = variantKey(scheme, s, k);
            const std::string& text = variants[static_cast<std::size_t>(k)];
            EXPECT_NE(text, "?") << where << " " << key;
            // Beginner variants 2 to 5 are the wrong choices.
            const bool must_be_right = k == 1 || mode == Mode::Advanced;
            if (must_be_right && !must_state.empty()) {
                EXPECT_TRUE(statesNumber(text, must_state))
                    << where << " " << key << " \"" << text << "\" does not say " << must_state;
            }
            for (int j = 1; j < k; ++j) {
                const std::string& other = variants[static_cast<std::size_t>(j)];
                if (mode == Mode::Beginner) {
                    EXPECT_NE(text, other)
                        << where << " " << key << " repeats " << variantKey(scheme, s, j);
                } else {
                    EXPECT_NE(NormalizeAnswer(text), NormalizeAnswer(other))
                        << where << " " << key << " and " << variantKey(scheme, s, j)
                        << " differ only by spaces or case";
                }
            }
        }
    }
}

class BundledProblemsTest : public ::testing::TestWithParam<BundledFile> {
private:
    ScopedDecimalSeparator comma_{','};
};

TEST_P(BundledProblemsTest, EveryProblemLoadsAndCanBeSolved) {
    const BundledFile& bundled = GetParam();
    const IniFile general = IniFile::read(kResourceFolder + "GENERALE.INI");
    const std::string slot = std::to_string(bundled.slot);
    const std::string file_name = general.readString(bundled.mode_section, "INI_FILE" + slot, "");
    const int count = general.readInteger(bundled.mode_section, "MAX" + slot, 0);
    ASSERT_FALSE(file_name.empty()) << bundled.mode_section << " has no INI_FILE" << slot;
    ASSERT_TRUE(std::filesystem::is_regular_file(kResourceFolder + file_name)) << file_name;
    ASSERT_GE(count, 1) << bundled.mode_section << " MAX" << slot;
    ASSERT_LE(count, kMaxProblems) << bundled.mode_section << " MAX" << slot;

    const IniFile file = IniFile::read(kResourceFolder + file_name);
    EXPECT_FALSE(file.sectionExists("PROBLEMA_" + std::to_string(count + 1)))
        << file_name << " holds more problems than MAX" << slot << " = " << count;
    const ProgramTexts texts = readProgramTexts(file);
    EXPECT_NE(texts.exit_question, "???") << file_name << " MSG_USCITA";
    EXPECT_NE(texts.solved_alone_text, "?") << file_name << " MSG_RISOLTO_DA";
    EXPECT_NE(texts.solved_with_help_text, "?") << file_name << " MSG_RISOLTO_CON";
    EXPECT_NE(texts.verifica_caption, "?") << file_name << " BTN_VERIFICA";
    EXPECT_NE(texts.solution_caption, "?") << file_name << " BTN_SOLUZIONE";

    for (int n = 1; n <= count; ++n) {
        const std::string section = "PROBLEMA_" + std::to_string(n);
        const std::string where = file_name + " [" + section + "]";
        ASSERT_TRUE(file.sectionExists(section)) << where << " missing";
        const ProblemContent problem = readProblem(file, n, bundled.scheme);
        checkTexts(where, problem, bundled.scheme);
        ProblemNumbers numbers;
        if (prepareNumbers(where, problem, bundled.scheme, numbers))
            checkSentences(where, problem, bundled.scheme, bundled.mode, numbers);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BundledProblemsTest, ::testing::ValuesIn(kBundledFiles),
                         [](const ::testing::TestParamInfo<BundledFile>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quorvia
