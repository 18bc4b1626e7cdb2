// SPDX-License-Identifier: GPL-3.0-or-later
// Creation of an exercise window, its wiring to the events, and the small
// helpers the mechanics share.

#include "exercise/exercise_window.h"

#include "exercise/exercise_hooks.h"
#include "exercise/exercise_toolbar.h"
#include "exercise/hint_balloon.h"
#include "platform/dialogs.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"
#include "shell/resource_folder.h"
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
      random_(makeClockRandomSource()),
      panel_(*this, scheme, mode)
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
    widgets_ = ExerciseWindowBuilder(scheme_, mode_).build(*this);
    toolBar_ = std::make_unique<ExerciseToolBar>(*this, state_);
    connectHandlers();
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::setLaunch(const ExerciseLaunch& launch)
{
    state_.takeLaunch(launch);
    if (state_.resource_folder != design_pictures_folder_) {
        design_pictures_folder_ = state_.resource_folder;
        applyDesignPictures(*this, scheme_, state_.resource_folder);
    }
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

const WindowOptions& ExerciseWindow::options() const
{
    return mode_ == Mode::Advanced ? scheme_.advanced : scheme_.beginner;
}

QString ExerciseWindow::resourcePath(const QString& fileName) const
{
    return resourceFile(state_.resource_folder, fileName);
}

bool ExerciseWindow::isAnimating() const
{
    return widgets_.Timer1->isActive();
}

int ExerciseWindow::errorTotal() const
{
    return tag(widgets_.error_num);
}

void ExerciseWindow::startAnimationClock()
{
    widgets_.Timer1->setInterval(100);
    widgets_.Timer1->start();
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
    const int operation = scheme_.operationStep();
    for (const WidgetRow& row : scheme_.widgets) {
        QWidget* w = panel_.widget(QLatin1String(row.name));
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
        auto* source = panel_.control<QLineEdit>(QLatin1String(mirror.source));
        auto* target = panel_.control<QLineEdit>(QLatin1String(mirror.target));
        // The source's text as it stands, not the signal's: the capitals
        // rule rewrites a typed letter while its change is still being
        // announced, and the copy must not end on the letter as typed.
        if (source && target)
            connect(source, &QLineEdit::textChanged, target, [source, target] { target->setText(source->text()); });
    }

    const ExerciseWidgets& w = widgets_;
    w.Titolo->installEventFilter(this);
    w.Label1->installEventFilter(this);
    w.Memo1->viewport()->installEventFilter(this);
    w.SB->installEventFilter(this);
    w.SB->viewport()->installEventFilter(this);
    w.sb_contents->installEventFilter(this);

    // A balloon left behind by a scroll would point at another button.
    for (QScrollBar* bar : {w.SB->verticalScrollBar(), w.SB->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, w.msg, &HintBalloon::dismiss);

    connect(w.PopupMenu1, &QMenu::triggered, this, [this](QAction* item) { guarded([&] { N1Click(item); }); });
    connect(w.Timer1, &QTimer::timeout, this, [this] { guarded([&] { Timer1Timer(); }); });
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const ExerciseWidgets& w = widgets_;
    if (watched == w.SB && type == QEvent::Resize) {
        centreStepPanel();
        return false;
    }
    if ((watched == w.SB->viewport() || watched == w.sb_contents) && type == QEvent::MouseButtonPress) {
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
                    if (auto* b = panel_.control<QAbstractButton>(StepPanel::stepName("B", tag(box))))
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
        QWidget* control = watched == w.Memo1->viewport() ? w.Memo1 : qobject_cast<QWidget*>(watched);
        if (control && (control == w.Memo1 || control == w.Titolo || control == w.Label1 ||
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
    layoutChrome(*this, widgets_);
}

void ExerciseWindow::FormClose()
{
    // A sequence cut short by the closing would otherwise keep its phase
    // and end the next error or success half-way.
    stopFeedback();
    const bool withHelp = state_.currentSolutionShown();
    panel_.setShown({withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5")}, true);
    platform::soundService().stopAll();
    panel_.setShown(lastStepWidgets(true), true);
    for (int step : {scheme_.lastStep(), 1}) {
        if (auto* led = panel_.control<ShapeIndicator>(StepPanel::stepName("Shape0", step)))
            led->setBrushColor(kStepAhead);
    }
    state_.clearSolutionFlags();
}

void ExerciseWindow::done(int result)
{
    guarded([&] { FormClose(); });
    QDialog::done(result);
}

}  // namespace quorvia
