// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/problem_loader.h"

#include "base/resource_folder.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "exercise/exercise_state.h"
#include "exercise/step_panel.h"
#include "platform/dialogs.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace quorvia {

ProblemLoader::ProblemLoader(QWidget& window, const SchemeDescription& scheme, Mode mode,
                             const StepPanel& panel, const ExerciseWidgets& widgets)
    : scheme_(scheme), mode_(mode), panel_(panel), widgets_(widgets)
{
    evaluator_.setErrorHandler([this, &window](const std::string& message) {
        formula_refused_ = true;
        platform::dialogs().showMessage(&window, QString::fromStdString(message));
    });
}

void ProblemLoader::load(ExerciseState& state, RandomSource& random)
{
    const QString path = resourceFile(state.resource_folder, state.problem_file_name);
    const IniFile file = path.isEmpty() ? IniFile() : IniFile::read(path.toStdString());
    const ProgramTexts texts = readProgramTexts(file);
    const ProblemContent content = readProblem(file, state.current_problem, scheme_.scheme);
    const auto fromUtf8 = [](const std::string& text) { return QString::fromStdString(text); };

    widgets_.Memo1->setPlainText(fromUtf8(content.text));
    // A problem without a picture of its own shows none: the one before it
    // would sit beside a text it has nothing to do with.
    const QString picture =
        content.picture.empty() ? QString() : resourceFile(state.resource_folder, fromUtf8(content.picture));
    if (picture.isEmpty() || !showProblemPicture(widgets_.Image4, picture))
        widgets_.Image4->clear();

    state.exit_question = fromUtf8(texts.exit_question);
    state.solved_with_help_text = fromUtf8(texts.solved_with_help_text);
    state.solved_alone_text = fromUtf8(texts.solved_alone_text);
    panel_.showProblemTexts(texts, content);
    widgets_.Numero_problema->setText(QString::number(state.current_problem) + QLatin1Char('/') +
                                      QString::number(state.problem_count));

    if (mode_ == Mode::Advanced) {
        for (const StepRow& step : scheme_.steps) {
            if (step.kind == StepKind::Sentence)
                state.answer_table[step.step] = content.variants[step.step];
        }
    } else {
        state.correct_items = panel_.fillChoiceLists(content, random);
    }

    const int steps = stepCount(scheme_.scheme);
    for (int s = 1; s <= steps; ++s) {
        state.hints[s] = fromUtf8(content.hints[s]);
        state.error_messages[s] = fromUtf8(content.error_messages[s]);
    }
    state.mistakes = content.mistakes;
    state.general_help = fromUtf8(content.general_help);

    // A formula that cannot be prepared ends the load here; its scheme can
    // then not be passed until a load succeeds.
    state.formulas_ready = false;
    formula_refused_ = false;
    state.formulas = prepareProblemFormulas(evaluator_, scheme_.scheme, content, state.formulas);
    // A formula the evaluator refused leaves a stand-in value that a child
    // could type; such a scheme is never passed.
    state.formulas_ready = !formula_refused_;
    panel_.arrangeSecondRow(state.formulas.partial_on_right != 0);
}

}  // namespace quorvia
