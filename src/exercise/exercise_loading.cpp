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

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvia {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

void exchangeLefts(QWidget* a, QWidget* b)
{
    const int left = a->x();
    a->move(b->x(), a->y());
    b->move(left, b->y());
}

std::string captionText(const ProblemContent& content, CaptionSource source)
{
    switch (source) {
    case CaptionSource::Data1: return content.data_captions[1];
    case CaptionSource::Data2: return content.data_captions[2];
    case CaptionSource::Data3: return content.data_captions[3];
    case CaptionSource::Data4: return content.data_captions[4];
    case CaptionSource::Data5: return content.data_captions[5];
    case CaptionSource::Partial: return content.partial_caption;
    case CaptionSource::PartialOnJolly: return content.partial_caption_on_jolly;
    case CaptionSource::Final: return content.final_caption;
    }
    return std::string();
}

}  // namespace

void ExerciseWindow::FormActivate()
{
    if (mode_ == Mode::Beginner)
        state_.last_step = LastButton_Verifica(this);
    INIZIO();
}

void ExerciseWindow::resetIndicatorsForStart()
{
    NextShape(0, this);
}

void ExerciseWindow::INIZIO()
{
    // A start during the closing sequence or an animation must not let it
    // finish on the new problem; its sound goes with it.
    if (isAnimating())
        platform::soundService().stopAll();
    stopFeedback();
    state_.problem_finished = false;
    ripulisci_editfield();
    // An advanced window that finishes a problem without its closing
    // animation never runs the sequence that would bring the last step back;
    // every start does, so no later problem is left without its Verifica.
    for (const QString& name : lastStepWidgets(true)) {
        if (QWidget* w = widgetNamed(name))
            w->show();
    }
    for (const char* picture : {"Image5", "CoccaHelp"}) {
        if (QWidget* w = widgetNamed(QLatin1String(picture)))
            w->hide();
    }
    resetIndicatorsForStart();
    setTag(error_num, 0);
    error_num->setText(ErrorBook::totalCaption(0));
    CARICA_PROBLEMA();
    SB->verticalScrollBar()->setValue(0);
    SB->horizontalScrollBar()->setValue(0);
    centreStepPanel();
    if (state_.currentSolutionShown())
        fillSolution();
    focusStepInput(1);
}

void ExerciseWindow::focusStepInput(int step)
{
    const QString name = inputOfStep(step);
    QWidget* input = name.isEmpty() ? nullptr : widgetNamed(name);
    if (input && input->isEnabled() && !input->isHidden())
        input->setFocus(Qt::OtherFocusReason);
}

void ExerciseWindow::setInstructionLine()
{
    // The appearance settings may give the line its own wording; the child's
    // name goes in front of whichever wording stands, once.
    Label1->setText(instruction_caption_);
    hooks_->LOAD_COLORI(this);
    const QString instruction = Label1->text();
    const QString name = main_ ? main_->childName() : QString();
    Label1->setText(name + QStringLiteral(": ") + instruction);
}

void ExerciseWindow::CARICA_PROBLEMA()
{
    if (departures().load_only_within_count && state_.current_problem > state_.problem_count)
        return;

    setInstructionLine();

    const int steps = stepCount(scheme_.scheme);
    for (int s = 1; s <= steps; ++s) {
        if (auto* counter = control<QAbstractButton>(stepName("H", s))) {
            counter->setText(ErrorBook::counterCaption(0));
            setTag(counter, s);
            if (s == steps)
                counter->show();
        }
    }

    readProblemFile();
    ripulisci_editfield();
    if (departures().repaint_after_load)
        repaint();
}

