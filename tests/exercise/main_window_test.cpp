// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise windows as the main window opens them: created and registered
// at start-up, shown modally by the start button, and counted in the points.

#include "exercise_fixture.h"

#include "exercise/exercise_windows.h"
#include "shell/main_window.h"

#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

namespace quorvia::testing {
namespace {

class WithMainWindow : public ExerciseFixture {
protected:
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        QFile generale(folder_ + "GENERALE.INI");
        ASSERT_TRUE(generale.open(QIODevice::WriteOnly));
        generale.write("[PRINCIPIANTE]\nINI_FILE1=P3_PROVA.INI\nMAX1=2\n"
                       "[AVANZATO]\nINI_FILE1=A3_PROVA.INI\nMAX1=3\n");
    }

    // Presses the start button; `inside` runs while the window is shown modally.
    void start(TForm1& main, const std::function<void(ExerciseWindow&)>& inside)
    {
        auto* window = dynamic_cast<ExerciseWindow*>(main.exerciseWindow(
            main.findChild<QSpinBox*>("LMDstato")->value() == 1 ? Mode::Beginner : Mode::Advanced,
            Scheme::S3));
        ASSERT_NE(window, nullptr);
        bool ran = false;
        QTimer::singleShot(0, window, [&] {
            ran = true;
            inside(*window);
            if (window->isVisible())
                window->close();
        });
        main.LMD3Click(main.findChild<QPushButton*>("LMD5"));
        EXPECT_TRUE(ran);
    }
};

TEST_F(WithMainWindow, WindowsAreRegisteredForTheirModeAndScheme)
{
    TForm1 main(folder_);
    const std::vector<ExerciseWindow*> windows = createExerciseWindows(main);
    // The order of creation; every scheme has both windows.
    const struct {
        const char* name;
        Mode mode;
        Scheme scheme;
    } order[] = {{"FormP3", Mode::Beginner, Scheme::S3},   {"FormP4b", Mode::Beginner, Scheme::S4b},
                 {"FormP4a", Mode::Beginner, Scheme::S4a}, {"FormA3", Mode::Advanced, Scheme::S3},
                 {"FormA4b", Mode::Advanced, Scheme::S4b}, {"FormA4a", Mode::Advanced, Scheme::S4a},
                 {"FormP5", Mode::Beginner, Scheme::S5},   {"FormA5", Mode::Advanced, Scheme::S5}};
    std::size_t next = 0;
    for (const auto& expected : order) {
        ExerciseSlot* registered = main.exerciseWindow(expected.mode, expected.scheme);
        ASSERT_NE(registered, nullptr) << expected.name;
        ASSERT_LT(next, windows.size()) << expected.name;
        ExerciseWindow* window = windows[next];
        EXPECT_EQ(static_cast<ExerciseSlot*>(window), registered) << expected.name;
        EXPECT_EQ(window->objectName(), QLatin1String(expected.name));
        EXPECT_EQ(window->mode(), expected.mode) << expected.name;
        EXPECT_EQ(window->parent(), &main) << expected.name;
        ++next;
    }
    EXPECT_EQ(next, windows.size());
}

TEST_F(WithMainWindow, TwoProblemsSolvedRaiseThePointsByTwo)
{
    TForm1 main(folder_);
    createExerciseWindows(main);
    main.findChild<QSpinBox*>("LMDstato")->setValue(2);
    main.findChild<QLineEdit*>("LMDEdit1")->setText("Marco");
    TCalcExpress unused;

    const IniFile file = IniFile::read((folder_ + kAdvancedFile).toStdString());
    start(main, [&](ExerciseWindow& w) {
        // Its design size, within the room the screen leaves it (the
        // offscreen screen is only 800x600, and the frame takes its share).
        const QSize frame = w.frameGeometry().size() - w.size();
        EXPECT_EQ(w.size(), QSize(800, 600).boundedTo(w.screen()->availableGeometry().size() - frame));
        EXPECT_TRUE(w.isModal());
        EXPECT_EQ(w.state().problem_count, 3);
        EXPECT_EQ(text(w, "Label1"), QStringLiteral("Marco: Leggi e segui le indicazioni"));
        solveWithAnswersOf(w, readProblem(file, 1, Scheme::S3));
        dialogs_->setNextYesNo(true);
        click(w, "LMDButton1");
        EXPECT_EQ(main.findChild<QSpinBox*>("SPProblema")->value(), 2);
        solveWithAnswersOf(w, readProblem(file, 2, Scheme::S3));
        EXPECT_EQ(w.solvedCount(), 2);
        dialogs_->setNextYesNo(true);
        click(w, "LMDButton11");
    });
    EXPECT_EQ(main.pointsTotal(), 2);

    // Opened again and closed without solving: nothing more.
    start(main, [&](ExerciseWindow& w) {
        EXPECT_EQ(w.state().current_problem, 2);
        click(w, "LMDsoluzione");
    });
    EXPECT_EQ(main.pointsTotal(), 2);
}

TEST_F(WithMainWindow, BeginnerWindowOpensOnTheChosenProblem)
{
    TForm1 main(folder_);
    createExerciseWindows(main);
    main.findChild<QSpinBox*>("SPProblema")->setValue(2);
    const IniFile file = IniFile::read((folder_ + kBeginnerFile).toStdString());
    start(main, [&](ExerciseWindow& w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("FormP3"));
        EXPECT_EQ(text(w, "Numero_problema"), QStringLiteral("2/2"));
        solveWithAnswersOf(w, readProblem(file, 2, Scheme::S3));
    });
    EXPECT_EQ(main.pointsTotal(), 1);
}

}  // namespace
}  // namespace quorvia::testing
