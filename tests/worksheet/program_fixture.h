// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as it runs: the main window on a resource folder of the
// test's own (the bundled INI files copied in), every exercise window that
// the program creates, and the program's hooks behind their buttons. The
// dialogs are scripted and the sounds recorded.

#include "app/program_hooks.h"
#include "exercise/exercise_window.h"
#include "evaluator/decimal_number.h"
#include "platform/fakes.h"
#include "shell/main_window.h"
#include "support/window_driver.h"

#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quorvia::testing {

class ProgramFixture : public ::testing::Test, public WindowDriver {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // The window of a mode and scheme, or of a name ("FormA3").
    ExerciseWindow* window(Mode mode, Scheme scheme) const;
    ExerciseWindow* window(const QString& name) const;
    // Chooses the window's mode and scheme on the main window and opens it
    // on `problem`, as the start button does (without waiting for it).
    void open(ExerciseWindow& w, int problem = 1);
    // The next or previous problem, answering Yes to the question.
    void next(ExerciseWindow& w);
    void previous(ExerciseWindow& w);

    // Work the child leaves half done: a wrong and then the right answer in
    // step 1 (one error), a sentence left unchecked in step 2, numbers and
    // signs in the operation scheme.
    void makeProgress(ExerciseWindow& w);
    // Moves every entry box a little, keeping their order, as another
    // problem's layout would.
    static void shiftEntryBoxes(ExerciseWindow& w);

    // Every control a worksheet records, by name: captions, texts, Tags,
    // the chosen items and the places of the entry boxes.
    static std::map<std::string, std::string> recordedState(ExerciseWindow& w);
    static std::map<std::string, QPoint> entryBoxPlaces(ExerciseWindow& w);

    QString path(const QString& name) const { return folder_ + name; }
    // Saves the window's worksheet as `name` through the save button.
    QString save(ExerciseWindow& w, const QString& name);
    // Loads a worksheet through the load button.
    void load(ExerciseWindow& w, const QString& file);

protected:
    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<ProgramHooks> hooks_;
    std::vector<ExerciseWindow*> windows_;
    ScopedDecimalSeparator comma_{','};
};

}  // namespace quorvia::testing
