// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading aloud in an exercise window: the speaker button of the tool bar
// reads the problem, F2 reads what has the focus, and while automatic
// reading is on the hints, the error messages and the sentence the child
// moves to in a list are read as they appear. What the voice is handed is
// the text as the child sees it, with its numbers written out.

#include "exercise/exercise_builder.h"

#include <QObject>
#include <QString>

class QPushButton;
class QWidget;

namespace quorvia {

class ExerciseWindow;

class ReadAloud : public QObject {
public:
    // `widgets` are the window's own; the window keeps this as long as they live.
    ReadAloud(ExerciseWindow& window, const ExerciseWidgets& widgets);

    // A problem starts: what was being read stops, and the speaker shows
    // only where a voice can speak.
    void newProblem();
    void stop();

    void readProblem();
    // The sentence chosen in a list, the text typed in a sentence box, the
    // number in a number box; the problem when the focus is elsewhere.
    void readFocused();
    // The operation scheme as it stands, row by row, its signs as words.
    void readScheme();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void say(const QString& text, bool scheme = false);
    void placeButton();

    ExerciseWindow& window_;
    const ExerciseWidgets& widgets_;
    QPushButton* button_ = nullptr;
};

}  // namespace quorvia
