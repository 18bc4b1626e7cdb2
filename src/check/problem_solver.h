// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives an exercise window through one problem as a child who knows every
// answer: at each step it types (or picks) the right sentence, fills the
// operation scheme with the numbers and signs that follow from the problem's
// formulas, and presses the step's Verifica, then tells whether the window
// took it all and finished the problem. Everything runs without a screen:
// the animations are ticked by hand and never by the clock, and every wait
// is bounded. Before answering a step right it makes, once each, the
// mistakes the problem file has a message for, and checks that the window
// shows that message.

#include "content/problem_file.h"
#include "exercise/scheme_check.h"
#include "shell/exercise_slot.h"

#include <QString>

#include <string>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvia {
class ExerciseWindow;
struct StepRow;
namespace platform {
class ScriptedDialogs;
}
}  // namespace quorvia

namespace quorvia::check {

// A foreseen mistake whose message the window did not show.
struct UnshownMessage {
    std::string key;          // the key of the message that should have been shown
    std::string description;  // what happened, for the teacher
};

struct SolveResult {
    bool solved = false;
    int failed_step = 0;                // the step where it stopped; 0 when solved
    std::string reason;                 // why it stopped, for the teacher; empty when solved
    std::vector<std::string> messages;  // the message boxes the window showed meanwhile
    std::vector<UnshownMessage> unshown;
};

class ProblemSolver {
public:
    // Animation ticks a wait may take before the window counts as stuck; the
    // longest animation of a window takes under a hundred.
    static constexpr int kMaxAnimationTicks = 2000;

    // `dialogs` is the installed fake that records what the window shows.
    // The window's choice lists are shuffled from a fixed seed from now on,
    // so that two runs on the same folder say the same.
    ProblemSolver(ExerciseWindow& window, platform::ScriptedDialogs& dialogs);

    // Opens the problem as the main window does and solves it with the
    // answers that `problem` (read from the same file) gives.
    SolveResult solve(const ExerciseLaunch& launch, const ProblemContent& problem);

private:
    // Each returns false with `reason_` set when the window refuses.
    bool solveSteps(const ProblemContent& problem);
    bool fillSentence(const StepRow& step, const ProblemContent& problem);
    bool fillScheme(const ProblemContent& problem);
    // The texts the scheme's boxes must read for the problem; false with
    // `reason_` set when its formulas cannot be prepared.
    bool schemeAnswers(const ProblemContent& problem, ExpectedTexts& answers);
    bool fillTexts(const ExpectedTexts& texts);

    // Foreseen mistakes (problem_solver_mistakes.cpp). Each returns false
    // only when the window went where a mistake cannot take it.
    bool playForeseenMistakes(const StepRow& step, const ProblemContent& problem);
    bool playSentenceMistakes(const StepRow& step, const ProblemContent& problem);
    bool playSchemeMistakes(const StepRow& step, const ProblemContent& problem);
    bool playMistake(const StepRow& step, const Mistake& mistake, const ProblemContent& problem,
                     const std::string& what);
    bool pressVerifica(const StepRow& step, const StepRow* next);
    bool finishAnimations();

    bool typeInto(QLineEdit* box, const QString& text);
    bool pickSign(QLabel* label, const QString& sign);
    bool usable(QWidget* widget) const;
    QString textOf(const QString& name) const;
    std::string schemeRefusal() const;

    ExerciseWindow& window_;
    platform::ScriptedDialogs& dialogs_;
    std::string reason_;
    int failed_step_ = 0;
    std::string typed_;  // what the last sentence step put in, for the reason
    std::vector<UnshownMessage> unshown_;
};

}  // namespace quorvia::check
