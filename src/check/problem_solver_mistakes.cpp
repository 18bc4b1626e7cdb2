// SPDX-License-Identifier: GPL-3.0-or-later
// The foreseen mistakes, each made once before the step is answered right:
// a wrong sentence of a beginner's list, a foreseen wrong sentence typed in
// advanced mode, and each kind of scheme mistake on each row that has a
// message. The window must count the error and show the very message its
// key holds, which is also what tells that the window told the kind of a
// scheme mistake as the teacher meant it.

#include "check/lint_common.h"
#include "check/problem_keys.h"
#include "check/problem_solver.h"

#include "content/normalize_answer.h"
#include "content/operator_signs.h"
#include "evaluator/decimal_number.h"
#include "exercise/choice_shuffle.h"
#include "exercise/exercise_window.h"
#include "exercise/hint_balloon.h"
#include "exercise/sentence_check.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace quorvia::check {

namespace {

std::optional<long double> numberOf(const QString& text)
{
    long double value = 0;
    if (!tryTextToFloat(text.toStdString(), value))
        return std::nullopt;
    return value;
}

// The data first: the number a child puts in the wrong box is most often
// another datum.
QStringList problemNumbers(const ExpectedTexts& texts)
{
    QStringList numbers;
    for (SchemeBox box : {SchemeBox::Datum, SchemeBox::Result}) {
        for (const ExpectedText& e : texts) {
            if (e.box == box)
                numbers.append(e.text);
        }
    }
    return numbers;
}

std::vector<std::size_t> entriesOf(const ExpectedTexts& texts, int row, SchemeBox box)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].row == row && texts[i].box == box)
            found.push_back(i);
    }
    return found;
}

// Turns the right texts of a scheme into the texts of one mistake of `kind`
// on `row`, as a child makes it; false when the problem leaves no room for it
// (a row of equal numbers cannot be put in the wrong order).
bool makeSchemeMistake(ExpectedTexts& texts, MistakeKind kind, int row)
{
    const std::vector<std::size_t> data = entriesOf(texts, row, SchemeBox::Datum);
    const QStringList numbers = problemNumbers(texts);
    switch (kind) {
    case MistakeKind::Sign:
        for (std::size_t i : entriesOf(texts, row, SchemeBox::Operator)) {
            for (const char* sign : kOperatorSigns) {
                if (texts[i].text != QLatin1String(sign)) {
                    texts[i].text = QLatin1String(sign);
                    return true;
                }
            }
        }
        return false;
    case MistakeKind::Order:
        // Two operands swapped; a row with one operand takes another of the
        // problem's numbers.
        for (std::size_t a = 0; a < data.size(); ++a) {
            for (std::size_t b = a + 1; b < data.size(); ++b) {
                if (texts[data[a]].text != texts[data[b]].text) {
                    std::swap(texts[data[a]].text, texts[data[b]].text);
                    return true;
                }
            }
        }
        for (std::size_t i : data) {
            for (const QString& other : numbers) {
                if (other != texts[i].text) {
                    texts[i].text = other;
                    return true;
                }
            }
        }
        return false;
    case MistakeKind::UnknownNumber:
    case MistakeKind::Calculation: {
        const std::vector<std::size_t> targets =
            kind == MistakeKind::Calculation ? entriesOf(texts, row, SchemeBox::Result) : data;
        if (targets.empty())
            return false;
        QString& text = texts[targets.front()].text;
        const std::optional<long double> value = numberOf(text);
        if (!value)
            return false;
        // One more, and again, until the number is none of the problem's.
        for (int step = 1; step < 100; ++step) {
            const QString slip = generalText(static_cast<double>(*value + step));
            if (!numbers.contains(slip) || kind == MistakeKind::Calculation) {
                text = slip;
                return true;
            }
        }
        return false;
    }
    case MistakeKind::General:
    case MistakeKind::WrongVariant:
    case MistakeKind::ForeseenSentence:
        break;
    }
    return false;
}

std::string schemeMistakeWords(MistakeKind kind, int row)
{
    const std::string where = " nella riga " + std::to_string(row) + " dello schema";
    switch (kind) {
    case MistakeKind::Sign: return "con un segno sbagliato" + where;
    case MistakeKind::Order: return "con i numeri giusti al posto sbagliato" + where;
    case MistakeKind::UnknownNumber: return "con un numero che non è del problema" + where;
    case MistakeKind::Calculation: return "con un errore di calcolo" + where;
    default: return "con un errore" + where;
    }
}

}  // namespace

bool ProblemSolver::playForeseenMistakes(const StepRow& step, const ProblemContent& problem)
{
    return step.kind == StepKind::OperationScheme ? playSchemeMistakes(step, problem)
                                                  : playSentenceMistakes(step, problem);
}

