// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the child's work on a problem to a worksheet file and restoring it.
// The operations know no window class: they record every control of the
// kinds in worksheet_format.h by its name, and put the values back by name.
//
// A worksheet is an INI file: the section "DATI" (the problem's identity),
// then one section per recorded control, in the window's own order.

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace quorvia {
class IniFile;
class MainWindowServices;
}  // namespace quorvia

namespace quorvia::worksheet {

// The section "DATI".
struct Header {
    int problem = 1;               // NUMERO
    bool solution_shown = false;   // HLP
    int problem_count = 1;         // MAX
    QString problem_file_name;     // INIFILE
};

struct PickedWorksheet {
    QString file_name;
    Header header;
};

// The whole worksheet of `window`, written into `file` over what it held.
void writeWorksheet(IniFile& file, QWidget* window, const Header& header);
Header readHeader(const IniFile& file);
// NUMERO and MAX within the per-problem tables of a window (1..20) and
// NUMERO not above MAX.
bool fitsProblemTables(const Header& header);
// Applies every control section, in file order, to the window's control of
// that name; sections of controls the window lacks (and "DATI") are skipped.
void applyWorksheet(const IniFile& file, QWidget* window);

// The name the child typed, with ".INI" added unless it already ends so.
QString withExtension(const QString& fileName);
// The "Quorvia" folder inside `documents`, created when needed; `documents`
// itself when it cannot be created.
QString worksheetFolder(const QString& documents);
// The name the save dialog suggests: the child's name, the scheme and the
// problem ("Marco schema 4a problema 2.INI").
QString suggestedName(const QString& childName, int schemeValue, int problem);

// The save button: asks for a file name in the child's worksheet folder
// (".INI" is added to a name that lacks it) and writes the worksheet in one
// go. A file that cannot be written is reported; the window keeps everything.
void salva(QWidget* window, const MainWindowServices& main, int problem, bool solutionShown);
// The load button: asks for a worksheet and checks it belongs to the scheme
// and mode chosen on the main window and names a problem the window can
// hold and the main window offers. Nothing when cancelled or refused (the refusal says why).
std::optional<PickedWorksheet> caricaINIT(QWidget* window, const MainWindowServices& main);
// Puts the worksheet's contents into the window.
void carica(QWidget* window, const QString& fileName);

}  // namespace quorvia::worksheet
