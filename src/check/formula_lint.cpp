// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/formula_lint.h"

#include "check/lint_common.h"
#include "content/formula_preparation.h"
#include "content/normalize_answer.h"
#include "content/operator_signs.h"
#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <set>

namespace quorvia::check {

namespace {

std::string syntaxReason(const std::string& reason)
{
    struct Translation {
        const char* english;
        const char* italian;
    };
    static constexpr Translation kReasons[] = {
        {"Unbalanced parentheses", "le parentesi non tornano"},
        {"Formula nested too deeply", "ci sono troppe parentesi una dentro l'altra"},
        {"Operator expected", "manca un segno tra due numeri"},
        {"\"(\" expected after a function name", "dopo il nome di una funzione ci vuole «(»"},
        {"Operand expected", "manca un numero"},
        {"Exponent must be a number or a variable", "l'esponente deve essere un numero"},
        {"\")\" expected", "manca «)»"},
        {"Unexpected character", "c'è un carattere che non appartiene a una formula"},
        {"Wrong number.", "un numero è scritto male"},
    };
    for (const Translation& t : kReasons) {
        if (reason == t.english)
            return t.italian;
    }
    return reason;
}

std::string arithmeticReason(const std::string& reason)
{
    if (reason == "Division by zero")
        return "una divisione per zero";
    if (reason == "Overflow")
        return "un numero troppo grande";
    return reason;
}

std::string separatorName()
{
    return decimalSeparator() == ',' ? "la virgola" : "il punto";
}

// Why a part of a formula is not a number, for the teacher.
std::string notANumberHint(const std::string& part)
{
    if (part.empty())
        return " (un segno all'inizio, alla fine o due segni di fila lasciano una parte vuota)";
    if (part.find_first_of("()") != std::string::npos)
        return " (nello schema non si possono usare parentesi)";
    const char other = decimalSeparator() == ',' ? '.' : ',';
    if (part.find(other) != std::string::npos)
        return " (il separatore decimale è " + separatorName() + ")";
    return std::string();
}

struct FormulaPlace {
    const char* key;
    std::string written;
    int line;
};

bool checkSyntax(const FormulaPlace& formula, const std::string& text, const std::string& file,
                 std::vector<Finding>& out)
{
    TCalcExpress evaluator;
    evaluator.setFormula(text);
    if (evaluator.hasTree())
        return true;
    out.push_back(error("formula-syntax", file, formula.line,
                        std::string("la formula ") + formula.key + " " + quote(formula.written) +
                            " non si legge: " + syntaxReason(evaluator.syntaxError().reason) + "."));
    return false;
}

bool checkNumbers(const FormulaPlace& formula, const std::vector<std::string>& parts, int problem,
                  const std::string& file, std::vector<Finding>& out)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        long double value = 0;
        if (part == "R1" || tryTextToFloat(part, value))
            continue;
        // The window's own words first, then why and what follows.
        out.push_back(error("formula-number", file, formula.line,
                            notANumberMessage(writtenFormulaPart(formula.written, i), formula.key, problem) +
                                notANumberHint(part) +
                                "; la finestra si ferma con questo messaggio e lo schema non si può completare."));
        return false;
    }
    return true;
}

void checkLength(const std::string& what, double value, const std::string& file, int line,
                 std::vector<Finding>& out)
{
    const std::string text = formatGeneral(value);
    if (static_cast<int>(text.size()) <= kNumberBoxLength)
        return;
    out.push_back(error("number-too-long", file, line,
                        what + " si scrive " + quote(text) + ", " + std::to_string(text.size()) +
                            " caratteri: in una casella dello schema ne entrano " +
                            std::to_string(kNumberBoxLength) + ", quindi il bambino non può scriverlo."));
}

}  // namespace

bool writtenWithOtherSeparator(const std::string& formula, char separator)
{
    const char other = separator == ',' ? '.' : ',';
    for (const std::string& part : takeFormulaApart(rewriteFormula(formula))) {
        long double value = 0;
        if (part != "R1" && !tryTextToFloat(part, separator, value) && tryTextToFloat(part, other, value))
            return true;
    }
    return false;
}

