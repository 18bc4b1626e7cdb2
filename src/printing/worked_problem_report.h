// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the worked problem of an exercise window (its print button,
// `LMDButton2Click`): the scheme's template is loaded, its named objects take
// the texts of the window's widgets, and the print preview opens.

#include "content/scheme.h"

#include <vector>

namespace quorvia {

class ExerciseWindow;
class Report;

// One object of a scheme's report and the widget whose text it takes.
struct ReportField {
    const char* object;
    const char* advanced;            // widget of the advanced window
    const char* beginner = nullptr;  // widget of the beginner window; nullptr: the same
    // Written only when the partial result is the right operand of the second
    // operation: the second row printed as the window shows it.
    bool exchanged_row = false;
};

struct WorkedProblemLayout {
    const char* template_file;        // in the resource folder
    std::vector<ReportField> fields;  // written in this order; a later text stands
};

const WorkedProblemLayout& workedProblemLayout(Scheme scheme);

// The outcome of a problem printed before its last step was passed.
inline const char* const kNotFinishedText = "non ha ancora finito il problema";

// The window's report component `frReport1`, made at its first print.
Report& reportComponent(ExerciseWindow& window);

// The print button's work. A missing template or object throws ReportError,
// which the window's handler shows in a message box; a template that cannot
// be prepared is told in a box titled "Errore". In every case no preview
// opens and the window is left as it was.
void printWorkedProblem(ExerciseWindow& window);

}  // namespace quorvia
