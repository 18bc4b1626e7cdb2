// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/formula_preparation.h"

#include "content/normalize_answer.h"
#include "content/operator_signs.h"
#include "evaluator/decimal_number.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace quorvia {

namespace {

constexpr std::size_t kArgumentCount = 11;
const std::string kPartialWord = "R1";

// The tests run in the order of the signs and a later one wins, so a formula
// mixing operators shows the last sign in the list it contains.
std::string operatorSignOf(const std::string& formula, const std::string& previous) {
    std::string sign = previous;
    for (std::size_t i = 0; i < kEvaluatorOperators.size(); ++i)
        if (formula.find(kEvaluatorOperators[i]) != std::string::npos) sign = kOperatorSigns[i];
    return sign;
}

std::string listIndexError(std::size_t index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string tooManyNumbers(const std::string& r1, int most, bool room_for_r2) {
    std::string message = "La formula R1 \"" + r1 + "\" ha più di " + std::to_string(most) +
                          " numeri: lo schema ne contiene al massimo " + std::to_string(most);
    if (room_for_r2) message += ", perché serve un posto anche per il numero di R2";
    return message + ".";
}

// The result of R1 as it stands in R2's formula. A negative result goes in
// brackets: "50-R1" must not become "50--3", which the evaluator refuses.
std::string partialOperandText(double expected_result, const std::string& result_text) {
    return expected_result < 0 ? "(" + result_text + ")" : result_text;
}

// The windows hold numbers and results as double. A value beyond its range
// would become an infinity that no child can type (and converting it is
// undefined), so it is the overflow it would be in the evaluator.
double windowNumber(long double value) {
    if (std::fabs(value) > std::numeric_limits<double>::max()) throw EvaluationError("Overflow");
    return static_cast<double>(value);
}

// A part of a formula as a number, or the teacher's own words on why not.
long double formulaNumber(const std::vector<std::string>& lines, std::size_t index,
                          const std::string& written, const char* key, int problem) {
    long double value = 0;
    if (!tryTextToFloat(lines[index], value))
        throw FormulaError(notANumberMessage(writtenFormulaPart(written, index), key, problem));
    return value;
}

void prepareFirst(TCalcExpress& evaluator, Scheme scheme, const std::string& r1, int problem,
                  PreparedFormulas& out) {
    const std::string formula = rewriteFormula(r1);
    evaluator.setFormula(formula);
    // The list itself, not setVariables: that would parse again and report
    // a malformed formula a second time. The numbers stand written out in
    // the formula, so the names bind nothing anyway.
    evaluator.variables().clear();
    out.operator_sign = operatorSignOf(formula, out.operator_sign);

    const std::vector<std::string> lines = takeFormulaApart(formula);
    const int most = maxR1Numbers(scheme);
    if (static_cast<int>(lines.size()) > most)
        throw FormulaError(tooManyNumbers(r1, most, hasSecondFormula(scheme)));

    std::vector<long double> arguments(kArgumentCount, 0.0L);
    const auto first = static_cast<std::size_t>(firstDataIndex(scheme));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        evaluator.variables().push_back(std::string(1, static_cast<char>('A' + i)));
        const long double value = formulaNumber(lines, i, r1, "R1", problem);
        arguments[i] = value;
        out.data_values[first + i] = windowNumber(value);
    }
    out.r1_count = static_cast<int>(lines.size());
    out.r1_parts = lines;
    out.expected_result = windowNumber(evaluator.evaluate(arguments));
}

void prepareSecond(TCalcExpress& evaluator, Scheme scheme, const std::string& r2, int problem,
                   PreparedFormulas& out) {
    const std::string formula = rewriteFormula(r2);
    out.second_operator_sign = operatorSignOf(formula, out.second_operator_sign);

    const std::string result_text = formatGeneral(out.expected_result);
    std::string with_result = formula;
    const std::size_t word = with_result.find(kPartialWord);
    if (word != std::string::npos)
        with_result.replace(word, kPartialWord.size(),
                            partialOperandText(out.expected_result, result_text));
    evaluator.setFormula(with_result);

    std::vector<std::string> lines = takeFormulaApart(formula);
    evaluator.variables().clear();
    if (lines.size() < 2) throw FormulaError(listIndexError(lines.size()));
    if (lines.size() > 2)
        throw FormulaError("La formula R2 \"" + r2 +
                           "\" ha più di due termini: lo schema ne contiene solo due, "
                           "la parola R1 e un numero.");

    std::vector<long double> arguments(kArgumentCount, 0.0L);
    std::size_t number_line = 0;
    if (lines[0] == kPartialWord) {
        out.partial_on_right = 0;
        number_line = 1;
        evaluator.variables() = {kPartialWord, "B"};
    } else if (lines[1] == kPartialWord) {
        out.partial_on_right = 1;
        number_line = 0;
        evaluator.variables() = {"A", kPartialWord};
    } else {
        throw FormulaError("La formula R2 \"" + r2 +
                           "\" non ha la parola R1 come uno dei suoi due termini.");
    }
    const long double number = formulaNumber(lines, number_line, r2, "R2", problem);
    arguments[number_line] = number;
    arguments[1 - number_line] = out.expected_result;

    // maxR1Numbers keeps this entry inside the window's table.
    const auto entry = static_cast<std::size_t>(firstDataIndex(scheme) + out.r1_count);
    out.data_values[entry] = windowNumber(number);
    out.second_number = out.data_values[entry];
    lines[1 - number_line] = result_text;
    out.r2_parts = lines;
    out.final_result = windowNumber(evaluator.evaluate(arguments));
}

}  // namespace

