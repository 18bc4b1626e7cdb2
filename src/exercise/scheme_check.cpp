// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme_check.h"

#include "evaluator/decimal_number.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace quorvia {

namespace {

// A typed number as the check writes numbers, so that a number typed in
// another form (12,0 for 12) is still the same number; nothing when the
// text is not a number.
std::optional<QString> asNumberText(const QString& typed)
{
    long double value = 0;
    if (!tryTextToFloat(typed.toStdString(), value))
        return std::nullopt;
    return generalText(static_cast<double>(value));
}

struct RowMistake {
    MistakeKind kind = MistakeKind::General;
    int row = 0;
};

// The kind of mistake on `row`, which holds at least one difference.
MistakeKind rowMistake(const ExpectedTexts& expected, const std::vector<QString>& shown, int row,
                       const QStringList& problemNumbers)
{
    bool misplaced = false;
    bool unknown = false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedText& e = expected[i];
        if (e.row != row || e.box != SchemeBox::Datum || shown[i] == e.text)
            continue;
        const std::optional<QString> number = asNumberText(shown[i]);
        if (!number)
            return MistakeKind::General;
        if (*number == e.text)
            continue;
        if (problemNumbers.contains(*number))
            misplaced = true;
        else
            unknown = true;
    }
    if (unknown)
        return MistakeKind::UnknownNumber;
    if (misplaced)
        return MistakeKind::Order;

    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedText& e = expected[i];
        if (e.row == row && e.box == SchemeBox::Operator && shown[i] != e.text)
            return shown[i].isEmpty() ? MistakeKind::General : MistakeKind::Sign;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedText& e = expected[i];
        if (e.row != row || e.box != SchemeBox::Result || shown[i] == e.text)
            continue;
        const std::optional<QString> number = asNumberText(shown[i]);
        return number && *number != e.text ? MistakeKind::Calculation : MistakeKind::General;
    }
    return MistakeKind::General;
}

// The rows are told in order: a mistake on the first row usually carries
// into the second, which then says nothing of its own.
RowMistake classify(const ExpectedTexts& expected, const std::vector<QString>& shown)
{
    QStringList problemNumbers;
    int rows = 1;
    for (const ExpectedText& e : expected) {
        if (e.box != SchemeBox::Operator)
            problemNumbers.append(e.text);
        rows = std::max(rows, e.row);
    }
    for (int row = 1; row <= rows; ++row) {
        bool differs = false;
        for (std::size_t i = 0; i < expected.size(); ++i)
            differs = differs || (expected[i].row == row && shown[i] != expected[i].text);
        if (!differs)
            continue;
        const MistakeKind kind = rowMistake(expected, shown, row, problemNumbers);
        return kind == MistakeKind::General ? RowMistake{} : RowMistake{kind, row};
    }
    return {};
}

}  // namespace

SchemeCheckResult checkOperationScheme(const ExpectedTexts& expected,
                                       const std::function<QString(const QString&)>& shown)
{
    SchemeCheckResult result;
    std::vector<QString> texts;
    texts.reserve(expected.size());
    for (const ExpectedText& e : expected)
        texts.push_back(shown(e.widget));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (texts[i] != expected[i].text) {
            result.failed = static_cast<int>(i);
            result.failed_widget = expected[i].widget;
            const RowMistake mistake = classify(expected, texts);
            result.mistake = mistake.kind;
            result.row = mistake.row;
            return result;
        }
    }
    result.passed = true;
    return result;
}

QString generalText(double value)
{
    return QString::fromStdString(formatGeneral(static_cast<long double>(value)));
}

}  // namespace quorvia
