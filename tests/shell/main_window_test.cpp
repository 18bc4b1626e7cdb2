// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "platform/desktop.h"
#include "platform/gif_player.h"
#include "shell/program_media.h"
#include "shell/score_window.h"
#include "shell_fixture.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace quorvia {
namespace {

using Kind = platform::RecordingSoundService::Kind;

class MainWindow : public testing::ShellTest {
protected:
    template <class T = QWidget>
    T* control(TForm1& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QString text(TForm1& window, const char* name) { return control<QLabel>(window, name)->text(); }
    QSpinBox* spinner(TForm1& window, const char* name) { return control<QSpinBox>(window, name); }
};

TEST_F(MainWindow, WithoutGeneraleEveryKeyTakesItsDefault)
{
    TForm1 window(folder());
    EXPECT_EQ(control<QPushButton>(window, "LMD6")->text(), QStringLiteral("?"));
    EXPECT_EQ(control<QPushButton>(window, "LMD5")->text(), QStringLiteral("?"));
    EXPECT_EQ(control<QPushButton>(window, "LMDintro")->text(), QStringLiteral("?"));
    EXPECT_EQ(control<QGroupBox>(window, "RadioGroup1")->title(), QStringLiteral("?"));
    EXPECT_EQ(text(window, "Label5"), QString());
    EXPECT_EQ(text(window, "Label1"), QStringLiteral("???"));
    EXPECT_EQ(text(window, "Label7"), QString());
    EXPECT_EQ(text(window, "LIVELLO"), QString());
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("? 1"));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(window.problemCounts()[n], 1) << n;
        EXPECT_TRUE(window.problemFiles()[n].isEmpty()) << n;
    }
    EXPECT_EQ(spinner(window, "SPProblema")->maximum(), 1);
    EXPECT_EQ(window.pointsTotal(), 0);
}

TEST_F(MainWindow, ReadsCaptionsTablesAndTheBlackboardWithItsLineBreak)
{
    writeGenerale();
    TForm1 window(folder());
    EXPECT_EQ(control<QPushButton>(window, "LMD6")->text(), QStringLiteral("Esci"));
    EXPECT_EQ(control<QPushButton>(window, "LMD5")->text(), QStringLiteral("Inizia"));
    EXPECT_EQ(control<QPushButton>(window, "LMDintro")->text(), QStringLiteral("Istruzioni"));
    EXPECT_EQ(control<QGroupBox>(window, "RadioGroup1")->title(), QStringLiteral("Scrivi il tuo nome"));
    EXPECT_EQ(text(window, "Label5"), QStringLiteral("Scegli il problema"));
    EXPECT_EQ(text(window, "Label1"), QStringLiteral("Ciao\nbambini"));
    EXPECT_EQ(text(window, "Label7"), QStringLiteral("Principiante"));
    EXPECT_EQ(text(window, "LIVELLO"), QStringLiteral("Schema 3"));
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("Problema 1"));
    EXPECT_EQ(window.problemFiles()[2], QStringLiteral("P4A.INI"));
    EXPECT_EQ(window.schemeNames()[4], QStringLiteral("Schema 5"));
    EXPECT_EQ(spinner(window, "SPProblema")->maximum(), 6);
}

TEST_F(MainWindow, TheSchemeSpinnerChoosesNameAndProblemRange)
{
    writeGenerale();
    TForm1 window(folder());
    QSpinBox* problem = spinner(window, "SPProblema");
    problem->setValue(5);
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("Problema 5"));

    const struct {
        int scheme;
        const char* name;
        int maximum;
    } cases[] = {
        {2, "Schema 4a", 4},
        {3, "Schema 4b", 1},   // MAX3 missing: one problem
        {4, "Schema 5", 20},   // MAX4=30: no window holds more than 20
        {1, "Schema 3", 6},
    };
    for (const auto& c : cases) {
        spinner(window, "SPLivello")->setValue(c.scheme);
        EXPECT_EQ(text(window, "LIVELLO"), QLatin1String(c.name)) << c.scheme;
        EXPECT_EQ(problem->maximum(), c.maximum) << c.scheme;
        EXPECT_EQ(problem->value(), 1) << c.scheme;
        EXPECT_EQ(window.currentProblemFileName(), window.problemFiles()[c.scheme]) << c.scheme;
    }
}

