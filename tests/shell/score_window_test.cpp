// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/score_window.h"

#include "platform/wave_header.h"
#include "shell/main_window.h"
#include "shell_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace quorvia {
namespace {

using Kind = platform::RecordingSoundService::Kind;

class ScoreWindow : public testing::ShellTest {
protected:
    // Shows the window with the clock stopped; the test ticks it by hand.
    std::unique_ptr<TForm3> open(int points)
    {
        auto window = std::make_unique<TForm3>(folder());
        window->setTickInterval(24 * 60 * 60 * 1000);
        window->setPoints(points);
        window->show();
        return window;
    }
    int suonoPlays()
    {
        int plays = 0;
        for (const auto& call : sound_->calls())
            plays += call.kind == Kind::Once && call.name == QStringLiteral("SUONO");
        return plays;
    }
};

TEST_F(ScoreWindow, NoPointsAndNoClosingMessageClosesOnTheEleventhTick)
{
    auto window = open(0);
    EXPECT_EQ(window->ticks(), 10);
    EXPECT_EQ(window->displayedValue(), 0);
    for (int tick = 1; tick <= 10; ++tick) {
        window->Timer1Timer();
        EXPECT_TRUE(window->isVisible()) << tick;
    }
    window->Timer1Timer();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isCounting());
    EXPECT_EQ(window->displayedValue(), 0);
    EXPECT_TRUE(sound_->calls().isEmpty());
}

TEST_F(ScoreWindow, NoPointsPlaysTheClosingMessageOnce)
{
    writeResource("msg_chiusura.wav", testing::makeWaveOfSeconds(3.0));
    auto window = open(0);
    EXPECT_EQ(window->ticks(), 16);
    EXPECT_EQ(suonoPlays(), 1);
    window->Timer1Timer();
    EXPECT_EQ(suonoPlays(), 1);
}

TEST_F(ScoreWindow, ThreePointsWithAOneSecondDing)
{
    writeResource("ding.wav", testing::makeWaveOfSeconds(1.0));
    auto window = open(3);
    EXPECT_EQ(window->ticks(), 12);
    EXPECT_EQ(suonoPlays(), 0);  // nothing before the first tick
    for (int tick = 1; tick <= 3; ++tick) {
        window->Timer1Timer();
        EXPECT_EQ(window->displayedValue(), tick);
        EXPECT_EQ(suonoPlays(), tick);
    }
    for (int tick = 4; tick <= 12; ++tick)
        window->Timer1Timer();
    EXPECT_EQ(window->displayedValue(), 3);
    EXPECT_EQ(suonoPlays(), 3);
    EXPECT_TRUE(window->isVisible());
    window->Timer1Timer();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(sound_->calls().first().wave, testing::makeWaveOfSeconds(1.0));
}

TEST_F(ScoreWindow, MorePointsThanTicksStopTheCountEarly)
{
    writeResource("ding.wav", testing::makeWaveOfSeconds(1.0));
    auto window = open(20);
    int ticks = 0;
    while (window->isVisible() && ticks < 100) {
        window->Timer1Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 13);
    EXPECT_EQ(window->displayedValue(), 12);
}

TEST_F(ScoreWindow, AnUnreadableDingCountsAsNoDing)
{
    testing::WaveLayout zero_rate;
    zero_rate.samples_per_second = 0;
    for (const QByteArray& bytes : {QByteArray("not a wave at all"), testing::makeWave(zero_rate)}) {
        writeResource("ding.wav", bytes);
        sound_->clear();
        auto window = open(2);
        EXPECT_EQ(window->ticks(), 10);
        window->Timer1Timer();
        ASSERT_EQ(suonoPlays(), 1);
        // The count-up keeps the window's own sound.
        EXPECT_EQ(sound_->calls().last().wave, TForm3::builtInSound());
    }
}

TEST_F(ScoreWindow, TicksFromTheSoundsLength)
{
    const struct {
        const char* name;
        QByteArray wave;
        int ticks;
    } cases[] = {
        {"OneSecond", testing::makeWaveOfSeconds(1.0), 12},
        {"HalfSecondRoundsToEvenZero", testing::makeWaveOfSeconds(0.5), 10},
        {"OneAndAHalfRoundsToTwo", testing::makeWaveOfSeconds(1.5), 14},
        {"TwoAndAHalfRoundsToTwo", testing::makeWaveOfSeconds(2.5), 14},
        {"ThreeAndAHalfRoundsToFour", testing::makeWaveOfSeconds(3.5), 18},
        {"TwoPointSixRoundsUp", testing::makeWaveOfSeconds(2.6), 16},
        {"NoWave", QByteArray("RIFF"), 10},
        {"Empty", QByteArray(), 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TForm3::ticksForSound(c.wave), c.ticks) << c.name;
}

TEST_F(ScoreWindow, TheBundledDingCountsTwentyPointsAndEscapeDoesNotCutItShort)
{
    QFile bundled(QStringLiteral(QUORVIA_RESOURCES "/ding.wav"));
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    writeResource("ding.wav", bundled.readAll());
    auto window = open(20);
    EXPECT_GE(window->ticks(), 20);

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    for (int tick = 1; tick <= 20; ++tick)
        window->Timer1Timer();
    EXPECT_EQ(window->displayedValue(), 20);
    EXPECT_EQ(suonoPlays(), 20);
}

TEST_F(ScoreWindow, TheBuiltInSoundIsAWaveOfItsOwn)
{
    EXPECT_EQ(TForm3::ticksForSound(TForm3::builtInSound()), 10);
    EXPECT_TRUE(platform::readWaveHeader(TForm3::builtInSound()));
}

TEST_F(ScoreWindow, LayoutAndColours)
{
    TForm3 window(folder());
    EXPECT_EQ(window.size(), QSize(698, 592));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvia"));
    auto* led = window.findChild<QLCDNumber*>("LED");
    ASSERT_TRUE(led);
    EXPECT_EQ(led->geometry(), QRect(248, 496, 105, 81));
    EXPECT_EQ(led->palette().color(QPalette::WindowText), QColor(0, 0, 160));
    EXPECT_EQ(led->palette().color(QPalette::Window), QColor(238, 0, 0));
    EXPECT_TRUE(window.findChild<QWidget*>("Image2")->isHidden());
}

// The last English words a child met were "Credits" and "Points".
TEST_F(ScoreWindow, TheMainAndScoreWindowsSpeakItalian)
{
    TForm1 main(folder());
    TForm3 score(folder());
    EXPECT_EQ(main.findChild<QPushButton*>(QStringLiteral("LMDSpeedButton3"))->text(), QStringLiteral("Autori"));
    EXPECT_EQ(score.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Punti"));
    const QStringList english = {"Credits", "Points", "Score", "Help", "Start", "Exit", "Close", "About"};
    for (const QWidget* window : {static_cast<const QWidget*>(&main), static_cast<const QWidget*>(&score)}) {
        QStringList captions;
        for (const QLabel* label : window->findChildren<QLabel*>())
            captions << label->text();
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            captions << button->text();
        for (const QString& caption : captions) {
            for (const QString& word : english)
                EXPECT_FALSE(caption.contains(word, Qt::CaseInsensitive)) << caption.toStdString();
        }
    }
}

}  // namespace
}  // namespace quorvia
