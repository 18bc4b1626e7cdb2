#include "worksheet/worksheet.h"

#include "content/ini_file.h"
#include "content/scheme.h"
#include "platform/dialogs.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"
#include "worksheet/worksheet_format.h"

#include <QFileInfo>
#include <QWidget>

namespace quorvia::worksheet {

namespace {

const char* const kHeaderSection = "DATI";
const QString kFilter = QStringLiteral("*.INI (*.INI *.ini)");

std::string pathOf(const QString& fileName)
{
    return fileName.toStdString();
}

// The name the child typed, with ".INI" when it has no extension.
QString withExtension(const QString& fileName)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName.endsWith(QLatin1Char('.')) ? fileName + QStringLiteral("INI")
                                               : fileName + QStringLiteral(".INI");
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
    QString fileName = platform::dialogs().saveFileName(window, QStringLiteral("Salva la scheda"),
                                                        QString(), kFilter);
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
        window, QStringLiteral("Carica una scheda"), QString(), kFilter);
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
    if (!fitsProblemTables(header)) {
        platform::dialogs().showMessage(
            window, QStringLiteral("La scheda %1 non è valida (problema %2 di %3): "
                                   "non è stata caricata.")
                        .arg(QFileInfo(fileName).fileName())
                        .arg(header.problem)
                        .arg(header.problem_count));
        return std::nullopt;
    }
    return PickedWorksheet{fileName, header};
}

void carica(QWidget* window, const QString& fileName)
{
    applyWorksheet(IniFile::read(pathOf(fileName)), window);
}

}  // namespace quorvia::worksheet
