// SPDX-License-Identifier: GPL-3.0-or-later
// The ticks of the window's animations, and the end of the closing sequence.

#include "exercise/exercise_window.h"

#include "exercise/hint_balloon.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "widgets/step_indicators.h"

#include <QScrollArea>
#include <QTimer>

namespace quorvia {

void ExerciseWindow::Timer1Timer()
{
    // The tick that ends the closing sequence shows the problem's end picture
    // and brings the answer rows back.
    feedback_.tick([this] {
        const ExerciseWidgets& w = widgets_;
        w.GIF3->hide();
        w.GIF3->stop();
        const bool withHelp = controller_.state().currentSolutionShown();
        if (QWidget* picture = panel_.widget(withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5"))) {
            picture->show();
            w.SB->ensureWidgetVisible(picture, 0, 0);
        }
        w.Timer1->stop();
        platform::soundService().stopAll();
        panel_.setShown(lastStepWidgets(false), true);
        SetLED(kStepAhead, this);
        w.GIF2->hide();
    });
}

QStringList ExerciseWindow::lastStepWidgets(bool closingWindow) const
{
    return panel_.answerRowWidgets(closingWindow);
}

}  // namespace quorvia