TEST_F(MainWindow, EveryModeChangeReturnsToSchemeOneProblemOne)
{
    writeGenerale();
    TForm1 window(folder());
    QSpinBox* mode = spinner(window, "LMDstato");
    QSpinBox* scheme = spinner(window, "SPLivello");
    QSpinBox* problem = spinner(window, "SPProblema");

    for (int next_mode : {2, 3, 1}) {
        scheme->setValue(2);
        problem->setValue(3);
        mode->setValue(next_mode);
        EXPECT_EQ(scheme->value(), 1) << next_mode;
        EXPECT_EQ(scheme->maximum(), 4) << next_mode;
        EXPECT_EQ(problem->value(), 1) << next_mode;
        EXPECT_EQ(text(window, "LIVELLO"), QStringLiteral("Schema 3")) << next_mode;
    }
    mode->setValue(3);
    EXPECT_EQ(text(window, "Label7"), QStringLiteral("Esperto"));
    EXPECT_EQ(problem->maximum(), 3);
    EXPECT_EQ(window.problemCounts()[2], 1);  // MAX2=0: still one problem
    EXPECT_EQ(window.problemCounts()[3], 1);
    EXPECT_EQ(window.problemCounts()[4], 8);
    EXPECT_EQ(window.problemFiles()[1], QStringLiteral("A3.INI"));
    EXPECT_TRUE(window.problemFiles()[2].isEmpty());
    // Scheme names come from the program section in both modes.
    EXPECT_EQ(window.schemeNames()[2], QStringLiteral("Schema 4a"));
}

TEST_F(MainWindow, TheFileIsReadAgainAtEveryModeChange)
{
    writeGenerale();
    TForm1 window(folder());
    writeResource("GENERALE.INI", "[AREA_PROGRAMMA]\nBTN_FINE=Fine\n[AVANZATO]\nMAX1=9\n");
    spinner(window, "LMDstato")->setValue(2);
    EXPECT_EQ(control<QPushButton>(window, "LMD6")->text(), QStringLiteral("Fine"));
    EXPECT_EQ(control<QPushButton>(window, "LMD5")->text(), QStringLiteral("?"));
    EXPECT_EQ(text(window, "Label1"), QStringLiteral("???"));
    EXPECT_EQ(spinner(window, "SPProblema")->maximum(), 9);
}

