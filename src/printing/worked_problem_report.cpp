// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/worked_problem_report.h"

#include "content/resource_path.h"
#include "exercise/exercise_window.h"
#include "platform/dialogs.h"
#include "printing/report.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quorvia {

namespace {

// What a widget shows: the text of a box, the chosen item of a list (none
// chosen: empty), the caption of a label or button, all lines of a memo.
QString shownText(ExerciseWindow& window, const QString& name)
{
    QObject* control = findControl(&window, name);
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box->text();
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentIndex() < 0 ? QString() : list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    return QString();
}

// The resource folder and the file name, as on Windows where letter case
// does not matter; the plain concatenation when no such file exists, which
// is also the path the message names.
QString templatePath(const QString& folder, const char* fileName)
{
    const std::string found = findResourceFile(folder.toStdString(), fileName);
    return found.empty() ? folder + QLatin1String(fileName) : QString::fromStdString(found);
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
