// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three animations of an exercise window run by its 100 ms clock: the
// error (GIF1), the step success (GIF2) and the closing sequence (GIF3, with
// GIF2 as its still). The clock's phases decide; this does what each tick
// asks to the players and the timer.

#include "exercise/animation_clock.h"

#include <functional>

namespace quorvia {

struct ExerciseWidgets;

class FeedbackAnimations {
public:
    // `widgets` are the window's own, and outlive this.
    explicit FeedbackAnimations(const ExerciseWidgets& widgets) : w_(widgets) {}

    // Busy rule: while the clock runs, sentence checks do nothing.
    bool running() const;
    const AnimationClock& clock() const { return clock_; }

    // The players are already showing; these start the clock's phase.
    void startError();
    void startStepSuccess();
    // `gif2Shown`: the closing still is on screen (see AnimationClock).
    void startClosing(bool gif2Shown);

    // One tick of the clock; `endClosing` shows the end of the closing
    // sequence when the tick brings it.
    void tick(const std::function<void()>& endClosing);
    // Stops whatever is running: the clock with its phase and ticks, the
    // three animations and the hint balloon.
    void stop();

private:
    void startTimer();

    const ExerciseWidgets& w_;
    AnimationClock clock_;
};

}  // namespace quorvia
