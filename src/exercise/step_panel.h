// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step widgets of one exercise window, reached by the names of its
// scheme's table: what they show, what a load or the solution puts into
// them, and which of them stand for a step. No state of its own: the
// widgets hold what the child sees, the window's state the rest.

#include "content/problem_file.h"
#include "content/scheme.h"
#include "exercise/scheme_description.h"
#include "widgets/control_index.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace quorvia {

class RandomSource;
struct ExerciseState;

class StepPanel {
public:
    StepPanel(QWidget& window, const SchemeDescription& scheme, Mode mode)
        : window_(window), scheme_(scheme), mode_(mode), controls_(&window)
    {
    }

    // "B" and 3 give "B3".
    static QString stepName(const char* prefix, int step);

    QObject* find(const QString& name) const;
    QWidget* widget(const QString& name) const;
    template <class T>
    T* control(const QString& name) const { return qobject_cast<T*>(find(name)); }

    // The widget the child answers step `step` with in this mode; empty for
    // the operation scheme.
    QString inputOfStep(int step) const;
    // The text a box or label shows; what the scheme check reads.
    QString shownText(const QString& name) const;
    // Puts a text into a box, or a sign into an operator label and its followers.
    void putText(const QString& name, const QString& text) const;
    void setShown(const QStringList& names, bool shown) const;

    // The widgets of the answer steps (the last step, or the scheme's answer
    // rows) that the end of the closing sequence shows again; on closing the
    // window the last indicator as well.
    QStringList answerRowWidgets(bool closingWindow) const;
    // Their input, buttons and indicator, all hidden for the closing sequence.
    void hideAnswerRows() const;

    // Every typed text, sign and chosen item taken away.
    void clearInputs() const;
    // The first input of an open step takes the focus, so the child's typing
    // lands there.
    void focusStepInput(int step) const;

    // The texts of a load: the Verifica and solution captions and the
    // operation scheme's captions.
    void showProblemTexts(const ProgramTexts& texts, const ProblemContent& content) const;
    // Beginner windows: the five wordings of every sentence step, shuffled;
    // entry s-1 of the result is the right item's position for step s, as
    // decimal text (empty for the operation scheme).
    QStringList fillChoiceLists(const ProblemContent& content, RandomSource& random) const;
    // The second operation with the partial result on the side its formula
    // needs, and each caption under its own box.
    void arrangeSecondRow(bool partialOnRight) const;
    // Every answer and, when the formulas are ready, the whole scheme.
    void fillSolution(const ExerciseState& state) const;

private:
    std::vector<int> answerSteps() const;

    QWidget& window_;
    const SchemeDescription& scheme_;
    const Mode mode_;
    ControlIndex controls_;
};

}  // namespace quorvia
