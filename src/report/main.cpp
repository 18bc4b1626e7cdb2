// SPDX-License-Identifier: GPL-3.0-or-later
// quorvia-report: the class report from the children's progress records.

#include "base/progress_folder.h"
#include "base/resource_folder.h"
#include "content/terminal_text.h"
#include "base/version.h"
#include "progress/child_path.h"
#include "progress/class_report.h"
#include "progress/progress_file.h"
#include "report/command_line.h"
#include "report/report_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <ctime>
#include <iostream>

namespace {

using namespace quorvia::report;

int refuse(const QString& message, int status, bool withUsage = false)
{
    std::cerr << "quorvia-report: " << message.toStdString() << '\n';
    if (withUsage)
        std::cerr << '\n' << usageText().toStdString();
    return status;
}

bool writeFile(const QString& name, const QByteArray& bytes, QString& error)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        error = QStringLiteral("Impossibile scrivere il file %1: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The PDF needs fonts, never a screen: the report runs over ssh and in cron.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const CommandLine line = parseCommandLine(QGuiApplication::arguments().mid(1));
    if (!line.error.isEmpty())
        return refuse(line.error, 2, true);
    if (line.help) {
        std::cout << usageText().toStdString();
        return 0;
    }
    if (line.version) {
        std::cout << "quorvia-report " << quorvia::versionText().toStdString() << '\n';
        return 0;
    }
    const QString resources = quorvia::applicationResourceFolder(line.resources);
    const QString folder =
        line.folder.isEmpty() ? quorvia::progressFolder(resources) : QDir(line.folder).absolutePath();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir()) {
        return refuse(QStringLiteral("%1 è un file, non una cartella: %2")
                          .arg(QString::fromStdString(quorvia::terminalSafe(folder.toStdString())),
                               line.folder.isEmpty()
                                   ? QStringLiteral("CARTELLA_PROGRESSI in GENERALE.INI deve indicare una cartella")
                                   : QStringLiteral("indica la cartella dei progressi")),
                      1);
    }
    if (!folderInfo.isDir())
        return refuse(QStringLiteral("la cartella dei progressi %1 non c'è: nessun bambino ha ancora lavorato qui?")
                          .arg(QString::fromStdString(quorvia::terminalSafe(folder.toStdString()))),
                      1);
    std::string folderError;
    const auto files = quorvia::progress::readProgressFolder(folder.toStdString(), &folderError);
    if (!folderError.empty())
        return refuse(QString::fromStdString(quorvia::terminalSafe(folderError)), 1);
    quorvia::progress::ClassReport report =
        quorvia::progress::buildClassReport(files, line.filter, quorvia::progress::localDate(std::time(nullptr)));
    // The problems' first words, from the folder the program would use.
    quorvia::progress::addProblemOpenings(report, resources.toStdString());

    if (line.json)
        std::cout << jsonReport(report, folder).toStdString();
    else
        std::cout << textReport(report, folder).toStdString();

    QString error;
    if (!line.csv.isEmpty() && !writeFile(line.csv, csvReport(report), error))
        return refuse(error, 1);
    if (!line.pdf.isEmpty() &&
        !writePdfReport(report, folder, line.pdf, &error, QString::fromStdString(quorvia::progress::filterText(line.filter))))
        return refuse(error, 1);
    return 0;
}