bool ProblemSolver::playSentenceMistakes(const StepRow& step, const ProblemContent& problem)
{
    const int s = step.step;
    const MistakeMessages& messages = problem.mistakes;
    if (window_.mode() == Mode::Beginner) {
        auto* list = qobject_cast<QComboBox*>(window_.TROVA_COMP(QLatin1String(step.beginner_input)));
        const QStringList& correct = window_.state().correct_items;
        bool ok = false;
        const int right = s - 1 < correct.size() ? correct[s - 1].toInt(&ok) : -1;
        if (!usable(list) || !ok)
            return true;  // answering the step right will say what is wrong
        for (int k = 2; k <= kVariants; ++k) {
            const Mistake mistake{MistakeKind::WrongVariant, s, k};
            if (!ownMessage(mistake, messages))
                continue;
            for (int position = 0; position < list->count(); ++position) {
                if (variantAtPosition(position, right) != k)
                    continue;
                list->setCurrentIndex(position);
                if (!playMistake(step, mistake, problem, "scegliendo la variante " + std::to_string(k)))
                    return false;
            }
        }
        return true;
    }

    auto* box = qobject_cast<QLineEdit*>(window_.TROVA_COMP(QLatin1String(step.advanced_input)));
    if (!usable(box))
        return true;
    for (int j = 1; j <= kForeseenSentences; ++j) {
        const Mistake mistake{MistakeKind::ForeseenSentence, s, j};
        if (!ownMessage(mistake, messages))
            continue;
        const std::string& sentence =
            messages.foreseen_sentence[static_cast<std::size_t>(s)][static_cast<std::size_t>(j)];
        // A sentence the window accepts, or one an earlier foreseen sentence
        // already answers, is the lint's to report; making it would pass the step.
        if (checkTypedSentence(sentence, window_.state().answer_table[static_cast<std::size_t>(s)]) !=
                SentenceVerdict::Wrong ||
            typedSentenceMistake(s, sentence, messages).which != j)
            continue;
        const std::string what = "scrivendo la frase sbagliata prevista " + foreseenSentenceKey(s, j);
        if (!typeInto(box, QString::fromStdString(sentence))) {
            unshown_.push_back({foreseenSentenceKey(s, j), "al " + stepLabel(window_.scheme().scheme, s) + ", " +
                                                               what + ", non si riesce a scriverla tutta."});
            continue;
        }
        if (!playMistake(step, mistake, problem, what))
            return false;
    }
    return true;
}

bool ProblemSolver::playSchemeMistakes(const StepRow& step, const ProblemContent& problem)
{
    ExpectedTexts right;
    if (!schemeAnswers(problem, right))
        return true;  // filling the scheme right will say why
    const int rows = hasSecondFormula(window_.scheme().scheme) ? 2 : 1;
    for (MistakeKind kind : kSchemeMistakeKinds) {
        for (int row = 1; row <= rows; ++row) {
            const Mistake mistake{kind, step.step, row};
            ExpectedTexts wrong = right;
            if (!ownMessage(mistake, problem.mistakes) || !makeSchemeMistake(wrong, kind, row))
                continue;
            const std::string what = schemeMistakeWords(kind, row);
            if (!fillTexts(wrong)) {
                unshown_.push_back({ownMessageKey(mistake, problem.mistakes),
                                    "al " + stepLabel(window_.scheme().scheme, step.step) + ", " + what +
                                        ", " + reason_});
                reason_.clear();
                continue;
            }
            if (!playMistake(step, mistake, problem, what))
                return false;
        }
    }
    return true;
}

bool ProblemSolver::playMistake(const StepRow& step, const Mistake& mistake, const ProblemContent& problem,
                                const std::string& what)
{
    auto* button = qobject_cast<QAbstractButton*>(window_.TROVA_COMP(QStringLiteral("B%1").arg(step.step)));
    if (!usable(button)) {
        reason_ = "il pulsante Verifica non è attivo.";
        return false;
    }
    const int errors = window_.errorTotal();
    button->click();
    const std::string label = "al " + stepLabel(window_.scheme().scheme, step.step) + ", " + what;
    if (window_.errorTotal() != errors + 1) {
        reason_ = what + ", la finestra non segna errore e va avanti.";
        return false;
    }
    const std::string& expected =
        errorMessageFor(mistake, problem.mistakes, problem.error_messages[static_cast<std::size_t>(step.step)]);
    auto* balloon = window_.findChild<HintBalloon*>();
    const std::string shown = balloon ? balloon->text().toStdString() : std::string();
    if (shown != expected) {
        unshown_.push_back({ownMessageKey(mistake, problem.mistakes),
                            label + ", la finestra mostra " + quote(shown) + " invece di " + quote(expected) + "."});
    }
    return finishAnimations();
}

}  // namespace quorvia::check
