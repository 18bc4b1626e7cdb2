// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/worksheet.h"

#include "content/ini_file.h"
#include "content/scheme.h"
#include "platform/dialogs.h"
#include "shell/main_window_services.h"
#include "widgets/controls.h"
#include "worksheet/worksheet_format.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

namespace quorvia::worksheet {

namespace {

const char* const kHeaderSection = "DATI";
const QString kFilter = QStringLiteral("*.INI (*.INI *.ini)");

std::string pathOf(const QString& fileName)
{
    return fileName.toStdString();
}

// The scheme spinner's values name the schemes as the child knows them.
QString spinnerSchemeName(int schemeValue)
{
    if (schemeValue < 1 || schemeValue > static_cast<int>(kAllSchemes.size()))
        return QString();
    return QLatin1String(schemeName(kAllSchemes[static_cast<std::size_t>(schemeValue - 1)]));
}

}  // namespace

QString withExtension(const QString& fileName)
{
    // "Marco 12.05" has a suffix of its own; only ".INI" makes it a worksheet
    // the load dialog shows.
    if (QFileInfo(fileName).suffix().compare(QLatin1String("INI"), Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName.endsWith(QLatin1Char('.')) ? fileName + QStringLiteral("INI")
                                               : fileName + QStringLiteral(".INI");
}

QString worksheetFolder(const QString& documents)
{
    if (documents.isEmpty())
        return QString();
    const QString folder = QDir(documents).filePath(QStringLiteral("Quorvia"));
    return QDir().mkpath(folder) ? folder : documents;
}

QString suggestedName(const QString& childName, int schemeValue, int problem)
{
    QString name = childName.simplified();
    // Characters a file name cannot hold on some of the disks a school uses.
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (kForbidden.contains(c))
            c = QLatin1Char('_');
    }
    const QString rest = QStringLiteral("schema %1 problema %2").arg(spinnerSchemeName(schemeValue)).arg(problem);
    return (name.isEmpty() ? rest : name + QLatin1Char(' ') + rest) + QStringLiteral(".INI");
}

namespace {

QString documentsWorksheetFolder()
{
    return worksheetFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

}  // namespace

void writeWorksheet(IniFile& file, QWidget* window, const Header& header)
{
    file.writeString(kHeaderSection, "NUMERO", std::to_string(header.problem));
    file.writeString(kHeaderSection, "HLP", header.solution_shown ? "1" : "0");
    file.writeString(kHeaderSection, "MAX", std::to_string(header.problem_count));
    file.writeString(kHeaderSection, "INIFILE", header.problem_file_name.toStdString());
    for (QWidget* control : controlsInOrder(window))
        writeControl(file, control);
}

Header readHeader(const IniFile& file)
{
    Header header;
    header.problem = file.readInteger(kHeaderSection, "NUMERO", 1);
    header.solution_shown = file.readInteger(kHeaderSection, "HLP", 0) != 0;
    header.problem_count = file.readInteger(kHeaderSection, "MAX", 1);
    header.problem_file_name = QString::fromStdString(file.readString(kHeaderSection, "INIFILE", ""));
    return header;
}

bool fitsProblemTables(const Header& header)
{
    return header.problem_count >= 1 && header.problem_count <= kMaxProblems &&
           header.problem >= 1 && header.problem <= header.problem_count;
}

void applyWorksheet(const IniFile& file, QWidget* window)
{
    for (const std::string& section : file.sectionNames()) {
        if (QObject* control = findControl(window, QString::fromStdString(section)))
            applyControl(file, section, control);
    }
}

void salva(QWidget* window, const MainWindowServices& main, int problem, bool solutionShown)
{
    const QString folder = documentsWorksheetFolder();
    const QString suggestion = suggestedName(main.childName(), main.schemeValue(), problem);
    QString fileName = platform::dialogs().saveFileName(
        window, QStringLiteral("Salva la scheda"),
        folder.isEmpty() ? suggestion : QDir(folder).filePath(suggestion), kFilter);
    if (fileName.isEmpty())
        return;
    fileName = withExtension(fileName);

    Header header;
    header.problem = problem;
    header.solution_shown = solutionShown;
    header.problem_count = main.problemSpinnerMaximum();
    header.problem_file_name = main.currentProblemFileName();

    // An existing worksheet keeps what this one does not write; one that
    // cannot be read is not replaced by a copy that lost it.
    IniFile file;
    std::string error;
    bool saved = IniFile::load(pathOf(fileName), file, &error);
    if (saved) {
        writeWorksheet(file, window, header);
        saved = file.save(pathOf(fileName), &error);
    }
    if (!saved) {
        platform::dialogs().showMessage(
            window, QStringLiteral("La scheda non è stata salvata.\n%1\n\n"
                                   "Il lavoro è ancora qui: prova a salvarlo in un'altra cartella.")
                        .arg(QString::fromStdString(error)));
    }
}

std::optional<PickedWorksheet> caricaINIT(QWidget* window, const MainWindowServices& main)
{
    const QString fileName = platform::dialogs().openFileName(
        window, QStringLiteral("Carica una scheda"), documentsWorksheetFolder(), kFilter);
    if (fileName.isEmpty())
        return std::nullopt;

    IniFile file;
    std::string error;
    if (!IniFile::load(pathOf(fileName), file, &error)) {
        platform::dialogs().showMessage(window, QString::fromStdString(error));
        return std::nullopt;
    }
    const Header header = readHeader(file);
    if (header.problem_file_name != main.currentProblemFileName()) {
        platform::dialogs().showMessage(window, header.problem_file_name +
                                                    QStringLiteral(" non è lo stesso livello"));
        return std::nullopt;
    }
    // The window keeps one entry per problem; a worksheet naming a problem
    // outside them (a damaged or hand-made file) is not loaded at all.
    // Nor one beyond the problems the main window offers for this scheme: its
    // problem file has no such problem to show.
    const bool beyondTheScheme = header.problem > main.problemSpinnerMaximum();
    if (!fitsProblemTables(header) || beyondTheScheme) {
        platform::dialogs().showMessage(
            window, QStringLiteral("La scheda %1 non è valida (problema %2 di %3): "
                                   "non è stata caricata.")
                        .arg(QFileInfo(fileName).fileName())
                        .arg(header.problem)
                        .arg(beyondTheScheme && fitsProblemTables(header) ? main.problemSpinnerMaximum()
                                                                          : header.problem_count));
        return std::nullopt;
    }
    return PickedWorksheet{fileName, header};
}

void carica(QWidget* window, const QString& fileName)
{
    applyWorksheet(IniFile::read(pathOf(fileName)), window);
}

}  // namespace quorvia::worksheet
