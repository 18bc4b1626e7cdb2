// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight exercise windows as the program creates them, each on problem
// files of its scheme written for these tests, with the bundled report
// templates beside them. A case is one window of the program's table; a
// window the program does not build fails its case.

#include "content/scheme.h"
#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"
#include "evaluator/decimal_number.h"
#include "platform/fakes.h"
#include "shell/main_window.h"
#include "support/window_cases.h"
#include "support/window_driver.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace quorvia::testing {

// What the tests know of a scheme, in the words of its report: every
// template names its objects by their role in the same way.
struct SchemeFacts {
    Scheme scheme;
    const char* problem_file;
    const char* template_file;
    int questions;
    int data;
    int answers;
    // The report's objects of the operation scheme and what they read once
    // the solution is shown: problem 1 has the partial result on the left of
    // the second operation, problem 2 on the right.
    std::vector<std::pair<const char*, const char*>> solved_partial_left;
    std::vector<std::pair<const char*, const char*>> solved_partial_right;

    int steps() const { return questions + data + 1 + answers; }
    int operationStep() const { return questions + data + 1; }
};

const SchemeFacts& factsOf(Scheme scheme);

// The object that prints the sentence of `step`, and the one that prints its
// error count; empty for the operation scheme's sentence.
QString sentenceObject(const SchemeFacts& facts, int step);
QString errorObject(const SchemeFacts& facts, int step);
// Variant k of the sentence of `step` in the test problem files (variant 1
// is the right one).
QString sentenceText(const SchemeFacts& facts, int step, int k);

inline const QString kChild = QStringLiteral("Giulia");
inline const QString kSolvedAlone = QStringLiteral("ha risolto da solo");
inline const QString kSolvedWithHelp = QStringLiteral("ha guardato la soluzione");
inline const QString kNotFinished = QStringLiteral("non ha ancora finito il problema");
inline const QString kProblemText = QStringLiteral("Primo rigo del problema.\nSecondo rigo del problema.");

class WindowPrintTest : public ::testing::TestWithParam<WindowCase>, public WindowDriver {
protected:
    void SetUp() override;
    void TearDown() override;

    const SchemeFacts& facts() const { return factsOf(GetParam().scheme()); }
    // Launches the window on `problem` of two and shows it.
    ExerciseWindow& open(int problem = 1);

    // The child's actions.
    void answerStep(int step, bool right);
    // Every step right, the operation scheme with the values the problem's
    // formulas give, to the end of the closing sequence.
    void solveAlone();
    void showSolution();
    void pressPrint();

    // The text of a report object after the print; fails when it is missing.
    QString printed(const QString& object);
    QString templatePath() const;
    void writeTemplate(const QByteArray& bytes);
    QByteArray bundledTemplate() const;

    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<TForm1> main_;
    ExerciseWindow* window_ = nullptr;

private:
    struct PrintingHooks : ExerciseHooks {
        void print(ExerciseWindow& window) override;
    };
    PrintingHooks hooks_;
    ScopedDecimalSeparator comma_{','};
};

}  // namespace quorvia::testing
