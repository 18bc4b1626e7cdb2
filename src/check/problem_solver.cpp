// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/problem_solver.h"

#include "check/lint_common.h"
#include "check/problem_keys.h"
#include "content/formula_preparation.h"
#include "content/normalize_answer.h"
#include "exercise/child_actions.h"
#include "exercise/choice_shuffle.h"
#include "exercise/exercise_window.h"
#include "exercise/shown_text.h"
#include "platform/fakes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <random>

namespace quorvia::check {

namespace {

// The same draws at every run, so that a report can be compared with the last.
class FixedSeedRandomSource : public RandomSource {
public:
    void reseed() override {}
    int between(int low, int high) override { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    std::mt19937 engine_{20240901u};
};

std::string utf8(const QString& text)
{
    return text.toStdString();
}

}  // namespace

ProblemSolver::ProblemSolver(ExerciseWindow& window, platform::ScriptedDialogs& dialogs)
    : window_(window), dialogs_(dialogs)
{
    window_.setRandomSource(std::make_unique<FixedSeedRandomSource>());
}

SolveResult ProblemSolver::solve(const ExerciseLaunch& launch, const ProblemContent& problem)
{
    dialogs_.clearRecords();
    reason_.clear();
    failed_step_ = 0;
    unshown_.clear();
    SolveResult result;
    window_.setLaunch(launch);
    try {
        // Showing the window starts the problem, as when the main window opens it.
        window_.show();
        result.solved = solveSteps(problem);
    } catch (const std::exception& failure) {
        result.solved = false;
        reason_ = std::string("la finestra si è fermata con l'errore ") + quote(failure.what());
    }
    if (!result.solved) {
        result.reason = reason_;
        result.failed_step = failed_step_;
    }
    try {
        finishAnimations();
        window_.close();
    } catch (const std::exception&) {
        window_.hide();
    }
    // The check runs no event loop, so nothing posted to the windows
    // (repaints, layout requests, deferred deletions) is ever delivered. Left
    // to pile up, they made every new one slower: Qt compares each repaint
    // request with all those waiting, and the wait only grew.
    QCoreApplication::removePostedEvents(nullptr);
    for (const QString& message : dialogs_.messages())
        result.messages.push_back(utf8(message));
    for (const auto& box : dialogs_.errorBoxes())
        result.messages.push_back(utf8(box.text));
    result.unshown = unshown_;
    return result;
}

bool ProblemSolver::solveSteps(const ProblemContent& problem)
{
    const auto& steps = window_.scheme().steps;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepRow& step = steps[i];
        failed_step_ = step.step;
        if (!finishAnimations())
            return false;
        const bool filled =
            playForeseenMistakes(step, problem) &&
            (step.kind == StepKind::OperationScheme ? fillScheme(problem) : fillSentence(step, problem));
        if (!filled || !pressVerifica(step, i + 1 < steps.size() ? &steps[i + 1] : nullptr)) {
            reason_ = "al " + stepLabel(window_.scheme().scheme, step.step) + " " + reason_;
            return false;
        }
    }
    return finishAnimations();
}

bool ProblemSolver::fillSentence(const StepRow& step, const ProblemContent& problem)
{
    const auto& variants = problem.variants[static_cast<std::size_t>(step.step)];
    if (window_.mode() == Mode::Advanced) {
        auto* box = qobject_cast<QLineEdit*>(window_.TROVA_COMP(QLatin1String(step.advanced_input)));
        if (!usable(box)) {
            reason_ = "la casella della frase non è aperta.";
            return false;
        }
        // The model sentence, or else the first right wording a child can type in full.
        QString cut;
        for (int k = 1; k <= kVariants; ++k) {
            const QString sentence = QString::fromStdString(variants[static_cast<std::size_t>(k)]);
            if (NormalizeAnswer(sentence.toStdString()).empty())
                continue;
            typed_ = sentence.toStdString();
            if (typeInto(box, sentence))
                return true;
            if (cut.isEmpty())
                cut = box->text();
        }
        reason_ = cut.isEmpty() ? std::string("tutte le cinque frasi giuste sono vuote.")
                                : "nessuna delle frasi giuste si riesce a scrivere tutta nella casella: la "
                                  "scrittura si ferma a " + quote(utf8(cut)) + ".";
        return false;
    }

    auto* list = qobject_cast<QComboBox*>(window_.TROVA_COMP(QLatin1String(step.beginner_input)));
    if (!usable(list)) {
        reason_ = "l'elenco delle frasi non è aperto.";
        return false;
    }
    const QString right = QString::fromStdString(variants[1]);
    typed_ = right.toStdString();
    QList<int> matches;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i) == right)
            matches.append(i);
    }
    if (matches.isEmpty()) {
        reason_ = "nell'elenco non c'è la frase giusta " + quote(typed_) + ".";
        return false;
    }
    // Where the right sentence stands twice, the child may pick either; the
    // lint reports the repeat, and solving goes on with the one the window
    // counts as right.
    int choice = matches.first();
    const int entry = step.step - 1;
    const QStringList& correct = window_.state().correct_items;
    bool ok = false;
    const int right_position = entry < correct.size() ? correct[entry].toInt(&ok) : -1;
    if (ok && matches.contains(right_position))
        choice = right_position;
    list->setCurrentIndex(choice);
    return true;
}

