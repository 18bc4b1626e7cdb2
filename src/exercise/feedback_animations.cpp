// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/feedback_animations.h"

#include "exercise/exercise_builder.h"
#include "exercise/hint_balloon.h"
#include "platform/gif_player.h"

#include <QTimer>

namespace quorvia {

bool FeedbackAnimations::running() const
{
    return w_.Timer1->isActive();
}

void FeedbackAnimations::startTimer()
{
    w_.Timer1->setInterval(100);
    w_.Timer1->start();
}

void FeedbackAnimations::startError()
{
    clock_.startError();
    startTimer();
}

void FeedbackAnimations::startStepSuccess()
{
    clock_.startStepSuccess();
    startTimer();
}

void FeedbackAnimations::startClosing(bool gif2Shown)
{
    clock_.startClosing(gif2Shown);
    startTimer();
}

void FeedbackAnimations::tick(const std::function<void()>& endClosing)
{
    // "Visible" is the player's own flag: the clock may tick while the
    // window itself is covered or hidden.
    const TickOutcome tick = clock_.tick(!w_.GIF2->isHidden(), !w_.GIF1->isHidden(), !w_.GIF3->isHidden());
    w_.Timer1->setInterval(100);
    if (tick.freeze_gif2)
        w_.GIF2->stop();
    if (tick.end_step_success) {
        w_.GIF2->stop();
        w_.GIF2->hide();
        w_.Timer1->stop();
    }
    if (tick.end_closing)
        endClosing();
    if (tick.end_error) {
        w_.Timer1->stop();
        w_.GIF1->stop();
        w_.GIF1->hide();
    }
    if (tick.move_gif3)
        w_.GIF3->move(w_.GIF3->x() + AnimationClock::kGif3Step, w_.GIF3->y());
}

void FeedbackAnimations::stop()
{
    w_.Timer1->stop();
    clock_.reset();
    for (platform::GifPlayer* player : {w_.GIF1, w_.GIF2, w_.GIF3}) {
        player->stop();
        player->hide();
    }
    w_.msg->dismiss();
}

}  // namespace quorvia
