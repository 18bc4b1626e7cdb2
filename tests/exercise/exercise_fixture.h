// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh exercise window per test, headless: scripted dialogs, recorded
// sounds, a stand-in for the main window, and a resource folder of its own
// holding the fixture problem files (and whatever media a test adds).

#include "content/problem_file.h"
#include "exercise/exercise_window.h"
#include "exercise/scheme3.h"
#include "platform/fakes.h"
#include "shell/main_window_services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quorvia::testing {

class FakeMainWindow : public MainWindowServices {
public:
    QString name = QStringLiteral("Giulia");
    QList<int> spinner;  // every value the window set
    QString folder;

    QString childName() const override { return name; }
    void setProblemSpinner(int problem) override { spinner.append(problem); }
    QString currentProblemFileName() const override { return QString(); }
    int problemSpinnerMaximum() const override { return 1; }
    int modeValue() const override { return 2; }
    int schemeValue() const override { return 1; }
    int problemValue() const override { return spinner.isEmpty() ? 1 : spinner.last(); }
    QString resourceFolder() const override { return folder; }
};

inline const QString kAdvancedFile = QStringLiteral("A3_PROVA.INI");
inline const QString kBeginnerFile = QStringLiteral("P3_PROVA.INI");

// The colours of a step indicator.
inline const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kLime(0, 255, 0);

class ExerciseFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A scheme-3 window on the fixture file of its mode, shown (so it starts
    // the problem as the main window's showing does).
    std::unique_ptr<ExerciseWindow> open(Mode mode, int problem = 1, int count = 4,
                                         const QString& file = QString());

    // A problem file of the test data copied into the resource folder.
    void addTestFile(const QString& file);
    // Problem `problem` of a file in the resource folder.
    ProblemContent problemIn(const QString& file, int problem, Scheme scheme) const;

    // Media in the resource folder.
    void addGif(const QString& name);
    void addPicture(const QString& name, const QColor& colour);

public:
    // Driving the window as the child does.
    template <class T>
    static T* find(ExerciseWindow& w, const QString& name)
    {
        T* found = qobject_cast<T*>(w.TROVA_COMP(name));
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void type(ExerciseWindow& w, const QString& box, const QString& text);
    static void enter(ExerciseWindow& w, const QString& box);
    static void click(ExerciseWindow& w, const QString& button);
    static void choose(ExerciseWindow& w, const QString& list, int position);
    // The position of the right item in a beginner's list, found by its text.
    static int rightPosition(ExerciseWindow& w, const QString& list, const QString& rightText);
    static void pickSign(ExerciseWindow& w, const QString& label, const char* item);
    // Gives step `step` the sentence (typed, or picked by its text), presses
    // the step's Verifica button and lets the animation play out.
    static void answer(ExerciseWindow& w, int step, const QString& sentence);
    // The same with the step's right sentence in `problem`.
    static void answerStep(ExerciseWindow& w, const ProblemContent& problem, int step);
    // Every step before the operation scheme answered right: the scheme is open.
    static void answerStepsBeforeScheme(ExerciseWindow& w, const ProblemContent& problem);
    // The step a beginner's list belongs to ("EB06": 6).
    static int stepOfList(const char* list);
    // A beginner's list holds five sentences with none chosen, `right` among
    // them, and the state keeps the right one's position for the list's step.
    static void expectListHoldsItsSentences(ExerciseWindow& w, const char* list, const QString& right);
    // Where a widget stands in its parent; (-1, -1) when there is none.
    static QPoint place(ExerciseWindow& w, const char* name);
    // Lets the animation clock tick until it stops; the number of ticks.
    static int finishAnimations(ExerciseWindow& w);
    static QString text(ExerciseWindow& w, const QString& name);
    // Solves the problem shown with the answers of its problem file: variant
    // 1 of every sentence (typed, or picked by its text) and the scheme's
    // expected texts. Ends with the animations played out.
    static void solveWithAnswersOf(ExerciseWindow& w, const ProblemContent& problem);
    static const char* menuItemFor(const QString& sign);

protected:
    static QColor ledColour(ExerciseWindow& w, const QString& name);
    static bool shown(ExerciseWindow& w, const QString& name);

    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
    FakeMainWindow main_;
    QTemporaryDir dir_;
    QString folder_;

private:
    char separator_ = '.';
};

}  // namespace quorvia::testing
