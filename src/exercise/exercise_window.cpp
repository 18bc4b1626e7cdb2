// SPDX-License-Identifier: GPL-3.0-or-later
// Creation of an exercise window, its wiring to the events, and the small
// helpers the mechanics share.

#include "exercise/exercise_window.h"

#include "exercise/accessible_names.h"
#include "exercise/exercise_hooks.h"
#include "exercise/exercise_input.h"
#include "exercise/exercise_toolbar.h"
#include "exercise/hint_balloon.h"
#include "exercise/read_aloud.h"
#include "exercise/window_style.h"
#include "platform/dialogs.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "platform/termination_signals.h"
#include "shell/main_window_services.h"
#include "widgets/controls.h"
#include "widgets/focus_ring.h"
#include "widgets/step_indicators.h"
#include "widgets/window_fit.h"

#include <QAction>
#include <QCoreApplication>
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

namespace {

// The record of an attempt that ended goes to the hooks.
void handOn(ExerciseHooks& hooks, const std::optional<progress::ProgressRecord>& record)
{
    if (record)
        hooks.recordProgress(*record);
}

}  // namespace

ExerciseWindow::ExerciseWindow(const SchemeDescription& scheme, Mode mode,
                               MainWindowServices* main, QWidget* parent)
    : QDialog(parent),
      scheme_(scheme),
      mode_(mode),
      options_(mode == Mode::Advanced ? scheme.advanced : scheme.beginner),
      main_(main),
      hooks_(&inactiveExerciseHooks()),
      random_(makeClockRandomSource()),
      controller_(scheme, mode),
      decisions_(*this, options_, widgets_, feedback_,
                 {[this](int step) { finishProblem(step); },
                  [this](platform::GifPlayer* player) { beforeFeedbackAnimation(player); }}),
      panel_(*this, scheme, mode),
      loader_(*this, scheme, mode, panel_, widgets_)
{
    const QString className = QLatin1String(mode == Mode::Advanced ? scheme.advanced_window
                                                                  : scheme.beginner_window);
    // The window's own name, as the report and the other windows know it:
    // the class name without its leading T.
    setObjectName(className.mid(1));
    // A closed step still shows the child's answer: keep its text dark
    // enough to read instead of the style's faint grey.
    QPalette closed = palette();
    closed.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    closed.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    setPalette(closed);
    widgets_ = ExerciseWindowBuilder(scheme_, mode_).build(*this);
    toolBar_ = std::make_unique<ExerciseToolBar>(*this, controller_);
    input_ = std::make_unique<ExerciseInput>(*this, widgets_, controller_);
    // A run that ends with a problem open (the session closing) leaves it.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this,
                [this] { handOn(*hooks_, controller_.endProblem(progress::Outcome::LeftProgramEnd)); });
    }
    FocusRing::install(this, kFocusRingColour);
    nameExerciseControls(*this, scheme_);
    readAloud_ = std::make_unique<ReadAloud>(*this, widgets_);
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::setLaunch(const ExerciseLaunch& launch)
{
    controller_.takeLaunch(launch);
    const QString& folder = controller_.state().resource_folder;
    if (folder != design_pictures_folder_) {
        design_pictures_folder_ = folder;
        applyDesignPictures(*this, scheme_, folder);
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
    return panel_.find(name);
}

bool ExerciseWindow::isAnimating() const
{
    return feedback_.running();
}

int ExerciseWindow::errorTotal() const
{
    return tag(widgets_.error_num);
}

void ExerciseWindow::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        platform::dialogs().showMessage(this, QString::fromUtf8(failure.what()));
    }
}

void ExerciseWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // A screen smaller than the window (a netbook, a laptop at 150 %) gets
    // the window inside it, smaller, with its steps scrolling.
    if (!isFullScreen())
        fitWindowOnScreen(*this);
    guarded([&] {
        controller_.windowShown(LastButton_Verifica(this));
        INIZIO();
    });
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape asks the close button's question instead of closing outright.
    if (input_->keys().windowKey(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ExerciseWindow::focusNextPrevChild(bool next)
{
    if (!QDialog::focusNextPrevChild(next))
        return false;
    // Tab from the tool bar into the steps brings the control into view, as
    // Tab between the steps does.
    if (QWidget* now = focusWidget(); now && widgets_.sb_contents->isAncestorOf(now))
        widgets_.SB->ensureWidgetVisible(now, 20, 20);
    return true;
}

void ExerciseWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutChrome(*this, widgets_);
}

void ExerciseWindow::done(int result)
{
    guarded([&] {
        // The program closes its windows when a shutdown or logout ends it.
        handOn(*hooks_, controller_.endProblem(platform::terminationRequested() ? progress::Outcome::LeftProgramEnd
                                                                                : progress::Outcome::LeftClose));
        // A sequence cut short by the closing would otherwise keep its phase
        // and end the next error or success half-way.
        feedback_.stop();
        const bool withHelp = controller_.state().currentSolutionShown();
        panel_.setShown({withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5")}, true);
        platform::soundService().stopAll();
        readAloud_->stop();
        panel_.setShown(lastStepWidgets(true), true);
        for (int step : {scheme_.lastStep(), 1}) {
            if (auto* led = panel_.control<ShapeIndicator>(StepPanel::stepName("Shape0", step)))
                led->setBrushColor(kStepAhead);
        }
        controller_.windowClosed();
    });
    QDialog::done(result);
}

}  // namespace quorvia
