// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/worked_problem_report.h"

#include "base/resource_folder.h"
#include "exercise/exercise_window.h"
#include "exercise/shown_text.h"
#include "platform/dialogs.h"
#include "printing/report.h"
#include "shell/main_window_services.h"
#include "widgets/controls.h"


namespace quorvia {

namespace {

QString shownText(ExerciseWindow& window, const QString& name)
{
    return quorvia::shownText(findControl(&window, name));
}

// The resource folder and the file name, as on Windows where letter case
// does not matter; the plain concatenation when no such file exists, which
// is also the path the message names.
QString templatePath(const QString& folder, const char* fileName)
{
    const QString found = resourceFile(folder, QLatin1String(fileName));
    return found.isEmpty() ? folder + QLatin1String(fileName) : found;
}

}  // namespace

Report& reportComponent(ExerciseWindow& window)
{
    const QString name = QStringLiteral("frReport1");
    if (auto* report = window.findChild<Report*>(name, Qt::FindDirectChildrenOnly))
        return *report;
    return *new Report(&window);
}

void printWorkedProblem(ExerciseWindow& window)
{
    const ExerciseState& state = window.state();
    const WorkedProblemLayout& layout = workedProblemLayout(window.scheme().scheme);
    Report& report = reportComponent(window);

    report.loadFromFile(templatePath(state.resource_folder, layout.template_file));
    report.setObjectText(QStringLiteral("memo1"),
                         QStringLiteral("%1/%2").arg(state.current_problem).arg(state.problem_count));
    const QString child = window.mainWindow() ? window.mainWindow()->childName() : QString();
    // A problem printed half-way has no outcome yet, with or without help.
    const QString outcome = !state.problem_finished ? QString::fromUtf8(kNotFinishedText)
                            : state.currentSolutionShown() ? state.solved_with_help_text
                                                           : state.solved_alone_text;
    // The total's caption starts with a blank: two stand before "ERR".
    const QString line = child + QLatin1Char(' ') + outcome + QLatin1Char(' ') +
                         shownText(window, QStringLiteral("error_num"));
    report.setObjectText(QStringLiteral("memo7"), line);
    report.setObjectText(QStringLiteral("memo0"), shownText(window, QStringLiteral("Titolo")));
    report.setObjectText(QStringLiteral("memo3"), shownText(window, QStringLiteral("Memo1")));

    const bool exchanged = state.formulas.partial_on_right != 0;
    const bool beginner = window.mode() == Mode::Beginner;
    for (const ReportField& field : layout.fields) {
        if (field.exchanged_row && !exchanged)
            continue;
        const char* widget = beginner && field.beginner ? field.beginner : field.advanced;
        report.setObjectText(QLatin1String(field.object), shownText(window, QLatin1String(widget)));
    }

    const QString failure = report.prepareReport();
    if (!failure.isEmpty()) {
        platform::dialogs().showError(&window, QStringLiteral("Errore"), failure);
        return;
    }
    report.showPreparedReport(&window);
}

}  // namespace quorvia
