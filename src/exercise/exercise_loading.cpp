// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a problem into the window and starting it afresh.

#include "exercise/exercise_window.h"

#include "content/ini_file.h"
#include "content/problem_file.h"
#include "exercise/exercise_hooks.h"
#include "platform/sound.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"
#include "shell/step_indicators.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvia {

void ExerciseWindow::FormActivate()
{
    if (mode_ == Mode::Beginner)
        state_.last_step = LastButton_Verifica(this);
    INIZIO();
}

void ExerciseWindow::INIZIO()
{
    // A start during the closing sequence or an animation must not let it
    // finish on the new problem; its sound goes with it.
    if (isAnimating())
        platform::soundService().stopAll();
    feedback_.stop();
    state_.problem_finished = false;
    ripulisci_editfield();
    // An advanced window that finishes a problem without its closing
    // animation never runs the sequence that would bring the last step back;
    // every start does, so no later problem is left without its Verifica.
    panel_.setShown(lastStepWidgets(true), true);
    panel_.setShown({QStringLiteral("Image5"), QStringLiteral("CoccaHelp")}, false);
    NextShape(options_.solution_start_closes_steps && state_.currentSolutionShown() ? -1 : 0, this);
    setTag(widgets_.error_num, 0);
    widgets_.error_num->setText(ErrorBook::totalCaption(0));
    CARICA_PROBLEMA();
    widgets_.SB->verticalScrollBar()->setValue(0);
    widgets_.SB->horizontalScrollBar()->setValue(0);
    centreStepPanel(widgets_);
    if (state_.currentSolutionShown())
        fillSolution();
    panel_.focusStepInput(1);
}

void ExerciseWindow::setInstructionLine()
{
    // The appearance settings may give the line its own wording; the child's
    // name goes in front of whichever wording stands, once.
    QLabel* line = widgets_.Label1;
    line->setText(widgets_.instruction_caption);
    hooks_->LOAD_COLORI(this);
    const QString instruction = line->text();
    const QString name = main_ ? main_->childName() : QString();
    line->setText(name + QStringLiteral(": ") + instruction);
}

void ExerciseWindow::CARICA_PROBLEMA()
{
    if (options_.load_only_within_count && state_.current_problem > state_.problem_count)
        return;

    setInstructionLine();

    const int steps = stepCount(scheme_.scheme);
    for (int s = 1; s <= steps; ++s) {
        if (auto* counter = panel_.control<QAbstractButton>(StepPanel::stepName("H", s))) {
            counter->setText(ErrorBook::counterCaption(0));
            setTag(counter, s);
            if (s == steps)
                counter->show();
        }
    }

    readProblemFile();
    ripulisci_editfield();
    if (options_.repaint_after_load)
        repaint();
}

void ExerciseWindow::readProblemFile()
{
    const QString path = resourcePath(state_.problem_file_name);
    const IniFile file = path.isEmpty() ? IniFile() : IniFile::read(path.toStdString());
    const ProgramTexts texts = readProgramTexts(file);
    const ProblemContent content = readProblem(file, state_.current_problem, scheme_.scheme);
    const auto fromUtf8 = [](const std::string& text) { return QString::fromStdString(text); };

    widgets_.Memo1->setPlainText(fromUtf8(content.text));
    if (!content.picture.empty()) {
        const QString picture = resourcePath(fromUtf8(content.picture));
        if (!picture.isEmpty())
            showProblemPicture(widgets_.Image4, picture);
    }

    state_.exit_question = fromUtf8(texts.exit_question);
    state_.solved_with_help_text = fromUtf8(texts.solved_with_help_text);
    state_.solved_alone_text = fromUtf8(texts.solved_alone_text);
    panel_.showProblemTexts(texts, content);
    widgets_.Numero_problema->setText(QString::number(state_.current_problem) + QLatin1Char('/') +
                                      QString::number(state_.problem_count));

    if (mode_ == Mode::Advanced) {
        for (const StepRow& step : scheme_.steps) {
            if (step.kind == StepKind::Sentence)
                state_.answer_table[step.step] = content.variants[step.step];
        }
    } else {
        state_.correct_items = panel_.fillChoiceLists(content, *random_);
    }

    const int steps = stepCount(scheme_.scheme);
    for (int s = 1; s <= steps; ++s) {
        state_.hints[s] = fromUtf8(content.hints[s]);
        state_.error_messages[s] = fromUtf8(content.error_messages[s]);
    }
    state_.mistakes = content.mistakes;
    state_.general_help = fromUtf8(content.general_help);

    // A formula that cannot be prepared ends the load here; its scheme can
    // then not be passed until a load succeeds.
    state_.formulas_ready = false;
    formula_refused_ = false;
    state_.formulas = prepareProblemFormulas(CalcExpress, scheme_.scheme, content, state_.formulas);
    // A formula the evaluator refused leaves a stand-in value that a child
    // could type; such a scheme is never passed.
    state_.formulas_ready = !formula_refused_;
    panel_.arrangeSecondRow(partialOnRight());
}

void ExerciseWindow::ripulisci_editfield()
{
    state_.errors.reset();
    panel_.clearInputs();
}

void ExerciseWindow::fillSolution()
{
    panel_.fillSolution(state_);
}

void ExerciseWindow::SBClick()
{
    if (options_.scroll_box_takes_focus)
        widgets_.SB->setFocus();
}

}  // namespace quorvia
