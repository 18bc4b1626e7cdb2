// SPDX-License-Identifier: GPL-3.0-or-later
// Creation of an exercise window, its wiring to the events, and the small
// helpers the mechanics share.

#include "exercise/exercise_window.h"

#include "content/resource_path.h"
#include "exercise/exercise_hooks.h"
#include "exercise/hint_balloon.h"
#include "platform/dialogs.h"
#include "platform/gif_player.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"
#include "shell/step_indicators.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <exception>

namespace quorvia {

ExerciseHooks& inactiveExerciseHooks()
{
    static ExerciseHooks hooks;
    return hooks;
}

ExerciseWindow::ExerciseWindow(const SchemeDescription& scheme, Mode mode,
                               MainWindowServices* main, QWidget* parent)
    : QDialog(parent),
      scheme_(scheme),
      mode_(mode),
      main_(main),
      hooks_(&inactiveExerciseHooks()),
      random_(makeClockRandomSource())
{
    const QString className = QLatin1String(mode == Mode::Advanced ? scheme.advanced_window
                                                                  : scheme.beginner_window);
    // The window's own name, as the report and the other windows know it:
    // the class name without its leading T.
    setObjectName(className.mid(1));
    CalcExpress.setErrorHandler([this](const std::string& message) {
        formula_refused_ = true;
        platform::dialogs().showMessage(this, QString::fromStdString(message));
    });
    // A closed step still shows the child's answer: keep its text dark
    // enough to read instead of the style's faint grey.
    QPalette closed = palette();
    closed.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    closed.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    setPalette(closed);
    buildWindow();
    connectHandlers();
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::setLaunch(const ExerciseLaunch& launch)
{
    state_.takeLaunch(launch);
    applyDesignPictures();
}

void ExerciseWindow::setHooks(ExerciseHooks* hooks)
{
    hooks_ = hooks ? hooks : &inactiveExerciseHooks();
}

void ExerciseWindow::setRandomSource(std::unique_ptr<RandomSource> random)
{
    random_ = random ? std::move(random) : makeClockRandomSource();
}

QObject* ExerciseWindow::TROVA_COMP(const QString& name)
{
    return findControl(this, name);
}

const WindowDepartures& ExerciseWindow::departures() const
{
    return mode_ == Mode::Advanced ? scheme_.advanced : scheme_.beginner;
}

QString ExerciseWindow::stepName(const char* prefix, int step) const
{
    return QLatin1String(prefix) + QString::number(step);
}

QString ExerciseWindow::resourcePath(const QString& fileName) const
{
    if (fileName.isEmpty())
        return QString();
    const std::string found =
        findResourceFile(state_.resource_folder.toStdString(), fileName.toStdString());
    return found.empty() ? QString() : QString::fromStdString(found);
}

bool ExerciseWindow::resourceExists(const QString& fileName) const
{
    return !fileName.isEmpty() && !resourcePath(fileName).isEmpty();
}

QString ExerciseWindow::inputOfStep(int step) const
{
    const StepRow* row = scheme_.step(step);
    if (!row)
        return QString();
    return QLatin1String(mode_ == Mode::Advanced ? row->advanced_input : row->beginner_input);
}

QString ExerciseWindow::shownText(const QString& name)
{
    QObject* w = TROVA_COMP(name);
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return box->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    return QString();
}

void ExerciseWindow::showText(const QString& name, const QString& text)
{
    QObject* w = TROVA_COMP(name);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setText(text);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
        for (const FollowerRule& f : scheme_.followers) {
            if (name.compare(QLatin1String(f.leader), Qt::CaseInsensitive) == 0) {
                if (auto* follower = control<QLabel>(QLatin1String(f.follower)))
                    follower->setText(text);
            }
        }
    }
}

bool ExerciseWindow::isAnimating() const
{
    return Timer1->isActive();
}

int ExerciseWindow::errorTotal() const
{
    return tag(error_num);
}

void ExerciseWindow::startAnimationClock()
{
    Timer1->setInterval(100);
    Timer1->start();
}

void ExerciseWindow::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        platform::dialogs().showMessage(this, QString::fromUtf8(failure.what()));
    }
}

