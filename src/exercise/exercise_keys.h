// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys that let a child finish a problem without the mouse: the keys of
// the window itself (Escape, F11, Enter on a focused button) and the keys of
// the controls that the mouse alone used to work (an operator label takes a
// typed sign or opens its menu; Enter on a choice list runs its step's
// Verifica). Every key of an exercise window that is not plain typing is
// answered here, but for the reading keys (F2, Shift+F2), which belong to
// ReadAloud beside its speaker button.

#include <QKeySequence>

#include <vector>

class QKeyEvent;
class QWidget;

namespace quorvia {

class ExerciseInput;
class ExerciseWindow;

class ExerciseKeys {
public:
    // A key of the window, whatever control has the focus; `what` is what
    // the README and the help say it does.
    struct WindowKey {
        Qt::Key key;
        const char* what;
        void (*run)(ExerciseWindow& window);
    };
    static const std::vector<WindowKey>& windowKeys();

    ExerciseKeys(ExerciseWindow& window, ExerciseInput& input);

    // A key that no control took and that reached the window; true when it
    // was one of the window's own.
    bool windowKey(const QKeyEvent& key);
    // A key pressed on one of the watched step controls; true when it is
    // taken here and the control must not see it.
    bool controlKey(QWidget* control, const QKeyEvent& key);

private:
    bool operatorLabelKey(QWidget* label, const QKeyEvent& key);
    bool choiceListKey(QWidget* list, const QKeyEvent& key);

    ExerciseWindow& window_;
    ExerciseInput& input_;
};

}  // namespace quorvia
