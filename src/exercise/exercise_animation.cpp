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
    // "Visible" is the player's own flag: the clock may tick while the
    // window itself is covered or hidden.
    const TickOutcome tick = clock_.tick(!GIF2->isHidden(), !GIF1->isHidden(), !GIF3->isHidden());
    Timer1->setInterval(100);
    if (tick.freeze_gif2)
        GIF2->stop();
    if (tick.end_step_success) {
        GIF2->stop();
        GIF2->hide();
        Timer1->stop();
    }
    if (tick.end_closing)
        endClosingSequence();
    if (tick.end_error) {
        Timer1->stop();
        GIF1->stop();
        GIF1->hide();
    }
    if (tick.move_gif3)
        GIF3->move(GIF3->x() + AnimationClock::kGif3Step, GIF3->y());
}

void ExerciseWindow::stopFeedback()
{
    Timer1->stop();
    clock_.reset();
    for (platform::GifPlayer* player : {GIF1, GIF2, GIF3}) {
        player->stop();
        player->hide();
    }
    msg->dismiss();
}

QStringList ExerciseWindow::lastStepWidgets(bool closingWindow) const
{
    const int last = scheme_.lastStep();
    QStringList names{inputOfStep(last), stepName("B", last), stepName("H", last)};
    if (closingWindow)
        names.append(stepName("Shape0", last));
    return names;
}

void ExerciseWindow::endClosingSequence()
{
    GIF3->hide();
    GIF3->stop();
    const bool withHelp = state_.currentSolutionShown();
    if (QWidget* picture = widgetNamed(withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5"))) {
        picture->show();
        SB->ensureWidgetVisible(picture, 0, 0);
    }
    Timer1->stop();
    platform::soundService().stopAll();
    for (const QString& name : lastStepWidgets(false)) {
        if (QWidget* w = widgetNamed(name))
            w->show();
    }
    SetLED(kStepAhead, this);
    GIF2->hide();
}

}  // namespace quorvia
