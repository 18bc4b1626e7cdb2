// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/read_aloud.h"

#include "content/spoken_text.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_window.h"
#include "exercise/hint_balloon.h"
#include "exercise/window_art.h"
#include "platform/speech.h"

#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quorvia {
namespace {

constexpr int kButtonSize = 48;

}  // namespace

ReadAloud::ReadAloud(ExerciseWindow& window, const ExerciseWidgets& widgets)
    : window_(window), widgets_(widgets)
{
    QWidget* bar = window_.findChild<QWidget*>(QStringLiteral("ToolBar1"));
    button_ = new QPushButton(bar ? bar : &window_);
    button_->setObjectName(QStringLiteral("LMDleggi"));
    button_->setIcon(toolIcon(ToolGlyph::Speaker, 40));
    button_->setIconSize(QSize(40, 40));
    button_->setFlat(true);
    button_->setAutoDefault(false);
    // Reached by Tab like the other tool bar buttons; a click leaves the
    // focus on the step the child is working at.
    button_->setFocusPolicy(Qt::TabFocus);
    button_->setToolTip(QStringLiteral("Leggi il problema ad alta voce\nF2: leggi la frase o il numero scritto\nMaiusc+F2: leggi lo schema"));
    button_->setAccessibleName(QStringLiteral("Leggi il problema ad alta voce"));
    button_->setCursor(Qt::PointingHandCursor);
    button_->setVisible(platform::speechService().canSpeak());
    connect(&platform::voiceAnswers(), &platform::VoiceAnswers::answered, button_,
            [this] { button_->setVisible(platform::speechService().canSpeak()); });
    connect(button_, &QPushButton::clicked, this, [this] { readProblem(); });
    if (bar)
        bar->installEventFilter(this);
    placeButton();

    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), &window_);
    f2->setContext(Qt::WindowShortcut);
    connect(f2, &QShortcut::activated, this, [this] { readFocused(); });
    auto* shiftF2 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2), &window_);
    shiftF2->setContext(Qt::WindowShortcut);
    connect(shiftF2, &QShortcut::activated, this, [this] { readScheme(); });

    connect(widgets_.msg, &HintBalloon::messageShown, this, [this](const QString& text) {
        if (platform::automaticReading())
            say(text);
    });
    // A list's choice made by the child (arrow keys, the mouse), not one the
    // window makes when it clears or fills the lists.
    for (const WidgetRow& row : window_.scheme().widgets) {
        if (row.kind != WidgetKind::ChoiceList)
            continue;
        if (auto* list = window_.panel().control<QComboBox>(QLatin1String(row.name))) {
            connect(list, &QComboBox::activated, this, [this, list] {
                if (platform::automaticReading())
                    say(list->currentText());
            });
        }
    }
}

void ReadAloud::newProblem()
{
    stop();
    button_->setVisible(platform::speechService().canSpeak());
}

void ReadAloud::stop()
{
    platform::speechService().stop();
}

void ReadAloud::readProblem()
{
    say(widgets_.Memo1->toPlainText());
}

void ReadAloud::readFocused()
{
    QWidget* focus = window_.focusWidget();
    const WidgetRow* row = focus ? window_.scheme().widget(focus->objectName()) : nullptr;
    if (!row) {
        readProblem();
        return;
    }
    // A step not answered yet has nothing of its own to say: the child
    // hears the problem again instead of silence.
    QString own;
    if (auto* list = qobject_cast<QComboBox*>(focus); list && row->kind == WidgetKind::ChoiceList)
        own = list->currentIndex() >= 0 ? list->currentText() : QString();
    else if (auto* box = qobject_cast<QLineEdit*>(focus))
        own = box->text();
    if (own.trimmed().isEmpty())
        readProblem();
    else
        say(own, row->kind == WidgetKind::NumberBox);
}

void ReadAloud::readScheme()
{
    // In the order the child reads it: by rows, then from the left.
    struct Part {
        QPoint place;
        QString text;
    };
    std::vector<Part> parts;
    for (const WidgetRow& row : window_.scheme().widgets) {
        if (row.kind != WidgetKind::NumberBox && row.kind != WidgetKind::OperatorLabel &&
            row.kind != WidgetKind::EqualsLabel)
            continue;
        QWidget* w = window_.panel().widget(QLatin1String(row.name));
        const QString text = window_.panel().shownText(QLatin1String(row.name)).trimmed();
        if (w && w->isVisibleTo(&window_) && !text.isEmpty())
            parts.push_back({w->mapTo(&window_, QPoint(0, 0)), text});
    }
    constexpr int kRowHeight = 24;
    std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
        if (std::abs(a.place.y() - b.place.y()) >= kRowHeight)
            return a.place.y() < b.place.y();
        return a.place.x() < b.place.x();
    });
    QStringList words;
    for (const Part& part : parts)
        words.append(part.text);
    say(words.join(QLatin1Char(' ')), true);
}

void ReadAloud::say(const QString& text, bool scheme)
{
    platform::SpeechService& voice = platform::speechService();
    if (!voice.canSpeak() || text.trimmed().isEmpty())
        return;
    SpokenTextOptions options;
    options.decimal_separator = decimalSeparator();
    options.operators_as_words = scheme;
    voice.say(QString::fromStdString(spokenText(text.toStdString(), options)));
}

bool ReadAloud::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == button_->parentWidget())
        placeButton();
    return QObject::eventFilter(watched, event);
}

// At the right end of the tool bar, clear of the buttons that move between
// problems.
void ReadAloud::placeButton()
{
    QWidget* bar = button_->parentWidget();
    button_->setGeometry(bar->width() - kButtonSize - 4, 4, kButtonSize, kButtonSize);
}

}  // namespace quorvia