void lintFormulas(const IniFile& ini, const std::string& file, int problem, Scheme scheme,
                  const ProblemContent& content, std::vector<Finding>& out)
{
    const std::string section = "PROBLEMA_" + std::to_string(problem);
    const int sectionLine = ini.lineOf(section);
    auto lineOf = [&](const char* key) {
        const int line = ini.lineOf(section, key);
        return line ? line : sectionLine;
    };
    const FormulaPlace r1{"R1", content.r1, lineOf("R1")};
    const FormulaPlace r2{"R2", content.r2, lineOf("R2")};
    const bool second = hasSecondFormula(scheme);

    bool usable = true;
    for (const FormulaPlace* f : {&r1, &r2}) {
        if (f == &r2 && !second)
            continue;
        if (NormalizeAnswer(f->written).empty()) {
            out.push_back(error("formula-missing", file, f->line,
                                std::string("manca la formula ") + f->key +
                                    ": lo schema dell'operazione non si può completare."));
            usable = false;
        }
    }
    if (!usable)
        return;

    // Parts that are no numbers first: their message says more than the
    // evaluator's about a bracket or the other decimal separator.
    const std::string r1Text = rewriteFormula(r1.written);
    const std::vector<std::string> r1Parts = takeFormulaApart(r1Text);
    if (!checkNumbers(r1, r1Parts, problem, file, out) || !checkSyntax(r1, r1Text, file, out))
        usable = false;
    if (second) {
        const std::string r2Text = rewriteFormula(r2.written);
        const std::vector<std::string> r2Parts = takeFormulaApart(r2Text);
        int words = 0;
        for (const std::string& part : r2Parts)
            words += part == "R1" ? 1 : 0;
        if (r2Parts.size() != 2 || words != 1) {
            out.push_back(error("formula-shape", file, r2.line,
                                "la formula R2 " + quote(r2.written) +
                                    " deve avere due termini, la parola R1 e un numero, come R1x3 o 50-R1: "
                                    "la finestra non riesce a preparare lo schema."));
            usable = false;
        } else {
            std::string probe = r2Text;
            probe.replace(probe.find("R1"), 2, "1");
            if (!checkNumbers(r2, r2Parts, problem, file, out) || !checkSyntax(r2, probe, file, out))
                usable = false;
        }
    }
    if (!usable)
        return;

    const int wanted = formulaNumbers(scheme);
    if (static_cast<int>(r1Parts.size()) != wanted) {
        out.push_back(error("formula-shape", file, r1.line,
                            "la formula R1 " + quote(r1.written) + " ha " + std::to_string(r1Parts.size()) +
                                (r1Parts.size() == 1 ? " numero" : " numeri") + ", ma lo schema " +
                                schemeName(scheme) + " ne vuole " + std::to_string(wanted) + "."));
        return;
    }
    std::set<char> signs;
    for (char c : r1Text) {
        if (isEvaluatorOperator(c))
            signs.insert(c);
    }
    if (signs.size() > 1) {
        out.push_back(error("formula-mixed-signs", file, r1.line,
                            "la formula R1 " + quote(r1.written) +
                                " usa segni diversi, ma lo schema ha un solo segno per tutti i suoi numeri."));
        return;
    }

    PreparedFormulas formulas;
    try {
        TCalcExpress evaluator;
        formulas = prepareProblemFormulas(evaluator, scheme, content, PreparedFormulas{});
    } catch (const EvaluationError& failure) {
        // Which of the two formulas cannot be computed: R1 on its own tells.
        bool firstComputes = true;
        try {
            TCalcExpress alone;
            alone.setFormula(r1Text);
            alone.evaluate({});
        } catch (const std::exception&) {
            firstComputes = false;
        }
        // Without a second formula the fault is R1's, whatever R1 alone gives.
        out.push_back(error("formula-arithmetic", file, second && firstComputes ? r2.line : r1.line,
                            "il calcolo delle formule non si può fare: c'è " + arithmeticReason(failure.what()) +
                                "."));
        return;
    } catch (const std::exception& failure) {
        out.push_back(error("formula-shape", file, r1.line,
                            std::string("la finestra non riesce a preparare le formule: ") + failure.what()));
        return;
    }

    const int first = firstDataIndex(scheme);
    for (int i = 0; i < formulas.r1_count; ++i) {
        checkLength("il " + std::to_string(i + 1) + "° numero di R1", formulas.data_values[first + i], file,
                    r1.line, out);
    }
    checkLength("il risultato di R1", formulas.expected_result, file, r1.line, out);
    if (second) {
        checkLength("il numero di R2", formulas.second_number, file, r2.line, out);
        checkLength("il risultato di R2", formulas.final_result, file, r2.line, out);
    }
}

}  // namespace quorvia::check
