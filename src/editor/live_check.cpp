// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/live_check.h"

#include "check/lint_common.h"
#include "check/problem_keys.h"
#include "check/problem_lint.h"
#include "content/decimal_separator_choice.h"
#include "content/formula_preparation.h"
#include "content/problem_file.h"
#include "editor/scheme_tables.h"
#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"
#include "exercise/scheme_check.h"
#include "exercise/scheme_description.h"

#include <algorithm>

namespace quorvia::editor {

std::vector<check::Finding> lintFindings(const ProblemDocument& document, int problem)
{
    std::vector<check::Finding> findings;
    // The folder check reads the formulas with the folder's own separator.
    const ScopedDecimalSeparator inForce(chooseDecimalSeparator(document.generale(), decimalSeparator()).separator);
    check::lintProblem(document.problems(), check::fileNameOf(document.problemPath()), document.folder(),
                       document.mode(), document.scheme(), problem, findings);
    return findings;
}

std::vector<FieldFinding> fieldFindings(const ProblemDocument& document, int problem)
{
    const IniFile& ini = document.problems();
    const std::string section = problemSection(problem);
    const std::vector<std::string> present = ini.keyNames(section);
    // Longest names first, so "DOMANDA1_2" is not taken for "DOMANDA1".
    std::vector<std::string> known;
    for (const check::KeyInfo& key : check::problemKeys(document.scheme()))
        known.push_back(key.name);
    std::sort(known.begin(), known.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });

    std::vector<FieldFinding> out;
    for (check::Finding& finding : lintFindings(document, problem)) {
        std::string key;
        for (const std::string& name : present) {
            if (finding.line != 0 && ini.lineOf(section, name) == finding.line) {
                key = check::upperAscii(name);
                break;
            }
        }
        if (key.empty()) {
            // A missing key is told at the section's header, by its name.
            for (const std::string& name : known) {
                if (finding.message.find("chiave " + name + ":") != std::string::npos) {
                    key = name;
                    break;
                }
            }
        }
        out.push_back({key, std::move(finding)});
    }
    return out;
}

ProblemState stateOf(const std::vector<check::Finding>& findings)
{
    ProblemState state = ProblemState::Clean;
    for (const check::Finding& finding : findings) {
        if (finding.severity == check::Severity::Error)
            return ProblemState::Errors;
        state = ProblemState::Warnings;
    }
    return state;
}

FormulaPreview previewFormulas(const ProblemDocument& document, int problem)
{
    FormulaPreview preview;
    // Numbers read and written as the folder says, as the window will.
    const ScopedDecimalSeparator inForce(chooseDecimalSeparator(document.generale(), decimalSeparator()).separator);
    const ProblemContent content = readProblem(document.problems(), problem, document.scheme());
    if (content.r1.empty()) {
        preview.error = "manca la formula R1";
        return preview;
    }
    bool refused = false;
    PreparedFormulas formulas;
    try {
        TCalcExpress evaluator;
        evaluator.setErrorHandler([&refused](const std::string&) { refused = true; });
        formulas = prepareProblemFormulas(evaluator, document.scheme(), content, PreparedFormulas{});
    } catch (const std::exception& failure) {
        preview.error = failure.what();
        return preview;
    }
    if (refused) {
        preview.error = "la formula non si legge";
        return preview;
    }
    preview.ok = true;
    preview.r1_value = generalText(formulas.expected_result).toStdString();
    if (hasSecondFormula(document.scheme()))
        preview.r2_value = generalText(formulas.final_result).toStdString();
    // The check compares in its own order; the teacher reads each row as
    // the child writes it: numbers, sign, result.
    const ExpectedTexts expected = schemeDescriptionOf(document.scheme()).expectations(formulas);
    for (int row = 1; row <= 2; ++row) {
        std::vector<std::string> numbers;
        std::string sign, result;
        for (const ExpectedText& text : expected) {
            if (text.row != row)
                continue;
            if (text.box == SchemeBox::Datum)
                numbers.push_back(text.text.toStdString());
            else if (text.box == SchemeBox::Operator)
                sign = text.text.toStdString();
            else
                result = text.text.toStdString();
        }
        if (numbers.empty() && result.empty())
            continue;
        if (row == 2 && numbers.size() == 1) {
            // The partial result stands on one side of the second number.
            const auto at = formulas.partial_on_right ? numbers.end() : numbers.begin();
            numbers.insert(at, preview.r1_value);
        }
        std::string line;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            line += (i ? " " + sign + " " : "") + numbers[i];
        preview.rows.push_back(line + " = " + result);
    }
    return preview;
}

}  // namespace quorvia::editor
