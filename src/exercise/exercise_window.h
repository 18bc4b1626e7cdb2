// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One exercise window: the common mechanics of all eight, built from a
// scheme's description for one mode. The window hands what the child does to
// its step controller and shows what the controller decides (sounds,
// animations, the hint balloon, the step indicators); the builder makes its
// widgets, the step panel reaches them by name.

#include "content/problem_file.h"
#include "content/scheme.h"
#include "exercise/animation_clock.h"
#include "exercise/choice_shuffle.h"
#include "exercise/decision_view.h"
#include "exercise/exercise_builder.h"
#include "exercise/exercise_state.h"
#include "exercise/feedback_animations.h"
#include "exercise/problem_loader.h"
#include "exercise/scheme_description.h"
#include "exercise/step_controller.h"
#include "exercise/step_panel.h"
#include "shell/exercise_slot.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAbstractButton;

namespace quorvia {

namespace platform {
class GifPlayer;
}  // namespace platform

class ExerciseHooks;
class ExerciseInput;
class ExerciseToolBar;
class MainWindowServices;
class ReadAloud;

class ExerciseWindow : public QDialog, public ExerciseSlot {
    Q_OBJECT
public:
    static constexpr int kWidth = ExerciseWindowBuilder::kWidth;
    static constexpr int kHeight = ExerciseWindowBuilder::kHeight;

    // `main` gives the child's name and takes the problem shown (may be null).
    ExerciseWindow(const SchemeDescription& scheme, Mode mode, MainWindowServices* main,
                   QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    // ExerciseSlot
    QDialog* dialog() override { return this; }
    void setLaunch(const ExerciseLaunch& launch) override;
    int solvedCount() const override { return controller_.state().solved_count; }

    // Published methods.
    // Starts the problem of the state afresh: loads it and clears the steps.
    void INIZIO();
    void ripulisci_editfield();
    QObject* TROVA_COMP(const QString& name);

    // Handlers, public so tests (and the tool bar) drive the window as the
    // child does.
    void B1Click(QAbstractButton* sender);
    // The operation-scheme check (B4 in scheme 3, B7 in 4a and 4b, B5 in 5).
    void operationSchemeClick();
    void Timer1Timer();
    void SBClick();

    // What tests and the other parts of the program read.
    const ExerciseState& state() const { return controller_.state(); }
    // The main window that launched it (null in some tests); printing reads
    // the child's name there.
    MainWindowServices* mainWindow() const { return main_; }
    ExerciseHooks& hooks() const { return *hooks_; }
    const SchemeDescription& scheme() const { return scheme_; }
    Mode mode() const { return mode_; }
    const AnimationClock& animationClock() const { return feedback_.clock(); }
    // Busy rule: while the animation clock runs, sentence checks do nothing.
    bool isAnimating() const;
    int errorTotal() const;
    // True when the partial result is the right operand of the second
    // operation (as in 100-R1); as the last load that prepared the formulas left it.
    bool partialOnRight() const { return controller_.state().formulas.partial_on_right != 0; }
    // The last step: beginner windows keep it from each showing, advanced
    // windows look at their step buttons (LastButton_Verifica).
    int lastStep();

    void setHooks(ExerciseHooks* hooks);
    void setRandomSource(std::unique_ptr<RandomSource> random);

    // The step widgets by name, for the window's parts and its scheme.
    const StepPanel& panel() const { return panel_; }
    // Runs an event's handler; a failure that leaves it (a formula part that
    // is not a number, ...) is shown in a message box and the window stays
    // open with what was done so far.
    void guarded(const std::function<void()>& handler);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

    // Points where a scheme's window adds to the common mechanics.
    virtual void fillSolution();
    // Shows the end of the problem the step flow decided: the closing sequence.
    virtual void finishProblem(int step);
    // The widgets of the answer steps that the end of the closing sequence
    // (and the closing of the window) show again.
    virtual QStringList lastStepWidgets(bool closingWindow) const;
    // An error (GIF1) or step-success (GIF2) animation is about to be shown
    // and started.
    virtual void beforeFeedbackAnimation(platform::GifPlayer* /*player*/) {}

private:
    const SchemeDescription& scheme_;
    const Mode mode_;
    const WindowOptions& options_;  // the scheme's for this mode
    MainWindowServices* main_;
    ExerciseHooks* hooks_;
    std::unique_ptr<RandomSource> random_;
    StepController controller_;
    ExerciseWidgets widgets_;
    FeedbackAnimations feedback_{widgets_};
    DecisionView decisions_;
    StepPanel panel_;
    ProblemLoader loader_;
    std::unique_ptr<ExerciseToolBar> toolBar_;
    std::unique_ptr<ExerciseInput> input_;
    std::unique_ptr<ReadAloud> readAloud_;
    QString design_pictures_folder_;  // where the window's own pictures were last looked for
};

}  // namespace quorvia
