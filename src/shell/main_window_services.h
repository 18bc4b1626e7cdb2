// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an exercise window asks of the main window. TForm1 implements it;
// tests give the exercise windows a fake.

#include <QString>

namespace quorvia {

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // The child's name as typed in the name box.
    virtual QString childName() const = 0;
    // Moves the problem spinner along with the problem shown.
    virtual void setProblemSpinner(int problem) = 0;
    // The problem file name of the scheme chosen on the main window, as
    // written in GENERALE.INI (worksheets store it).
    virtual QString currentProblemFileName() const = 0;
    virtual int problemSpinnerMaximum() const = 0;

    // The selection of the main window: mode spinner (1..3), scheme spinner
    // (1..4), problem spinner. The appearance settings are keyed by them.
    virtual int modeValue() const = 0;
    virtual int schemeValue() const = 0;
    virtual int problemValue() const = 0;
    // The resource folder, ending with a separator.
    virtual QString resourceFolder() const = 0;
};

}  // namespace quorvia
