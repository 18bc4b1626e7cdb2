// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar of an exercise window: the next and previous problem, the
// solution, the general help, the worksheet, print and close buttons. The
// step controller decides which problem a move lands on; the tool bar hands
// the left attempt's record on and has the window start the problem.

class QObject;

namespace quorvia {

class ExerciseWindow;
class StepController;
struct ProblemMove;

class ExerciseToolBar {
public:
    // `controller` is the window's own; the buttons are found in `window` by name.
    ExerciseToolBar(ExerciseWindow& window, StepController& controller);

    void LMDButton1Click();  // next problem
    void LMDButton3Click();  // previous problem
    void LMDButton8Click();  // general help
    void LMDButton11Click(); // close
    void LMDsoluzioneClick();
    void LMDsalvaClick();
    void LMDcaricaClick();
    void LMDButton2Click();  // print

private:
    void connectButtons();
    // Asks the exit question unless the problem was finished.
    bool mayLeave();
    // The problem a move landed on starts, and the main window follows it.
    void start(const ProblemMove& move);

    ExerciseWindow& window_;
    StepController& controller_;
};

}  // namespace quorvia
