// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh exercise window per test, headless: scripted dialogs, recorded
// sounds, a stand-in for the main window, and a resource folder of its own
// holding the fixture problem files (and whatever media a test adds).

#include "content/problem_file.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_window.h"
#include "exercise/scheme3.h"
#include "platform/fakes.h"
#include "shell/main_window_services.h"
#include "support/window_driver.h"

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

class ExerciseFixture : public ::testing::Test, public WindowDriver {
protected:
    void SetUp() override;

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
    // A beginner's list holds five sentences with none chosen, `right` among
    // them, and the state keeps the right one's position for the list's step.
    static void expectListHoldsItsSentences(ExerciseWindow& w, const char* list, const QString& right);
    // The step a beginner's list belongs to ("EB06": 6).
    static int stepOfList(const char* list);

protected:
    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
    FakeMainWindow main_;
    QTemporaryDir dir_;
    QString folder_;
    ScopedDecimalSeparator comma_{','};
};

}  // namespace quorvia::testing
