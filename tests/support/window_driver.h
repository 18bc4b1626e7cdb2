// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives an exercise window headless, as a child does: it types key by key,
// picks from the lists and the operator menu, presses the buttons and ticks
// the animations by hand. Every test folder that works a window uses this
// one driver; its fixtures add what their own cases need.

#include "content/problem_file.h"
#include "exercise/exercise_window.h"
#include "exercise/scheme_check.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace quorvia {

// Modes and schemes in failure messages by name.
inline void PrintTo(Mode mode, std::ostream* out)
{
    *out << (mode == Mode::Advanced ? "advanced" : "beginner");
}
inline void PrintTo(Scheme scheme, std::ostream* out)
{
    *out << "scheme " << schemeCode(scheme);
}

}  // namespace quorvia

namespace quorvia::testing {

// The colours of a step indicator.
inline const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kLime(0, 255, 0);

class WindowDriver {
public:
    template <class T>
    static T* find(ExerciseWindow& w, const QString& name)
    {
        T* found = qobject_cast<T*>(w.TROVA_COMP(name));
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Launches the window and shows it, so it starts the problem as the
    // main window's showing does.
    static void start(ExerciseWindow& w, const ExerciseLaunch& launch);

    static void type(ExerciseWindow& w, const QString& box, const QString& text);
    static void enter(ExerciseWindow& w, const QString& box);
    static void click(ExerciseWindow& w, const QString& button);
    static void choose(ExerciseWindow& w, const QString& list, int position);
    // The position of an item in a beginner's list, found by its text.
    static int rightPosition(ExerciseWindow& w, const QString& list, const QString& rightText);
    // Picks the operator menu's item named `item` ("N1", "x1") from `label`.
    static void pickSign(ExerciseWindow& w, const QString& label, const char* item);
    // Puts a sign ("+", "X") into an operator label through the menu.
    static void putSign(ExerciseWindow& w, const QString& label, const QString& sign);
    static const char* menuItemFor(const QString& sign);
    // Lets the animation clock tick until it stops; the number of ticks.
    static int finishAnimations(ExerciseWindow& w);

    // What a control shows: a box's text, a list's chosen item, a caption.
    static QString text(ExerciseWindow& w, const QString& name);
    static QColor ledColour(ExerciseWindow& w, const QString& name);
    static bool shown(ExerciseWindow& w, const QString& name);
    // Where a widget stands in its parent; (-1, -1) when there is none.
    static QPoint place(ExerciseWindow& w, const char* name);

    // The input of a sentence step in the window's mode.
    static QString inputOf(ExerciseWindow& w, int step);
    // Gives a sentence step `sentence` (typed, or picked by its text) without
    // pressing its Verifica.
    static void putSentence(ExerciseWindow& w, int step, const QString& sentence);
    // A sentence that is not the step's right one: typed nonsense, or an
    // item of the list other than the right one.
    static void putWrongSentence(ExerciseWindow& w, int step);
    // Gives step `step` the sentence, presses the step's Verifica and lets
    // the animation play out.
    static void answer(ExerciseWindow& w, int step, const QString& sentence);
    // The same with the step's right sentence in `problem`.
    static void answerStep(ExerciseWindow& w, const ProblemContent& problem, int step);
    // Every step before the operation scheme answered right: the scheme is open.
    static void answerStepsBeforeScheme(ExerciseWindow& w, const ProblemContent& problem);
    // The texts the operation scheme must read for the problem the window has loaded.
    static ExpectedTexts schemeAnswers(ExerciseWindow& w);
    // The texts the operation scheme must read for `problem`.
    static ExpectedTexts schemeAnswers(ExerciseWindow& w, const ProblemContent& problem);
    // Types the numbers and picks the signs, without pressing Verifica.
    static void fillExpected(ExerciseWindow& w, const ExpectedTexts& texts);
    // Solves the problem shown with the answers of its problem file: variant
    // 1 of every sentence and the scheme's expected texts. Ends with the
    // animations played out, or with the closing sequence left running.
    enum class Closing { PlayedOut, LeftRunning };
    static void solveWithAnswersOf(ExerciseWindow& w, const ProblemContent& problem,
                                   Closing closing = Closing::PlayedOut);
    // The Verifica button of a step ("B4").
    static QString verificaOf(int step);
};

}  // namespace quorvia::testing