void ExerciseWindow::readProblemFile()
{
    const QString path = resourcePath(state_.problem_file_name);
    const IniFile file = path.isEmpty() ? IniFile() : IniFile::read(path.toStdString());
    const ProgramTexts texts = readProgramTexts(file);
    const ProblemContent content = readProblem(file, state_.current_problem, scheme_.scheme);

    Memo1->setPlainText(fromUtf8(content.text));
    if (!content.picture.empty()) {
        const QString picture = resourcePath(fromUtf8(content.picture));
        if (!picture.isEmpty())
            loadProblemPicture(picture);
    }

    state_.exit_question = fromUtf8(texts.exit_question);
    state_.solved_with_help_text = fromUtf8(texts.solved_with_help_text);
    state_.solved_alone_text = fromUtf8(texts.solved_alone_text);
    const QString verifica = fromUtf8(texts.verifica_caption);
    if (auto* b1 = control<QAbstractButton>(QStringLiteral("B1")))
        b1->setText(verifica);
    for (const char* copy : scheme_.verifica_copies) {
        if (auto* b = control<QAbstractButton>(QLatin1String(copy)))
            b->setText(verifica);
    }
    if (auto* solution = control<QAbstractButton>(QStringLiteral("LMDsoluzione")))
        solution->setText(fromUtf8(texts.solution_caption));

    for (const CaptionRule& caption : scheme_.captions) {
        if (auto* label = control<QLabel>(QLatin1String(caption.label)))
            label->setText(fromUtf8(captionText(content, caption.source)));
    }
    Numero_problema->setText(QString::number(state_.current_problem) + QLatin1Char('/') +
                             QString::number(state_.problem_count));

    if (mode_ == Mode::Advanced) {
        for (const StepRow& step : scheme_.steps) {
            if (step.kind == StepKind::Sentence)
                state_.answer_table[step.step] = content.variants[step.step];
        }
    } else {
        fillChoiceLists(content);
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
    arrangeSecondRow();
}

void ExerciseWindow::arrangeSecondRow()
{
    const SecondRowRule& rule = scheme_.second_row;
    if (!rule.exists())
        return;
    // Places are not reset between problems, and a worksheet puts the boxes
    // back without their captions: the exchanges work on where things stand
    // now, so any load leaves the partial result on the side its formula
    // needs and each caption under its own box.
    QWidget* partial = widgetNamed(QLatin1String(rule.partial_box));
    QWidget* datum = widgetNamed(QLatin1String(rule.datum_box));
    if (!partial || !datum)
        return;
    if ((partial->x() < datum->x()) == partialOnRight())
        exchangeLefts(partial, datum);
    QWidget* partialCaption = widgetNamed(QLatin1String(rule.partial_caption));
    QWidget* datumCaption = widgetNamed(QLatin1String(rule.datum_caption));
    if (partialCaption && datumCaption &&
        (partialCaption->x() < datumCaption->x()) != (partial->x() < datum->x()))
        exchangeLefts(partialCaption, datumCaption);
}

void ExerciseWindow::fillChoiceLists(const ProblemContent& content)
{
    state_.correct_items.clear();
    for (const StepRow& step : scheme_.steps) {
        if (auto* list = control<QComboBox>(QLatin1String(step.beginner_input)))
            list->clear();
    }
    random_->reseed();
    for (const StepRow& step : scheme_.steps) {
        auto* list = control<QComboBox>(QLatin1String(step.beginner_input));
        if (step.kind != StepKind::Sentence || !list) {
            // Keeps entry s-1 for step s; never read.
            state_.correct_items.append(QString());
            continue;
        }
        QStringList items;
        for (int k = 1; k <= kVariants; ++k)
            items.append(fromUtf8(content.variants[step.step][k]));
        const int right = shuffleChoiceList(items, *random_);
        list->addItems(items);
        list->setCurrentIndex(-1);
        state_.correct_items.append(QString::number(right));
    }
}

void ExerciseWindow::ripulisci_editfield()
{
    state_.errors.reset();
    for (const WidgetRow& row : scheme_.widgets) {
        // A name may stand for a different kind of widget in the other mode.
        const Placement& place = mode_ == Mode::Advanced ? row.advanced : row.beginner;
        QObject* w = place.exists() ? TROVA_COMP(QLatin1String(row.name)) : nullptr;
        if (!w)
            continue;
        switch (row.kind) {
        case WidgetKind::SentenceBox:
        case WidgetKind::NumberBox:
        case WidgetKind::MirrorBox:
            if (auto* box = qobject_cast<QLineEdit*>(w))
                box->clear();
            break;
        case WidgetKind::OperatorLabel:
        case WidgetKind::FollowerLabel:
            if (auto* label = qobject_cast<QLabel*>(w))
                label->clear();
            break;
        case WidgetKind::ChoiceList:
            if (auto* list = qobject_cast<QComboBox*>(w))
                list->setCurrentIndex(-1);
            break;
        default:
            break;
        }
    }
}

void ExerciseWindow::fillSolution()
{
    for (const StepRow& step : scheme_.steps) {
        if (step.kind != StepKind::Sentence)
            continue;
        if (mode_ == Mode::Advanced) {
            if (auto* box = control<QLineEdit>(QLatin1String(step.advanced_input)))
                box->setText(fromUtf8(state_.answer_table[step.step][1]));
        } else if (auto* list = control<QComboBox>(QLatin1String(step.beginner_input))) {
            const int entry = step.step - 1;
            bool ok = false;
            const int position =
                entry < state_.correct_items.size() ? state_.correct_items[entry].toInt(&ok) : -1;
            list->setCurrentIndex(ok ? position : -1);
        }
    }
    if (!state_.formulas_ready)
        return;
    for (const ExpectedText& expected : scheme_.expectations(state_.formulas))
        showText(expected.widget, expected.text);
}

void ExerciseWindow::centreStepPanel()
{
    const int left = std::max(0, (SB->width() - 20 - Panel6->width()) / 2);
    Panel6->move(left, Panel6->y());
    sb_contents_->resize(std::max(left + Panel6->width(), SB->viewport()->width() - 1),
                         Panel6->y() + Panel6->height());
}

void ExerciseWindow::SBResize()
{
    centreStepPanel();
}

void ExerciseWindow::SBClick()
{
    if (departures().scroll_box_takes_focus)
        SB->setFocus();
}

}  // namespace quorvia
