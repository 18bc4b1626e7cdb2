// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows on an exercise window what its step controller decided after a
// check: an error counted (the sound, the step's counter, the balloon with
// its message, the total, the error animation), a step passed (the sound,
// the indicators, the next step's input in view and focused, the step
// animation) or the problem finished (its record handed on, then the
// window's closing sequence). It decides nothing.

#include "exercise/step_flow.h"

#include <functional>

class QAbstractButton;

namespace quorvia {

namespace platform {
class GifPlayer;
}  // namespace platform

class ExerciseWindow;
class FeedbackAnimations;
struct ExerciseWidgets;
struct WindowOptions;

class DecisionView {
public:
    // The points where a scheme's window adds to what is shown.
    struct SchemePoints {
        std::function<void(int step)> finishProblem;
        std::function<void(platform::GifPlayer* player)> beforeFeedbackAnimation;
    };

    // Everything given is the window's own and outlives this.
    DecisionView(ExerciseWindow& window, const WindowOptions& options, const ExerciseWidgets& widgets,
                 FeedbackAnimations& feedback, SchemePoints points);

    // `button` is the Verifica that was pressed.
    void show(const StepDecision& decision, QAbstractButton* button);

private:
    void showError(QAbstractButton* counter, const StepDecision& error);
    void stepPassed(QAbstractButton* button);
    // Scrolls the step area so a step just opened shows whole.
    void bringStepIntoView(int step);

    ExerciseWindow& window_;
    const WindowOptions& options_;
    const ExerciseWidgets& widgets_;
    FeedbackAnimations& feedback_;
    SchemePoints points_;
};

}  // namespace quorvia
