// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/accessible_names.h"

#include "exercise/scheme_description.h"
#include "widgets/controls.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>
#include <limits>

namespace quorvia {

namespace {

// The names of the step controls by kind; %1 is the step.
struct KindName {
    WidgetKind kind;
    const char* name;
    bool described;  // the step's task goes in the description
};
constexpr KindName kKindNames[] = {
    {WidgetKind::SentenceBox, "Frase del passo %1", true},
    {WidgetKind::CoveredBox, "Frase del passo %1", true},
    {WidgetKind::ChoiceList, "Scegli la frase del passo %1", true},
    {WidgetKind::VerificaButton, "Verifica il passo %1", true},
    {WidgetKind::ErrorButton, "Errori e suggerimento del passo %1", false},
    {WidgetKind::Indicator, "Stato del passo %1", false},
    {WidgetKind::NumberBox, "Numero dello schema", true},
    {WidgetKind::MirrorBox, "Copia del risultato", false},
    {WidgetKind::OperatorLabel, "Segno dell'operazione", true},
    {WidgetKind::EqualsLabel, "Uguale", false},
    {WidgetKind::MenuLabel, "Menu dei segni", false},
};

const char* const kOrdinals[] = {"primo", "secondo", "terzo", "quarto", "quinto"};

// The window's property that keeps its live line; the line has no object
// name, so it never counts among the window's controls.
const char* const kAnnouncementLine = "quorviaAnnouncementLine";

// The step a control belongs to: its Tag, except the lists, whose Tag is 1
// and whose step is in the table of steps.
int stepOf(const SchemeDescription& scheme, const WidgetRow& row)
{
    if (row.kind == WidgetKind::ChoiceList) {
        for (const StepRow& step : scheme.steps) {
            if (QLatin1String(step.beginner_input) == QLatin1String(row.name))
                return step.step;
        }
    }
    if (row.kind == WidgetKind::OperatorLabel)
        return scheme.operationStep();
    return row.tag;
}

}  // namespace

QString stepTask(const SchemeDescription& scheme, int step)
{
    const int operation = scheme.operationStep();
    QString task;
    if (step == 1)
        task = QStringLiteral("riscrivi la domanda");
    else if (step == operation)
        task = QStringLiteral("completa lo schema delle operazioni");
    else if (step > operation)
        task = QStringLiteral("scrivi la risposta");
    else if (step - 2 < int(std::size(kOrdinals)))
        task = QStringLiteral("scrivi il %1 dato").arg(QLatin1String(kOrdinals[step - 2]));
    else
        task = QStringLiteral("scrivi un dato");
    return QStringLiteral("Passo %1, %2").arg(step).arg(task);
}

void nameExerciseControls(QWidget& window, const SchemeDescription& scheme)
{
    for (const WidgetRow& row : scheme.widgets) {
        auto* w = findControlAs<QWidget>(&window, QLatin1String(row.name));
        if (!w)
            continue;
        const auto* kind = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                        [&](const KindName& k) { return k.kind == row.kind; });
        if (kind == std::end(kKindNames))
            continue;
        const int step = stepOf(scheme, row);
        QString name = QString::fromUtf8(kind->name);
        if (name.contains(QLatin1String("%1")))
            name = name.arg(step);
        w->setAccessibleName(name);
        if (kind->described)
            w->setAccessibleDescription(stepTask(scheme, step));
    }
    announcementLine(window);
}

void nameNumberBoxes(QWidget& window, const SchemeDescription& scheme)
{
    // The caption nearest below a box, or beside it on its left.
    for (const WidgetRow& row : scheme.widgets) {
        if (row.kind != WidgetKind::NumberBox && row.kind != WidgetKind::MirrorBox)
            continue;
        auto* box = findControlAs<QLineEdit>(&window, QLatin1String(row.name));
        if (!box)
            continue;
        const QPoint centre = box->geometry().center();
        QString caption;
        int best = std::numeric_limits<int>::max();
        for (const WidgetRow& other : scheme.widgets) {
            if (other.kind != WidgetKind::Caption)
                continue;
            auto* label = findControlAs<QLabel>(&window, QLatin1String(other.name));
            if (!label || label->parentWidget() != box->parentWidget() || label->text().trimmed().isEmpty())
                continue;
            const QRect r = label->geometry();
            const bool below = r.top() >= box->geometry().top() && r.left() <= centre.x() + box->width() / 2 &&
                               r.right() >= centre.x() - box->width() / 2;
            const bool beside = r.right() <= box->geometry().left() + 4 && r.bottom() >= box->y() &&
                                r.top() <= box->geometry().bottom();
            if (!below && !beside)
                continue;
            const int distance = (r.center() - centre).manhattanLength();
            if (distance < best) {
                best = distance;
                caption = label->text().simplified();
            }
        }
        const QString kind = row.kind == WidgetKind::MirrorBox ? QStringLiteral("Copia: %1")
                                                               : QStringLiteral("Numero: %1");
        box->setAccessibleName(caption.isEmpty() ? QStringLiteral("Numero dello schema") : kind.arg(caption));
    }
}

QWidget* announcementLine(QWidget& window)
{
    if (auto* line = qobject_cast<QLabel*>(window.property(kAnnouncementLine).value<QObject*>()))
        return line;
    // Shown, so the assistive tools see it, but a pixel wide and behind
    // everything: the child sees the verdict in the balloon and animations.
    auto* line = new QLabel(&window);
    window.setProperty(kAnnouncementLine, QVariant::fromValue<QObject*>(line));
    line->setGeometry(0, 0, 1, 1);
    line->lower();
    line->show();
    return line;
}

void announce(QWidget& window, const QString& text)
{
    auto* line = static_cast<QLabel*>(announcementLine(window));
    line->setText(text);
    line->setAccessibleName(text);
    QAccessibleEvent changed(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(line, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace quorvia
