// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/exercise_slot.h"
#include "shell/main_window.h"

#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/score_window.h"
#include "shell_fixture.h"

#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace quorvia {
namespace {

// An exercise window that records what it was handed and "solves" a set
// number of problems each time it is shown, then closes.
class StandInExercise : public QDialog, public ExerciseSlot {
public:
    StandInExercise()
    {
        // The design names, with the first player spelt as the windows do.
        for (const char* name : {"Afinale", "WFinale", "bravo", "nooo"}) {
            auto* player = new platform::WavePlayer(QLatin1String(name), this);
            player->setWave(QByteArray("design ") + name);
        }
        for (const char* name : {"GIF3", "GIF2", "GIF1"}) {
            auto* player = new platform::GifPlayer(QLatin1String(name), this);
            QPixmap design(3, 3);
            design.fill(Qt::blue);
            player->setPixmap(design);
        }
    }

    QDialog* dialog() override { return this; }
    void setLaunch(const ExerciseLaunch& launch) override { launches.append(launch); }
    int solvedCount() const override { return solved; }

    QList<ExerciseLaunch> launches;
    QList<QSize> shown_sizes;
    int solved = 0;
    int solve_next = 0;

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        shown_sizes.append(size());
        QTimer::singleShot(0, this, [this] {
            solved += solve_next;
            accept();
        });
    }
};

class Launch : public testing::ShellTest {
protected:
    void SetUp() override
    {
        writeGenerale();
        window_ = std::make_unique<TForm1>(folder());
        window_->show();
    }
    void start() { window_->findChild<QPushButton*>("LMD5")->click(); }
    QSpinBox* spinner(const char* name) { return window_->findChild<QSpinBox*>(name); }
    platform::WavePlayer* sound(StandInExercise& exercise, const char* name)
    {
        return exercise.findChild<platform::WavePlayer*>(QLatin1String(name));
    }
    platform::GifPlayer* animation(StandInExercise& exercise, const char* name)
    {
        return exercise.findChild<platform::GifPlayer*>(QLatin1String(name));
    }

    std::unique_ptr<TForm1> window_;
};

TEST_F(Launch, HandsTheWindowItsFieldsAndCountsTheProblemsSolved)
{
    StandInExercise exercise;
    window_->registerExerciseWindow(Mode::Beginner, Scheme::S3, &exercise);
    spinner("SPProblema")->setValue(2);

    exercise.solve_next = 2;
    start();
    ASSERT_EQ(exercise.launches.size(), 1);
    const ExerciseLaunch& launch = exercise.launches[0];
    EXPECT_EQ(launch.resource_folder, folder());
    EXPECT_EQ(launch.problem_file_name, QStringLiteral("P3.INI"));
    EXPECT_EQ(launch.current_problem, 2);
    EXPECT_EQ(launch.problem_count, 6);
    EXPECT_EQ(launch.scheme_code, 3);
    EXPECT_EQ(exercise.shown_sizes.value(0), QSize(800, 600));
    EXPECT_EQ(window_->pointsTotal(), 2);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->findChild<QTimer*>("Timer1")->isActive());

    // Opened again and closed without solving: the counter ran on, but only
    // its growth counts.
    exercise.solve_next = 0;
    start();
    EXPECT_EQ(window_->pointsTotal(), 2);
    exercise.solve_next = 1;
    start();
    EXPECT_EQ(window_->pointsTotal(), 3);
    EXPECT_EQ(exercise.solvedCount(), 3);
}

