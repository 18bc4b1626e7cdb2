// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_hooks.h"

#include "exercise/progress_journal.h"
#include "printing/worked_problem_report.h"
#include "shell/main_window_services.h"
#include "worksheet/worksheet.h"

#include <QMouseEvent>

namespace quorvia {

ProgramHooks::ProgramHooks(MainWindowServices& main, ProgressJournal* journal)
    : main_(main), journal_(journal), appearance_(main)
{
}

void ProgramHooks::recordProgress(const progress::ProgressRecord& record)
{
    if (journal_)
        journal_->append(record);
}

void ProgramHooks::LOAD_COLORI(QWidget* window)
{
    appearance_.LOAD_COLORI(window);
}

void ProgramHooks::xMouseUp(QWidget* window, QWidget* control, QMouseEvent* event)
{
    if (event)
        appearance_.xMouseUp(window, control, event->button(), event->modifiers());
}

void ProgramHooks::salva(QWidget* window, int problem, bool solutionShown)
{
    worksheet::salva(window, main_, problem, solutionShown);
}

std::optional<WorksheetChoice> ProgramHooks::caricaINIT(QWidget* window)
{
    const std::optional<worksheet::PickedWorksheet> picked = worksheet::caricaINIT(window, main_);
    if (!picked)
        return std::nullopt;
    WorksheetChoice choice;
    choice.file_name = picked->file_name;
    choice.problem = picked->header.problem;
    choice.problem_count = picked->header.problem_count;
    choice.solution_shown = picked->header.solution_shown;
    return choice;
}

void ProgramHooks::carica(QWidget* window, const QString& fileName)
{
    worksheet::carica(window, fileName);
}

void ProgramHooks::print(ExerciseWindow& window)
{
    printWorkedProblem(window);
}

}  // namespace quorvia