bool ProblemSolver::fillScheme(const ProblemContent& problem)
{
    ExpectedTexts answers;
    return schemeAnswers(problem, answers) && fillTexts(answers);
}

bool ProblemSolver::schemeAnswers(const ProblemContent& problem, ExpectedTexts& answers)
{
    const SchemeDescription& scheme = window_.scheme();
    PreparedFormulas formulas;
    bool refused = false;
    try {
        TCalcExpress evaluator;
        evaluator.setErrorHandler([&refused](const std::string&) { refused = true; });
        formulas = prepareProblemFormulas(evaluator, scheme.scheme, problem, PreparedFormulas{});
    } catch (const std::exception& failure) {
        reason_ = std::string("le formule del problema non si possono calcolare (") + failure.what() +
                  "), quindi non si sa che cosa scrivere nello schema.";
        return false;
    }
    if (refused) {
        reason_ = "le formule del problema non si leggono, quindi non si sa che cosa scrivere nello schema.";
        return false;
    }
    answers = scheme.expectations(formulas);
    return true;
}

bool ProblemSolver::fillTexts(const ExpectedTexts& texts)
{
    for (const ExpectedText& expected : texts) {
        QObject* target = window_.TROVA_COMP(expected.widget);
        const std::string name = utf8(expected.widget);
        if (auto* box = qobject_cast<QLineEdit*>(target)) {
            if (!usable(box)) {
                reason_ = "la casella " + name + " dello schema non è aperta.";
                return false;
            }
            if (!typeInto(box, expected.text)) {
                reason_ = "nella casella " + name + " non si riesce a scrivere " + quote(utf8(expected.text)) +
                          ": la scrittura si ferma a " + quote(utf8(box->text())) + ".";
                return false;
            }
        } else if (auto* label = qobject_cast<QLabel*>(target)) {
            if (!pickSign(label, expected.text)) {
                reason_ = "nel segno " + name + " non si riesce a mettere " + quote(utf8(expected.text)) + ".";
                return false;
            }
        } else {
            reason_ = "nella finestra manca " + name + ", che lo schema deve controllare.";
            return false;
        }
    }
    return true;
}

bool ProblemSolver::pressVerifica(const StepRow& step, const StepRow* next)
{
    auto* button = qobject_cast<QAbstractButton*>(window_.TROVA_COMP(QStringLiteral("B%1").arg(step.step)));
    if (!usable(button)) {
        reason_ = "il pulsante Verifica non è attivo.";
        return false;
    }
    const int errors = window_.errorTotal();
    const int solved = window_.solvedCount();
    button->click();

    if (window_.errorTotal() != errors) {
        reason_ = step.kind == StepKind::OperationScheme
                      ? schemeRefusal()
                      : "la finestra segna errore sulla frase giusta " + quote(typed_) + ".";
        return false;
    }
    if (!next) {
        if (window_.solvedCount() != solved + 1) {
            reason_ = "la finestra accetta la risposta ma non chiude il problema.";
            return false;
        }
        return true;
    }
    auto* following = qobject_cast<QAbstractButton*>(window_.TROVA_COMP(QStringLiteral("B%1").arg(next->step)));
    if (!following || !following->isEnabled()) {
        reason_ = "la finestra non segna errore, ma il passo dopo non si apre.";
        return false;
    }
    return true;
}

std::string ProblemSolver::schemeRefusal() const
{
    const ExerciseState& state = window_.state();
    if (!state.formulas_ready)
        return "la finestra segna errore perché non è riuscita a preparare le formule del problema.";
    for (const ExpectedText& wanted : window_.scheme().expectations(state.formulas)) {
        const QString shown = textOf(wanted.widget);
        if (shown != wanted.text) {
            return "la finestra segna errore: in " + utf8(wanted.widget) + " si aspetta " +
                   quote(utf8(wanted.text)) + ", mentre il numero che viene dalle formule del problema è " +
                   quote(utf8(shown)) + ".";
        }
    }
    return "la finestra segna errore sullo schema, anche se ogni casella ha il numero giusto.";
}

bool ProblemSolver::finishAnimations()
{
    if (playOutAnimations(window_, kMaxAnimationTicks) < 0) {
        reason_ = "un'animazione della finestra non finisce mai, e nel frattempo la finestra non accetta "
                  "risposte.";
        return false;
    }
    return true;
}

bool ProblemSolver::typeInto(QLineEdit* box, const QString& text)
{
    return typeAsChild(box, text);
}

bool ProblemSolver::pickSign(QLabel* label, const QString& sign)
{
    return usable(label) && pickMenuItemAsChild(window_, label, operatorMenuItem(window_, sign)) &&
           label->text() == sign;
}

bool ProblemSolver::usable(QWidget* widget) const
{
    return widget && widget->isVisible() && widget->isEnabled();
}

QString ProblemSolver::textOf(const QString& name) const
{
    return shownText(window_.TROVA_COMP(name));
}

}  // namespace quorvia::check