TEST_F(MainWindow, SpinnerLimits)
{
    writeGenerale();
    TForm1 window(folder());
    window.show();
    QApplication::setActiveWindow(&window);
    QSpinBox* mode = spinner(window, "LMDstato");
    QSpinBox* scheme = spinner(window, "SPLivello");
    QSpinBox* problem = spinner(window, "SPProblema");

    EXPECT_EQ(mode->minimum(), 1);
    EXPECT_EQ(mode->maximum(), 3);
    mode->setValue(7);
    EXPECT_EQ(mode->value(), 3);
    EXPECT_TRUE(mode->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_TRUE(problem->findChild<QLineEdit*>()->isReadOnly());

    // One typed digit; outside the range it is brought to the nearest bound
    // when the spinner loses the focus.
    const struct {
        const char* typed;
        int value;
    } cases[] = {{"7", 4}, {"0", 1}, {"3", 3}, {"9", 4}};
    for (const auto& c : cases) {
        scheme->setFocus();
        scheme->selectAll();
        QTest::keyClicks(scheme, c.typed);
        control<QLineEdit>(window, "LMDEdit1")->setFocus();
        EXPECT_EQ(scheme->value(), c.value) << c.typed;
        EXPECT_EQ(scheme->text(), QString::number(c.value)) << c.typed;
    }
    scheme->setFocus();
    scheme->selectAll();
    QTest::keyClicks(scheme, "x");
    EXPECT_EQ(scheme->text(), QStringLiteral("4"));
}

TEST_F(MainWindow, ActivationStartsTheWalkTheBounceAndTheWhistle)
{
    writeGenerale();
    writeResource("fischio.wav", testing::makeWave());
    TForm1 window(folder());
    // At creation the whistle plays once.
    ASSERT_EQ(sound_->calls().size(), 1);
    EXPECT_EQ(sound_->calls()[0].kind, Kind::Once);
    EXPECT_EQ(sound_->calls()[0].name, QStringLiteral("fischio"));

    window.show();
    EXPECT_EQ(text(window, "Label6"), QStringLiteral("Ver 3.0.0.1"));
    EXPECT_EQ(control(window, "mascotte")->x(), control(window, "Image1")->geometry().right() + 1);
    EXPECT_EQ(sound_->calls().last().kind, Kind::Loop);
    EXPECT_EQ(sound_->calls().last().wave, testing::makeWave());
    EXPECT_TRUE(control<QTimer>(window, "Timer1")->isActive());
    EXPECT_EQ(control<QTimer>(window, "Timer1")->interval(), 100);
    EXPECT_EQ(window.bounceDirection(), 1);
}

// Nobody sees a hidden or minimised window: its four animations and its
// clock stop, and they start again when it shows.
TEST_F(MainWindow, TheAnimationsStopWhileTheWindowIsHiddenOrMinimised)
{
    writeGenerale();
    for (const char* file : {media::kMascot, media::kCornerAnimation, media::kSideAnimation, media::kTitleAnimation})
        writeResource(QLatin1String(file), testing::makeGif());
    TForm1 window(folder());
    const auto animating = [&] {
        QStringList running;
        for (const char* name : {"mascotte", "ani2", "ani3", "RxGIFAnimator1"}) {
            if (control<platform::GifPlayer>(window, name)->isRunning())
                running << QLatin1String(name);
        }
        if (control<QTimer>(window, "Timer1")->isActive())
            running << QStringLiteral("Timer1");
        return running.join(QLatin1Char(' '));
    };
    const QString all = QStringLiteral("mascotte ani2 ani3 RxGIFAnimator1 Timer1");
    EXPECT_EQ(animating(), QString()) << "before the window is shown";
    window.show();
    EXPECT_EQ(animating(), all);
    window.hide();
    EXPECT_EQ(animating(), QString()) << "hidden";
    window.show();
    EXPECT_EQ(animating(), all);
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(animating(), QString()) << "minimised";
    window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(animating(), all) << "restored";
}

TEST_F(MainWindow, WithoutTheWhistleNothingIsPlayedAtCreation)
{
    TForm1 window(folder());
    EXPECT_TRUE(sound_->calls().isEmpty());
}

TEST_F(MainWindow, TheMascotWalksToTheEdgeAndThenStops)
{
    TForm1 window(folder());
    window.show();
    QWidget* mascot = control(window, "mascotte");
    const int start = mascot->x();
    window.Timer1Timer();
    window.Timer1Timer();
    EXPECT_EQ(mascot->x(), start + 2);

    mascot->move(window.width() - 1, mascot->y());
    sound_->clear();
    window.Timer1Timer();
    EXPECT_EQ(mascot->x(), window.width());
    EXPECT_TRUE(sound_->calls().isEmpty());
    window.Timer1Timer();
    EXPECT_EQ(mascot->x(), window.width());
    ASSERT_FALSE(sound_->calls().isEmpty());
    EXPECT_EQ(sound_->calls().last().kind, Kind::Stop);
}

TEST_F(MainWindow, TheBounceTurnsAtTheStartButtonAndAtTheModeSpinner)
{
    TForm1 window(folder());
    window.show();
    QWidget* bouncer = control(window, "ani2");
    const QRect start_button = control(window, "LMD5")->geometry();
    const int left_bound = control(window, "LMDstato")->x();

    const int x = bouncer->x();
    window.Timer1Timer();
    EXPECT_EQ(bouncer->x(), x + 2);

    bouncer->move(start_button.x() + start_button.width() - bouncer->width() + 1, bouncer->y());
    window.Timer1Timer();
    EXPECT_EQ(window.bounceDirection(), -1);
    window.Timer1Timer();
    EXPECT_EQ(window.bounceDirection(), -1);

    bouncer->move(left_bound - 1, bouncer->y());
    window.Timer1Timer();
    EXPECT_EQ(window.bounceDirection(), 1);
    EXPECT_EQ(bouncer->x(), left_bound + 1);
}

class OpenedUrls : public MainWindow {
protected:
    void SetUp() override
    {
        platform::setUrlOpener([this](const QUrl& url) {
            opened_.append(url);
            return true;
        });
    }
    void TearDown() override { platform::setUrlOpener({}); }
    QList<QUrl> opened_;
};

TEST_F(OpenedUrls, HelpCreditsAndLogo)
{
    TForm1 window(folder());
    window.show();
    control<QPushButton>(window, "LMDintro")->click();
    EXPECT_TRUE(opened_.isEmpty());  // no Help.pdf: nothing happens

    writeResource("Help.pdf", "%PDF-1.4");
    control<QPushButton>(window, "LMDintro")->click();
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(path("Help.pdf")));

    // Without SITO the logo opens nothing and shows no pointing hand.
    QTest::mouseClick(control(window, "Image2"), Qt::LeftButton);
    EXPECT_EQ(opened_.size(), 1);
    EXPECT_EQ(control(window, "Image2")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(dialogs_->messages().isEmpty());

    control<QPushButton>(window, "LMDSpeedButton3")->click();
    ASSERT_EQ(dialogs_->aboutBoxes().size(), 1);
    EXPECT_EQ(dialogs_->aboutBoxes()[0].version, QStringLiteral("Ver 3.0.0.1"));
    EXPECT_FALSE(dialogs_->aboutBoxes()[0].credits.isEmpty());
}

TEST_F(OpenedUrls, TheLogoOpensTheAddressTheTeacherGave)
{
    writeResource("GENERALE.INI", QByteArray(testing::kGenerale).replace(
                                      "LEV1=", "SITO=www.scuola-rodari.example/problemi\nLEV1="));
    TForm1 window(folder());
    window.show();
    EXPECT_EQ(control(window, "Image2")->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(control(window, "Image2"), Qt::LeftButton);
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(opened_[0], QUrl(QStringLiteral("http://www.scuola-rodari.example/problemi")));
    EXPECT_TRUE(dialogs_->messages().isEmpty());
}

TEST_F(MainWindow, WhatTheDesktopCannotOpenIsToldNamingIt)
{
    platform::setUrlOpener([](const QUrl&) { return false; });
    writeResource("GENERALE.INI", QByteArray(testing::kGenerale).replace(
                                      "LEV1=", "SITO=https://quorvia.example/\nLEV1="));
    writeResource("Help.pdf", "%PDF-1.4");
    TForm1 window(folder());
    window.show();
    control<QPushButton>(window, "LMDintro")->click();
    QTest::mouseClick(control(window, "Image2"), Qt::LeftButton);
    platform::setUrlOpener({});
    ASSERT_EQ(dialogs_->messages().size(), 2);
    EXPECT_TRUE(dialogs_->messages()[0].contains(QDir::toNativeSeparators(path("Help.pdf"))))
        << dialogs_->messages()[0].toStdString();
    EXPECT_TRUE(dialogs_->messages()[0].startsWith(QStringLiteral("Non è stato possibile aprire")));
    EXPECT_EQ(dialogs_->messages()[1],
              QStringLiteral("Non è stato possibile aprire l'indirizzo https://quorvia.example/."));
}

TEST_F(MainWindow, TheNameBoxHasTheFocusAndTheProblemSpinnerShowsTwoDigits)
{
    writeGenerale();
    TForm1 window(folder());
    window.show();
    EXPECT_EQ(window.focusWidget(), control(window, "LMDEdit1"));

    // Scheme 4 of beginner mode has 30 problems, brought to the 20 a window holds.
    spinner(window, "SPLivello")->setValue(4);
    QSpinBox* problems = spinner(window, "SPProblema");
    problems->setValue(20);
    auto* digits = problems->findChild<QLineEdit*>();
    ASSERT_NE(digits, nullptr);
    EXPECT_EQ(digits->text(), QStringLiteral("20"));
    const int needed = digits->fontMetrics().horizontalAdvance(QStringLiteral("20"));
    EXPECT_GE(digits->width(), needed) << "the spinner cuts its two digits";
}

TEST_F(MainWindow, LayoutNamesPositionsAndSizes)
{
    TForm1 window(folder());
    EXPECT_EQ(window.size(), QSize(792, 566));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Problemi di Matematica per la Scuola Primaria"));
    const struct {
        const char* name;
        QRect geometry;
    } cases[] = {
        {"LMDSpeedButton3", {712, 24, 73, 33}}, {"Image2", {0, -1, 97, 103}},
        {"ani2", {40, 89, 101, 142}},          {"Shape2", {0, 236, 569, 41}},
        {"LMDstato", {3, 241, 31, 31}},        {"Label7", {40, 242, 105, 29}},
        {"SPLivello", {152, 240, 33, 34}},     {"LIVELLO", {192, 242, 105, 29}},
        {"SPProblema", {308, 240, 46, 33}},    {"Label4", {357, 240, 113, 32}},
        {"LMD5", {476, 239, 85, 33}},          {"LMD6", {660, 232, 113, 40}},
        {"Shape1", {416, 272, 368, 5}},        {"RadioGroup1", {352, 280, 426, 67}},
        {"LMDEdit1", {385, 303, 385, 35}},     {"LMDintro", {12, 287, 157, 39}},
        {"Image1", {0, 344, 329, 216}},        {"Label1", {16, 361, 299, 54}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(control(window, c.name)->geometry(), c.geometry) << c.name;
    EXPECT_EQ(tag(control(window, "LMD5")), 5);
    EXPECT_EQ(control(window, "Label3")->pos(), QPoint(200, 464));
}

TEST_F(MainWindow, ClosingInAnyWayShowsTheScoreAndEndsTheRun)
{
    TForm1 window(folder());
    TForm3 score(folder());
    score.setTickInterval(0);
    window.setScoreWindow(&score);
    int ended = 0;
    window.setEndApplication([&ended] { ++ended; });
    window.show();

    control<QPushButton>(window, "LMD6")->click();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(score.isVisible());
    EXPECT_EQ(score.displayedValue(), 0);
    EXPECT_EQ(score.ticks(), 0);  // it ran its ticks out before closing
    EXPECT_FALSE(control<QTimer>(window, "Timer1")->isActive());
    EXPECT_EQ(sound_->calls().last().kind, Kind::Stop);

    // A second close request after the end does nothing more.
    window.close();
    EXPECT_EQ(ended, 1);
}

TEST_F(MainWindow, ServicesForTheExerciseWindows)
{
    writeGenerale();
    TForm1 window(folder());
    control<QLineEdit>(window, "LMDEdit1")->setText(QStringLiteral("Giulia"));
    EXPECT_EQ(window.childName(), QStringLiteral("Giulia"));
    window.setProblemSpinner(4);
    EXPECT_EQ(window.problemValue(), 4);
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("Problema 4"));
    EXPECT_EQ(window.problemSpinnerMaximum(), 6);
    EXPECT_EQ(window.currentProblemFileName(), QStringLiteral("P3.INI"));
    EXPECT_EQ(window.modeValue(), 1);
    EXPECT_EQ(window.schemeValue(), 1);
    EXPECT_EQ(window.resourceFolder(), folder());
}

}  // namespace
}  // namespace quorvia
