// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_windows.h"

#include "app/program_hooks.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "shell/main_window.h"
#include "shell/score_window.h"

#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace quorvia::bench {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows::~ProgramWindows() = default;

QString bundledResources()
{
    return QStringLiteral(QUORVIA_BUNDLED_RESOURCES "/");
}

ProgramWindows createProgramWindows(const QString& resources)
{
    ProgramWindows windows;
    windows.main = std::make_unique<TForm1>(resources);
    windows.score = std::make_unique<TForm3>(resources);
    windows.main->setScoreWindow(windows.score.get());
    windows.hooks = std::make_unique<ProgramHooks>(*windows.main);
    windows.exercises = createExerciseWindows(*windows.main, windows.hooks.get());
    return windows;
}

void loadProblemInEach(ProgramWindows& windows)
{
    TForm1& main = *windows.main;
    auto* mode = main.findChild<QSpinBox*>(QStringLiteral("LMDstato"));
    auto* scheme = main.findChild<QSpinBox*>(QStringLiteral("SPLivello"));
    auto* start = main.findChild<QPushButton*>(QStringLiteral("LMD5"));
    for (int m : {1, 2}) {
        mode->setValue(m);
        for (int s = 1; s <= 4; ++s) {
            scheme->setValue(s);
            // The start button shows the window modally; once it is up, it
            // is drawn and closed as the child's close button would.
            QTimer::singleShot(0, [] {
                if (QWidget* window = QApplication::activeModalWidget()) {
                    window->repaint();
                    window->close();
                }
            });
            main.LMD3Click(start);
        }
    }
}

}  // namespace quorvia::bench
