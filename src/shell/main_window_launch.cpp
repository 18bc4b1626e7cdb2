// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an exercise window from the main window, and ending the run.

#include "shell/exercise_slot.h"
#include "shell/main_window.h"

#include "base/resource_folder.h"
#include "content/scheme.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/program_media.h"
#include "shell/score_window.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

namespace quorvia {
namespace {

enum class PlayerKind { Sound, Animation };

struct MediaFile {
    const char* player;
    PlayerKind kind;
    const char* file;
};

// In the order they are loaded.
const MediaFile kExerciseMedia[] = {
    {"AFinale", PlayerKind::Sound, media::kSolvedWithHelpSound},
    {"WFinale", PlayerKind::Sound, media::kSolvedSound},
    {"bravo", PlayerKind::Sound, media::kRightSound},
    {"nooo", PlayerKind::Sound, media::kWrongSound},
    {"GIF3", PlayerKind::Animation, media::kClosingAnimation},
    {"GIF2", PlayerKind::Animation, media::kStepAnimation},
    {"GIF1", PlayerKind::Animation, media::kWrongAnimation},
};

QPair<int, int> slotKey(Mode mode, Scheme scheme)
{
    return {static_cast<int>(mode), static_cast<int>(scheme)};
}

Scheme schemeOfSpinner(int value)
{
    return kAllSchemes[static_cast<std::size_t>(value - 1)];
}

}  // namespace

void TForm1::registerExerciseWindow(Mode mode, Scheme scheme, ExerciseSlot* slot)
{
    exercise_windows_.insert(slotKey(mode, scheme), slot);
}

ExerciseSlot* TForm1::exerciseWindow(Mode mode, Scheme scheme) const
{
    return exercise_windows_.value(slotKey(mode, scheme), nullptr);
}

void TForm1::setEndApplication(std::function<void()> endApplication)
{
    end_application_ = std::move(endApplication);
}

void TForm1::stopAnimations()
{
    fischio->stop();
    mascotte->stop();
    ani2->stop();
    ani3->stop();
    RxGIFAnimator1->stop();
    Timer1->stop();
}

void TForm1::LMD3Click(QObject* sender)
{
    stopAnimations();
    hide();

    const int scheme_value = SPLivello->value();
    const Mode mode = LMDstato->value() == 1 ? Mode::Beginner : Mode::Advanced;
    ExerciseSlot* slot = scheme_value >= 1 && scheme_value <= kSchemeCount
                             ? exerciseWindow(mode, schemeOfSpinner(scheme_value))
                             : nullptr;
    QDialog* window = slot ? slot->dialog() : nullptr;
    if (window) {
        const Scheme scheme = schemeOfSpinner(scheme_value);
        window->resize(800, 600);

        ExerciseLaunch launch;
        launch.resource_folder = resource_folder_;
        launch.problem_file_name = problem_files_[scheme_value];
        launch.current_problem = SPProblema->value();
        launch.problem_count = SPProblema->maximum();
        // Scheme 5 takes its code from the button that started it.
        launch.scheme_code = scheme == Scheme::S5 ? tag(sender) : schemeCode(scheme);
        slot->setLaunch(launch);
        LOAD_WAV_GIF(window);

        const int solved_before = slot->solvedCount();
        window->exec();
        points_total_ += std::max(0, slot->solvedCount() - solved_before);
    }

    // Showing the window runs the activation steps again.
    show();
}

void TForm1::LOAD_WAV_GIF(QWidget* window)
{
    for (const MediaFile& media : kExerciseMedia) {
        QObject* player = findControl(window, QLatin1String(media.player));
        if (!player)
            continue;
        const QString file = resourceFile(resource_folder_, QLatin1String(media.file));
        if (file.isEmpty())
            continue;
        if (media.kind == PlayerKind::Sound) {
            if (auto* sound = qobject_cast<platform::WavePlayer*>(player))
                sound->loadFile(file);
        } else if (auto* animation = qobject_cast<platform::GifPlayer*>(player)) {
            animation->loadFile(file);
        }
    }
}

void TForm1::LMD6Click()
{
    fischio->stop();
    hide();
    QCoreApplication::processEvents();
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (closing_)
        return;
    closing_ = true;
    FormClose();
}

void TForm1::FormClose()
{
    stopAnimations();
    hide();
    if (score_window_) {
        score_window_->showPoints(points_total_);
        score_window_->hide();
    }
    QCoreApplication::processEvents();
    if (end_application_)
        end_application_();
    hide();
    QCoreApplication::processEvents();
}

}  // namespace quorvia