void ExerciseWindow::connectHandlers()
{
    const auto onClick = [this](const char* name, void (ExerciseWindow::*handler)()) {
        if (auto* b = control<QAbstractButton>(QLatin1String(name)))
            connect(b, &QAbstractButton::clicked, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    onClick("LMDButton11", &ExerciseWindow::LMDButton11Click);
    onClick("LMDcarica", &ExerciseWindow::LMDcaricaClick);
    onClick("LMDsalva", &ExerciseWindow::LMDsalvaClick);
    onClick("LMDButton2", &ExerciseWindow::LMDButton2Click);
    onClick("LMDButton8", &ExerciseWindow::LMDButton8Click);
    onClick("LMDButton3", &ExerciseWindow::LMDButton3Click);
    onClick("LMDButton1", &ExerciseWindow::LMDButton1Click);
    onClick("LMDsoluzione", &ExerciseWindow::LMDsoluzioneClick);

    const int operation = scheme_.operationStep();
    for (const WidgetRow& row : scheme_.widgets) {
        QWidget* w = widgetNamed(QLatin1String(row.name));
        if (!w)
            continue;
        switch (row.kind) {
        case WidgetKind::VerificaButton: {
            auto* b = static_cast<QAbstractButton*>(w);
            if (tag(b) == operation)
                connect(b, &QAbstractButton::clicked, this, [this] { guarded([&] { operationSchemeClick(); }); });
            else
                connect(b, &QAbstractButton::clicked, this, [this, b] { guarded([&] { B1Click(b); }); });
            break;
        }
        case WidgetKind::ErrorButton: {
            auto* b = static_cast<QAbstractButton*>(w);
            connect(b, &QAbstractButton::clicked, this, [this, b] { guarded([&] { H1Click(b); }); });
            break;
        }
        case WidgetKind::SentenceBox:
        case WidgetKind::CoveredBox:
        case WidgetKind::ChoiceList:
        case WidgetKind::OperatorLabel:
        case WidgetKind::EqualsLabel:
        case WidgetKind::MenuLabel:
        case WidgetKind::Heading:
            w->installEventFilter(this);
            break;
        case WidgetKind::NumberBox: {
            auto* box = static_cast<QLineEdit*>(w);
            installNumberKeyFilter(box, this, QLatin1String(scheme_.result_box),
                                   [this] { guarded([&] { operationSchemeClick(); }); });
            // Letters show in capitals, as they are typed.
            connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
                const QString upper = text.toUpper();
                if (upper != text) {
                    const int cursor = box->cursorPosition();
                    box->setText(upper);
                    box->setCursorPosition(cursor);
                }
            });
            break;
        }
        default:
            break;
        }
    }
    for (const MirrorRule& mirror : scheme_.mirrors) {
        auto* source = control<QLineEdit>(QLatin1String(mirror.source));
        auto* target = control<QLineEdit>(QLatin1String(mirror.target));
        // The source's text as it stands, not the signal's: the capitals
        // rule rewrites a typed letter while its change is still being
        // announced, and the copy must not end on the letter as typed.
        if (source && target)
            connect(source, &QLineEdit::textChanged, target, [source, target] { target->setText(source->text()); });
    }

    Titolo->installEventFilter(this);
    Label1->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);
    SB->installEventFilter(this);
    SB->viewport()->installEventFilter(this);
    sb_contents_->installEventFilter(this);

    // A balloon left behind by a scroll would point at another button.
    for (QScrollBar* bar : {SB->verticalScrollBar(), SB->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, msg, &HintBalloon::dismiss);

    connect(PopupMenu1, &QMenu::triggered, this, [this](QAction* item) { guarded([&] { N1Click(item); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([&] { Timer1Timer(); }); });
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == SB && type == QEvent::Resize) {
        SBResize();
        return false;
    }
    if ((watched == SB->viewport() || watched == sb_contents_) && type == QEvent::MouseButtonPress) {
        SBClick();
        return false;
    }
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QComboBox*>(watched)) {
            // The child chooses with the mouse or the arrow keys; typed
            // characters would pick items by their first letter.
            const bool character = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                                   key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
            return character;
        }
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                guarded([&] {
                    if (auto* b = control<QAbstractButton>(stepName("B", tag(box))))
                        B1Click(b);
                });
                return true;
            }
        }
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        const WidgetRow* row = label ? scheme_.widget(label->objectName()) : nullptr;
        if (row && (row->kind == WidgetKind::OperatorLabel || row->kind == WidgetKind::EqualsLabel ||
                     row->kind == WidgetKind::MenuLabel)) {
            guarded([&] { Loper2MouseUp(label, mouse->globalPosition().toPoint()); });
            return true;
        }
        QWidget* control = watched == Memo1->viewport() ? Memo1 : qobject_cast<QWidget*>(watched);
        if (control && (control == Memo1 || control == Titolo || control == Label1 ||
                        (row && row->kind == WidgetKind::Heading))) {
            guarded([&] { hooks_->xMouseUp(this, control, mouse); });
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void ExerciseWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([&] { FormActivate(); });
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the window without the exit question.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExerciseWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutChrome();
}

void ExerciseWindow::done(int result)
{
    guarded([&] { FormClose(); });
    QDialog::done(result);
}

}  // namespace quorvia
