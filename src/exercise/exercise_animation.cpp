// SPDX-License-Identifier: GPL-3.0-or-later
// The animation clock of the window: every 100 ms tick asks the clock what
// to do and does it to the players.

#include "exercise/exercise_window.h"

#include "exercise/hint_balloon.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/step_indicators.h"

#include <QScrollArea>
#include <QTimer>

namespace quorvia {

void ExerciseWindow::Timer1Timer()
{
    const ExerciseWidgets& w = widgets_;
    // "Visible" is the player's own flag: the clock may tick while the
    // window itself is covered or hidden.
    const TickOutcome tick = clock_.tick(!w.GIF2->isHidden(), !w.GIF1->isHidden(), !w.GIF3->isHidden());
    w.Timer1->setInterval(100);
    if (tick.freeze_gif2)
        w.GIF2->stop();
    if (tick.end_step_success) {
        w.GIF2->stop();
        w.GIF2->hide();
        w.Timer1->stop();
    }
    if (tick.end_closing)
        endClosingSequence();
    if (tick.end_error) {
        w.Timer1->stop();
        w.GIF1->stop();
        w.GIF1->hide();
    }
    if (tick.move_gif3)
        w.GIF3->move(w.GIF3->x() + AnimationClock::kGif3Step, w.GIF3->y());
}

void ExerciseWindow::stopFeedback()
{
    widgets_.Timer1->stop();
    clock_.reset();
    for (platform::GifPlayer* player : {widgets_.GIF1, widgets_.GIF2, widgets_.GIF3}) {
        player->stop();
        player->hide();
    }
    widgets_.msg->dismiss();
}

QStringList ExerciseWindow::lastStepWidgets(bool closingWindow) const
{
    return panel_.answerRowWidgets(closingWindow);
}

void ExerciseWindow::endClosingSequence()
{
    const ExerciseWidgets& w = widgets_;
    w.GIF3->hide();
    w.GIF3->stop();
    const bool withHelp = state_.currentSolutionShown();
    if (QWidget* picture = panel_.widget(withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5"))) {
        picture->show();
        w.SB->ensureWidgetVisible(picture, 0, 0);
    }
    w.Timer1->stop();
    platform::soundService().stopAll();
    panel_.setShown(lastStepWidgets(false), true);
    SetLED(kStepAhead, this);
    w.GIF2->hide();
}

}  // namespace quorvia
