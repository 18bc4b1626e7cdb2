#pragma once
// Drives an exercise window through one problem as a child who knows every
// answer: at each step it types (or picks) the right sentence, fills the
// operation scheme with the numbers and signs that follow from the problem's
// formulas, and presses the step's Verifica, then tells whether the window
// took it all and finished the problem. Everything runs without a screen:
// the animations are ticked by hand and never by the clock, and every wait
// is bounded.

#include "content/problem_file.h"
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

struct SolveResult {
    bool solved = false;
    int failed_step = 0;                // the step where it stopped; 0 when solved
    std::string reason;                 // why it stopped, for the teacher; empty when solved
    std::vector<std::string> messages;  // the message boxes the window showed meanwhile
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
};

}  // namespace quorvia::check
