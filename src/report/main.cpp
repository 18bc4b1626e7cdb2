// SPDX-License-Identifier: GPL-3.0-or-later
// quorvia-report: the class report from the children's progress records.

#include "base/progress_folder.h"
#include "base/resource_folder.h"
#include "progress/class_report.h"
#include "progress/progress_file.h"
#include "report/command_line.h"
#include "report/report_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

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
    const QString folder = line.folder.isEmpty()
                               ? quorvia::progressFolder(quorvia::applicationResourceFolder(line.resources))
                               : QDir(line.folder).absolutePath();
    if (!QFileInfo(folder).isDir())
        return refuse(QStringLiteral("la cartella dei progressi %1 non c'è: nessun bambino ha ancora lavorato qui?")
                          .arg(folder),
                      1);
    std::string folderError;
    const auto files = quorvia::progress::readProgressFolder(folder.toStdString(), &folderError);
    if (!folderError.empty())
        return refuse(QString::fromStdString(folderError), 1);
    const quorvia::progress::ClassReport report = quorvia::progress::buildClassReport(files);

    if (line.json)
        std::cout << jsonReport(report, folder).toStdString();
    else
        std::cout << textReport(report, folder).toStdString();

    QString error;
    if (!line.csv.isEmpty() && !writeFile(line.csv, csvReport(report), error))
        return refuse(error, 1);
    if (!line.pdf.isEmpty() && !writePdfReport(report, folder, line.pdf, &error))
        return refuse(error, 1);
    return 0;
}
