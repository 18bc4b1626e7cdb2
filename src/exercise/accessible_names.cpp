// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/accessible_names.h"

#include "content/operator_signs.h"
#include "exercise/error_book.h"
#include "exercise/hint_balloon.h"
#include "exercise/scheme_description.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
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
// The name a control was given when the window was built, before a count or
// a sign was added to it.
const char* const kBaseName = "quorviaBaseName";

// The live line: Orca speaks a notification when it starts showing, and
// ignores a name change on anything but the focus.
class VerdictLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

class NotificationAccessible : public QAccessibleWidget {
public:
    using Text = QString (*)(const QWidget*);
    NotificationAccessible(QWidget* w, Text text) : QAccessibleWidget(w, QAccessible::Notification), text_(text) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return text_(widget());
        return QAccessibleWidget::text(t);
    }

private:
    Text text_;
};

// Qt names a closed combo box after its current item on Linux; the step's
// name is what the child needs on arriving, the sentence is the value.
class ChoiceListAccessible : public QAccessibleWidget {
public:
    explicit ChoiceListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvia::VerdictLine"))
        return new NotificationAccessible(static_cast<QWidget*>(object),
                                          [](const QWidget* w) { return static_cast<const QLabel*>(w)->text(); });
    if (className == QLatin1String("quorvia::HintBalloon"))
        return new NotificationAccessible(static_cast<QWidget*>(object), [](const QWidget* w) {
            return static_cast<const HintBalloon*>(w)->text();
        });
    if (className == QLatin1String("quorvia::ChoiceListBox"))
        return new ChoiceListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

// The word a screen reader says for a sign; empty for anything else.
QString signWord(const QString& sign)
{
    static const char* const kWords[] = {"più", "meno", "per", "diviso"};
    static_assert(std::size(kWords) == kOperatorSigns.size());
    const int tag = operatorTagOfSign(sign.trimmed().toStdString());
    return tag ? QString::fromUtf8(kWords[tag - 1]) : QString();
}

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
    // One rule for every window: the questions first (as many as the
    // answers), then the data, the operation scheme, the answers.
    const int operation = scheme.operationStep();
    const int answers = std::max(1, int(scheme.answer_steps.size()));
    const auto ordinal = [](int i, bool feminine) {
        QString word = i >= 0 && i < int(std::size(kOrdinals)) ? QLatin1String(kOrdinals[i]) : QLatin1String("altro");
        if (feminine)
            word.back() = QLatin1Char('a');
        return word;
    };
    QString task;
    if (step == operation)
        task = QStringLiteral("completa lo schema delle operazioni");
    else if (step > operation)
        task = answers == 1 ? QStringLiteral("scrivi la risposta")
                            : QStringLiteral("scrivi la %1 risposta").arg(ordinal(step - operation - 1, true));
    else if (step <= answers)
        task = answers == 1 ? QStringLiteral("riscrivi la domanda")
                            : QStringLiteral("riscrivi la %1 domanda").arg(ordinal(step - 1, true));
    else
        task = QStringLiteral("scrivi il %1 dato").arg(ordinal(step - answers - 1, false));
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
        w->setProperty(kBaseName, name);
        if (kind->described)
            w->setAccessibleDescription(stepTask(scheme, step));
    }
    announcementLine(window);
}

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
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
    installAccessibleRoles();
    auto* line = new VerdictLine(&window);
    window.setProperty(kAnnouncementLine, QVariant::fromValue<QObject*>(line));
    line->setGeometry(0, 0, 1, 1);
    line->lower();
    line->hide();
    return line;
}

void announce(QWidget& window, const QString& text)
{
    auto* line = static_cast<QLabel*>(announcementLine(window));
    // Hidden first, so the same verdict twice is spoken twice.
    line->hide();
    line->setText(text);
    line->show();
}

void clearAnnouncement(QWidget& window)
{
    auto* line = static_cast<QLabel*>(announcementLine(window));
    line->hide();
    line->clear();
}

void showErrorCount(QAbstractButton& counter, int count)
{
    counter.setText(ErrorBook::counterCaption(count));
    const QString base = counter.property(kBaseName).toString();
    if (base.isEmpty())
        return;
    const QString errors = count == 1 ? QStringLiteral("1 errore") : QStringLiteral("%1 errori").arg(count);
    counter.setAccessibleName(base + QStringLiteral(", ") + errors);
}

void nameSign(QLabel& label)
{
    const QString base = label.property(kBaseName).toString();
    if (base.isEmpty())
        return;
    const QString word = signWord(label.text());
    label.setAccessibleName(word.isEmpty() ? base : base + QStringLiteral(": ") + word);
}

ChoiceListBox::ChoiceListBox(QWidget* parent) : QComboBox(parent)
{
    installAccessibleRoles();
}

void ChoiceListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    if (currentIndex() != before && currentIndex() >= 0 && window())
        announce(*window(), currentText());
}

}  // namespace quorvia

#include "accessible_names.moc"