TEST_F(Launch, ModeAndSchemeChooseTheWindowAndTheCode)
{
    StandInExercise windows[2][4];
    const Scheme schemes[] = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};
    for (int s = 0; s < 4; ++s) {
        window_->registerExerciseWindow(Mode::Beginner, schemes[s], &windows[0][s]);
        window_->registerExerciseWindow(Mode::Advanced, schemes[s], &windows[1][s]);
    }
    const int codes[] = {3, 41, 42, 5};
    for (int mode : {1, 2, 3}) {
        for (int s = 0; s < 4; ++s) {
            spinner("LMDstato")->setValue(mode);
            spinner("SPLivello")->setValue(s + 1);
            StandInExercise& expected = windows[mode == 1 ? 0 : 1][s];
            const int before = expected.launches.size();
            start();
            ASSERT_EQ(expected.launches.size(), before + 1) << mode << " " << s;
            EXPECT_EQ(expected.launches.last().scheme_code, codes[s]) << mode << " " << s;
        }
    }
    int total = 0;
    for (auto& row : windows)
        for (auto& w : row)
            total += w.launches.size();
    EXPECT_EQ(total, 12);
    EXPECT_EQ(windows[1][0].launches.last().problem_file_name, QStringLiteral("A3.INI"));
}

TEST_F(Launch, ACombinationWithoutAWindowOpensNothingAndComesBack)
{
    StandInExercise beginner3;
    window_->registerExerciseWindow(Mode::Beginner, Scheme::S3, &beginner3);
    spinner("SPLivello")->setValue(2);
    start();
    EXPECT_TRUE(beginner3.launches.isEmpty());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_EQ(window_->pointsTotal(), 0);
}

TEST_F(Launch, MediaWithOnlyBravoPresentLoadOnlyBravo)
{
    const QByteArray bravo = testing::makeWave();
    writeResource("bravo.wav", bravo);
    StandInExercise exercise;
    window_->LOAD_WAV_GIF(&exercise);

    EXPECT_EQ(sound(exercise, "bravo")->wave(), bravo);
    EXPECT_EQ(sound(exercise, "nooo")->wave(), QByteArray("design nooo"));
    EXPECT_EQ(sound(exercise, "Afinale")->wave(), QByteArray("design Afinale"));
    EXPECT_EQ(sound(exercise, "WFinale")->wave(), QByteArray("design WFinale"));
    for (const char* name : {"GIF1", "GIF2", "GIF3"}) {
        EXPECT_FALSE(animation(exercise, name)->hasAnimation()) << name;
        EXPECT_FALSE(animation(exercise, name)->pixmap().isNull()) << name;
    }
}

TEST_F(Launch, EveryMediaFileFindsItsPlayerWhateverTheCase)
{
    const QByteArray wave = testing::makeWave();
    for (const char* file : {"AFINALE.WAV", "wfinale.wav", "bravo.wav", "Nooo.wav"})
        writeResource(file, wave);
    for (const char* file : {"problema_GIF1.gif", "problema_GIF2.gif", "PROBLEMA_GIF3.GIF"})
        writeResource(file, testing::makeGif());
    StandInExercise exercise;
    // A player missing from a window is skipped; the others still load.
    delete sound(exercise, "WFinale");
    window_->LOAD_WAV_GIF(&exercise);

    for (const char* name : {"Afinale", "bravo", "nooo"})
        EXPECT_EQ(sound(exercise, name)->wave(), wave) << name;
    for (const char* name : {"GIF1", "GIF2", "GIF3"})
        EXPECT_TRUE(animation(exercise, name)->hasAnimation()) << name;
}

TEST_F(Launch, TheLaunchLoadsTheMediaBeforeShowing)
{
    writeResource("nooo.wav", testing::makeWave());
    StandInExercise exercise;
    window_->registerExerciseWindow(Mode::Beginner, Scheme::S3, &exercise);
    start();
    EXPECT_EQ(sound(exercise, "nooo")->wave(), testing::makeWave());
}

TEST_F(Launch, PointsOfTheRunReachTheScoreWindow)
{
    StandInExercise exercise;
    window_->registerExerciseWindow(Mode::Beginner, Scheme::S3, &exercise);
    exercise.solve_next = 2;
    start();

    TForm3 score(folder());
    score.setTickInterval(0);
    window_->setScoreWindow(&score);
    window_->setEndApplication([] {});
    window_->close();
    EXPECT_EQ(score.displayedValue(), 2);
}

}  // namespace
}  // namespace quorvia
