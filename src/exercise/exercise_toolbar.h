// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar of an exercise window: the next and previous problem, the
// solution, the general help, the worksheet, print and close buttons. It
// moves the window's state to another problem and has the window start it.

class QObject;

namespace quorvia {

class ExerciseWindow;
struct ExerciseState;

class ExerciseToolBar {
public:
    // `state` is the window's own; the buttons are found in `window` by name.
    ExerciseToolBar(ExerciseWindow& window, ExerciseState& state);

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

    ExerciseWindow& window_;
    ExerciseState& state_;
};

}  // namespace quorvia
