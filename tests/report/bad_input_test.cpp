// SPDX-License-Identifier: GPL-3.0-or-later
// The class report over progress files nobody should have to trust: control
// sequences in names, very long names, every kind of damaged line, a junk
// file of a gigabyte, a progress folder that is a file; and the problems'
// first words beside their numbers.

#include "report/report_format.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorvia::report {
namespace {

const QString kDamaged = QStringLiteral(QUORVIA_DAMAGED_FIXTURE);
const QString kClass = QStringLiteral(QUORVIA_PROGRESS_FIXTURE);

progress::ClassReport reportOf(const QString& folder)
{
    return progress::buildClassReport(progress::readProgressFolder(folder.toStdString()));
}

// No byte a terminal acts on: C0 but the line break, DEL, C1 in UTF-8.
bool hasControls(const QByteArray& bytes, bool crAllowed = false)
{
    for (int i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if ((c < 0x20 && c != '\n' && !(crAllowed && c == '\r')) || c == 0x7F)
            return true;
        if (c == 0xC2 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) < 0xA0 &&
            static_cast<unsigned char>(bytes[i + 1]) >= 0x80)
            return true;
    }
    return false;
}

// A name that retitles the terminal and clears it reaches no form raw, and
// reads, escaped, as what it was.
TEST(ReportOfDamagedFiles, NoFormCarriesAControlSequence)
{
    const progress::ClassReport report = reportOf(kDamaged);
    const QString escaped = QStringLiteral("Eva\\u001b]0;x\\u0007\\u001b[2J\\u009b");

    const QByteArray text = textReport(report, kDamaged + QStringLiteral("/\x1b[2J")).toUtf8();
    EXPECT_FALSE(hasControls(text)) << text.toStdString();
    EXPECT_TRUE(text.contains(escaped.toUtf8())) << text.toStdString();

    const QByteArray csv = csvReport(report);
    EXPECT_FALSE(hasControls(csv, true)) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n" + escaped.toUtf8() + ",")) << csv.toStdString();

    const QByteArray json = jsonReport(report, kDamaged);
    EXPECT_FALSE(hasControls(json)) << json.toStdString();
    const QJsonArray children = QJsonDocument::fromJson(json).object()["children"].toArray();
    QStringList names;
    for (const QJsonValue& child : children)
        names << child.toObject()["name"].toString();
    EXPECT_TRUE(names.contains(QString::fromUtf8("Eva\x1b]0;x\a\x1b[2J\xc2\x9b"))) << names.join('|').toStdString();
}

TEST(ReportOfDamagedFiles, CountsEveryDamagedLine)
{
    const progress::ClassReport report = reportOf(kDamaged);
    EXPECT_EQ(report.files, 5);
    EXPECT_EQ(report.records, 10);
    EXPECT_EQ(report.damaged_lines, 11);
    EXPECT_TRUE(summaryLine(report).contains(QStringLiteral("11 righe incomplete o rovinate saltate")))
        << summaryLine(report).toStdString();
}

TEST(ReportOfDamagedFiles, ALongNameIsCutInTheTablesOnly)
{
    progress::ClassReport report = reportOf(kClass);
    ASSERT_FALSE(report.children.empty());
    report.children.front().name = std::string(100000, 'x');
    for (const QString& line : textReport(report, kClass).split(QLatin1Char('\n')))
        EXPECT_LT(line.size(), 200) << line.left(80).toStdString();
    EXPECT_TRUE(textReport(report, kClass).contains(QString(39, QLatin1Char('x')) + QStringLiteral("…")));
    // The spreadsheet keeps the name whole: it is data, not a table to read.
    EXPECT_TRUE(csvReport(report).contains(QByteArray(100000, 'x')));
}

// Issue 26 item 9: a problem is named by its file and number and by its
// first words, read from the resource folder when its file is there.
TEST(ReportOpenings, EveryFormNamesTheProblemByItsFirstWords)
{
    QTemporaryDir resources;
    QFile file(resources.filePath(QStringLiteral("a_schema3.ini")));  // found whatever its case
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PROBLEMA_1]\r\nTESTO=Luca compra 3 quaderni|da 2 euro l'uno. Quanto spende in tutto?\r\n"
               "[PROBLEMA_2]\r\nTESTO=Anna ha 12 caramelle e ne regala 4.\r\n");
    file.close();

    progress::ClassReport report = reportOf(kClass);
    progress::addProblemOpenings(report, resources.path().toStdString());
    const std::string first = "Luca compra 3 quaderni da 2 euro l'uno. …";

    const QString text = textReport(report, kClass);
    EXPECT_TRUE(text.contains(QStringLiteral("Inizio del testo"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(first))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Anna ha 12 caramelle e ne regala 4."))) << text.toStdString();

    const QJsonObject root = QJsonDocument::fromJson(jsonReport(report, kClass)).object();
    const QJsonArray problems = root["problems"].toArray();
    ASSERT_EQ(problems.size(), 3);
    EXPECT_EQ(problems[0].toObject()["opening"].toString().toStdString(), first);
    EXPECT_TRUE(problems[2].toObject()["opening"].isNull());  // the file has no problem 3
    EXPECT_EQ(root["children"].toArray()[0].toObject()["problems"].toArray()[0].toObject()["opening"]
                  .toString()
                  .toStdString(),
              first);

    const QStringList lines = QString::fromUtf8(csvReport(report)).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",inizio del testo")));
    EXPECT_TRUE(lines[1].endsWith(QLatin1Char(',') + QString::fromStdString(first))) << lines[1].toStdString();

    // Without the file the report stands as before.
    progress::ClassReport bare = reportOf(kClass);
    progress::addProblemOpenings(bare, QDir::tempPath().toStdString() + "/nessuna-cartella-così");
    EXPECT_TRUE(bare.openings.empty());
    EXPECT_FALSE(textReport(bare, kClass).contains(QStringLiteral("Inizio del testo")));
}

struct ProgramRun {
    int status = -1;
    QString out, err;
    qint64 milliseconds = 0;
};

ProgramRun runReport(const QStringList& arguments)
{
    QProcess program;
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(QUORVIA_REPORT_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(60000))
        return run;
    run.milliseconds = clock.elapsed();
    run.status = program.exitCode();
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

TEST(ReportProgram, AProgressFolderThatIsAFileIsSaidInItalian)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("progressi"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const ProgramRun run = runReport({notAFolder});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("è un file, non una cartella"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("non c'è"))) << run.err.toStdString();
}

// Every damaged fixture and a gigabyte of junk in one folder: the report
// counts what it could not read and says which file it cut.
TEST(ReportProgram, AFolderOfEveryFaultIsReportedWithEveryDamagedLineCounted)
{
    QTemporaryDir dir;
    for (const QString& name : QDir(kDamaged).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(kDamaged + QLatin1Char('/') + name, dir.filePath(name)));
    QFile junk(dir.filePath(QStringLiteral("spazzatura.csv")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    ASSERT_TRUE(junk.resize(1024LL * 1024 * 1024));  // sparse: no disk is filled
    junk.close();

    const ProgramRun run = runReport({dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("6 file, 10 registrazioni, 5 bambini")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("12 righe incomplete o rovinate saltate; 1 file letto solo in parte")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("spazzatura.csv: letto solo fino a 64 MB"))) << run.out.toStdString();
    EXPECT_FALSE(hasControls(run.out.toUtf8()));
    // Well within a second on a quiet machine; the bound leaves room for a busy one.
    EXPECT_LT(run.milliseconds, 10000);
}

}  // namespace
}  // namespace quorvia::report
