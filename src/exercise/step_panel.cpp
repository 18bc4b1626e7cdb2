// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/step_panel.h"

#include "exercise/accessible_names.h"
#include "exercise/choice_shuffle.h"
#include "exercise/exercise_state.h"
#include "exercise/shown_text.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

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

QString StepPanel::stepName(const char* prefix, int step)
{
    return QLatin1String(prefix) + QString::number(step);
}

QObject* StepPanel::find(const QString& name) const
{
    return controls_.find(name);
}

QWidget* StepPanel::widget(const QString& name) const
{
    return control<QWidget>(name);
}

QString StepPanel::inputOfStep(int step) const
{
    const StepRow* row = scheme_.step(step);
    if (!row)
        return QString();
    return QLatin1String(mode_ == Mode::Advanced ? row->advanced_input : row->beginner_input);
}

QString StepPanel::shownText(const QString& name) const
{
    return quorvia::shownText(find(name));
}

void StepPanel::putText(const QString& name, const QString& text) const
{
    QObject* w = find(name);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setText(text);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
        nameSign(*label);
        for (const FollowerRule& f : scheme_.followers) {
            if (name.compare(QLatin1String(f.leader), Qt::CaseInsensitive) == 0) {
                if (auto* follower = control<QLabel>(QLatin1String(f.follower)))
                    follower->setText(text);
            }
        }
    }
}

void StepPanel::setShown(const QStringList& names, bool shown) const
{
    for (const QString& name : names) {
        if (QWidget* w = widget(name))
            w->setVisible(shown);
    }
}

std::vector<int> StepPanel::answerSteps() const
{
    if (!scheme_.answer_steps.empty())
        return scheme_.answer_steps;
    return {scheme_.lastStep()};
}

QStringList StepPanel::answerRowWidgets(bool closingWindow) const
{
    const int last = scheme_.lastStep();
    QStringList names;
    for (int step : answerSteps()) {
        names << inputOfStep(step) << stepName("B", step) << stepName("H", step);
        // The last indicator comes back with all the others (SetLED), or
        // here when the window closes.
        if (step != last || closingWindow)
            names << stepName("Shape0", step);
    }
    return names;
}

void StepPanel::hideAnswerRows() const
{
    for (int step : answerSteps()) {
        setShown({stepName("Shape0", step), inputOfStep(step), stepName("H", step), stepName("B", step)},
                 false);
    }
}

void StepPanel::clearInputs() const
{
    for (const WidgetRow& row : scheme_.widgets) {
        // A name may stand for a different kind of widget in the other mode.
        const WidgetPlace& place = mode_ == Mode::Advanced ? row.advanced : row.beginner;
        QObject* w = place.exists() ? find(QLatin1String(row.name)) : nullptr;
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
            if (auto* label = qobject_cast<QLabel*>(w)) {
                label->clear();
                nameSign(*label);
            }
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

void StepPanel::focusStepInput(int step) const
{
    const QString name = inputOfStep(step);
    QWidget* input = name.isEmpty() ? nullptr : widget(name);
    if (input && input->isEnabled() && !input->isHidden())
        input->setFocus(Qt::OtherFocusReason);
}

void StepPanel::showProblemTexts(const ProgramTexts& texts, const ProblemContent& content) const
{
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
}

QStringList StepPanel::fillChoiceLists(const ProblemContent& content, RandomSource& random) const
{
    QStringList correctItems;
    for (const StepRow& step : scheme_.steps) {
        if (auto* list = control<QComboBox>(QLatin1String(step.beginner_input)))
            list->clear();
    }
    random.reseed();
    for (const StepRow& step : scheme_.steps) {
        auto* list = control<QComboBox>(QLatin1String(step.beginner_input));
        if (step.kind != StepKind::Sentence || !list) {
            // Keeps entry s-1 for step s; never read.
            correctItems.append(QString());
            continue;
        }
        QStringList items;
        for (int k = 1; k <= kVariants; ++k)
            items.append(fromUtf8(content.variants[step.step][k]));
        const int right = shuffleChoiceList(items, random);
        list->addItems(items);
        list->setCurrentIndex(-1);
        correctItems.append(QString::number(right));
    }
    return correctItems;
}

void StepPanel::arrangeSecondRow(bool partialOnRight) const
{
    const SecondRowRule& rule = scheme_.second_row;
    if (!rule.exists())
        return;
    // Places are not reset between problems, and a worksheet puts the boxes
    // back without their captions: the exchanges work on where things stand
    // now, so any load leaves the partial result on the side its formula
    // needs and each caption under its own box.
    QWidget* partial = widget(QLatin1String(rule.partial_box));
    QWidget* datum = widget(QLatin1String(rule.datum_box));
    if (!partial || !datum)
        return;
    if ((partial->x() < datum->x()) == partialOnRight)
        exchangeLefts(partial, datum);
    QWidget* partialCaption = widget(QLatin1String(rule.partial_caption));
    QWidget* datumCaption = widget(QLatin1String(rule.datum_caption));
    if (partialCaption && datumCaption &&
        (partialCaption->x() < datumCaption->x()) != (partial->x() < datum->x()))
        exchangeLefts(partialCaption, datumCaption);
}

void StepPanel::fillSolution(const ExerciseState& state) const
{
    for (const StepRow& step : scheme_.steps) {
        if (step.kind != StepKind::Sentence)
            continue;
        if (mode_ == Mode::Advanced) {
            if (auto* box = control<QLineEdit>(QLatin1String(step.advanced_input)))
                box->setText(fromUtf8(state.answer_table[step.step][1]));
        } else if (auto* list = control<QComboBox>(QLatin1String(step.beginner_input))) {
            const int entry = step.step - 1;
            bool ok = false;
            const int position =
                entry < state.correct_items.size() ? state.correct_items[entry].toInt(&ok) : -1;
            list->setCurrentIndex(ok ? position : -1);
        }
    }
    if (!state.formulas_ready)
        return;
    for (const ExpectedText& expected : scheme_.expectations(state.formulas))
        putText(expected.widget, expected.text);
}

}  // namespace quorvia