std::string rewriteFormula(const std::string& written) {
    std::string text = NormalizeAnswer(written);
    for (char& c : text) {
        if (c == 'x' || c == 'X')
            c = '*';
        else if (c == ':')
            c = '/';
    }
    return text;
}

std::vector<std::string> takeFormulaApart(const std::string& formula) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < formula.size()) {
        std::size_t end = start;
        while (end < formula.size() && !isEvaluatorOperator(formula[end])) ++end;
        lines.push_back(formula.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string writtenFormulaPart(const std::string& written, std::size_t index) {
    // Rewriting leaves out the spaces and changes no other character's
    // place, so the written text without spaces breaks where the rewritten
    // one does.
    std::string compact;
    for (char c : written)
        if (c != ' ') compact += c;
    const std::string rewritten = rewriteFormula(written);
    std::size_t start = 0;
    for (std::size_t part = 0; start <= rewritten.size(); ++part) {
        std::size_t end = start;
        while (end < rewritten.size() && !isEvaluatorOperator(rewritten[end])) ++end;
        if (part == index) return compact.substr(start, end - start);
        start = end + 1;
    }
    return std::string();
}

std::string notANumberMessage(const std::string& writtenPart, const std::string& key, int problem) {
    std::string what = writtenPart.empty()
                           ? std::string("Manca un numero prima o dopo un segno")
                           : "«" + writtenPart + "» non è un numero";
    what += ": controlla la formula " + key;
    if (problem > 0) what += " del problema " + std::to_string(problem);
    return what;
}

int maxR1Numbers(Scheme scheme) {
    const int entries = std::min(kMaxFormulaNumbers, kDataValueEntries);
    return hasSecondFormula(scheme) ? entries - 1 : entries;
}

PreparedFormulas prepareFormulas(TCalcExpress& evaluator, Scheme scheme,
                                 const std::string& r1, const std::string& r2,
                                 const PreparedFormulas& previous, int problem) {
    PreparedFormulas out = previous;
    out.r1_parts.clear();
    out.r2_parts.clear();
    prepareFirst(evaluator, scheme, r1, problem, out);
    if (hasSecondFormula(scheme)) prepareSecond(evaluator, scheme, r2, problem, out);
    return out;
}

PreparedFormulas prepareProblemFormulas(TCalcExpress& evaluator, Scheme scheme,
                                        const ProblemContent& problem,
                                        const PreparedFormulas& previous) {
    PreparedFormulas start = previous;
    if (firstDataIndex(scheme) == 1) {
        for (std::size_t n = 1; n < start.data_values.size(); ++n)
            start.data_values[n] = windowNumber(problem.data_numbers[n]);
    }
    return prepareFormulas(evaluator, scheme, problem.r1, problem.r2, start, problem.number);
}

}  // namespace quorvia
