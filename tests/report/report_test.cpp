// SPDX-License-Identifier: GPL-3.0-or-later
// The class report of a small folder in its forms: the text tables, JSON,
// the spreadsheet rows and the PDF; and the command line.

#include "progress/child_path.h"
#include "report/command_line.h"
#include "report/report_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

namespace quorvia::report {
namespace {

const QString kFolder = QStringLiteral(QUORVIA_PROGRESS_FIXTURE);

progress::ClassReport fixture()
{
    return progress::buildClassReport(progress::readProgressFolder(kFolder.toStdString()));
}

// A line's cells, however the columns were padded.
QStringList cellsOf(const QString& text, const QString& firstCell)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(firstCell + QStringLiteral("  ")))
            return line.trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
    }
    return {};
}

TEST(ReportText, TablesPerChildAndPerProblem)
{
    const QString text = textReport(fixture(), kFolder);
    EXPECT_TRUE(text.contains(QStringLiteral("3 file, 7 registrazioni, 2 bambini, 3 problemi; "
                                             "1 riga incompleta o rovinata saltata")))
        << text.toStdString();
    // Tried, alone, with the solution, left; errors: question, data, scheme, answer; hardest; hints; time.
    EXPECT_EQ(cellsOf(text, "Giulia"),
              (QStringList{"Giulia", "3", "2", "1", "0", "1", "2", "5", "0", "schema", "1", "7 min"}));
    EXPECT_EQ(cellsOf(text, "Marco"),
              (QStringList{"Marco", "2", "1", "0", "1", "0", "1", "5", "0", "schema", "0", "7 min"}));
    // Tried, solved, solved alone, errors, the step where most fell.
    EXPECT_EQ(cellsOf(text, "A_SCHEMA3.INI n. 1"),
              (QStringList{"A_SCHEMA3.INI n. 1", "avanzato", "3", "2", "2", "2", "9",
                           "schema: 7 errori, 2 bambini su 2"}));
    EXPECT_EQ(cellsOf(text, "A_SCHEMA3.INI n. 3"),
              (QStringList{"A_SCHEMA3.INI n. 3", "avanzato", "3", "2", "1", "1", "1",
                           "domanda: 1 errore, 1 bambino su 2"}));
}

TEST(ReportText, AnEmptyFolderSaysSo)
{
    QTemporaryDir empty;
    const auto report = progress::buildClassReport(progress::readProgressFolder(empty.path().toStdString()));
    EXPECT_TRUE(textReport(report, empty.path()).contains(QStringLiteral("Nessun progresso registrato")));
}

TEST(ReportJson, HoldsTheSameFigures)
{
    const QJsonObject root = QJsonDocument::fromJson(jsonReport(fixture(), kFolder)).object();
    EXPECT_EQ(root["records"].toInt(), 7);
    EXPECT_EQ(root["damaged_lines"].toInt(), 1);
    const QJsonArray children = root["children"].toArray();
    ASSERT_EQ(children.size(), 2);
    const QJsonObject giulia = children[0].toObject();
    EXPECT_EQ(giulia["name"].toString(), "Giulia");
    EXPECT_EQ(giulia["tried"].toInt(), 3);
    EXPECT_EQ(giulia["solved_alone"].toInt(), 2);
    EXPECT_EQ(giulia["solved_with_solution"].toInt(), 1);
    EXPECT_EQ(giulia["left"].toInt(), 0);
    EXPECT_EQ(giulia["errors_by_kind"].toObject(),
              (QJsonObject{{"domanda", 1}, {"dati", 2}, {"schema", 5}, {"risposta", 0}}));
    EXPECT_EQ(giulia["seconds"].toInt(), 440);
    EXPECT_EQ(giulia["problems"].toArray().size(), 3);

    const QJsonArray problems = root["problems"].toArray();
    ASSERT_EQ(problems.size(), 3);
    const QJsonObject first = problems[0].toObject();
    EXPECT_EQ(first["file"].toString(), "A_SCHEMA3.INI");
    EXPECT_EQ(first["problem"].toInt(), 1);
    EXPECT_EQ(first["children_tried"].toInt(), 2);
    EXPECT_EQ(first["children_solved_alone"].toInt(), 2);
    EXPECT_EQ(first["hardest_step"].toObject(),
              (QJsonObject{{"step", "schema"}, {"errors", 7}, {"children", 2}}));
}

TEST(ReportReview, ListsPerChildTheProblemsDueOnTheDay)
{
    const auto files = progress::readProgressFolder(kFolder.toStdString());
    const QString before = textReport(progress::buildClassReport(files, progress::CivilDate{2026, 12, 10}), kFolder);
    EXPECT_FALSE(before.contains(QStringLiteral("Da ripassare"))) << before.toStdString();

    const progress::ClassReport report = progress::buildClassReport(files, progress::CivilDate{2026, 12, 11});
    const QString text = textReport(report, kFolder);
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Giulia   A_SCHEMA3.INI n. 2\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Marco    A_SCHEMA3.INI n. 1, A_SCHEMA3.INI n. 3\n"))) << text.toStdString();

    const QJsonArray children = QJsonDocument::fromJson(jsonReport(report, kFolder)).object()["children"].toArray();
    ASSERT_EQ(children.size(), 2);
    const QJsonArray due = children[1].toObject()["due_for_review"].toArray();
    ASSERT_EQ(due.size(), 2);
    EXPECT_EQ(due[1].toObject(), (QJsonObject{{"file", "A_SCHEMA3.INI"}, {"problem", 3}, {"mode", "avanzato"}, {"scheme", "3"}, {"opening", QJsonValue()}}));
}

TEST(ReportCsv, OneRowPerChildAndProblem)
{
    const QStringList lines = QString::fromUtf8(csvReport(fixture())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("bambino,modo,schema,file,problema,tentativi,esito,errori,")));
    // The last column, the problem's first words, is empty without a resource folder.
    EXPECT_EQ(lines[2], QStringLiteral("Giulia,avanzato,3,A_SCHEMA3.INI,2,2,con la soluzione,4,0,1,3,0,0,230,"));
    EXPECT_EQ(lines[5], QStringLiteral("Marco,avanzato,3,A_SCHEMA3.INI,3,1,lasciato,0,0,0,0,0,0,15,"));
}

TEST(ReportCsv, NamesThatLookLikeFormulasStayText)
{
    progress::ClassReport report = fixture();
    ASSERT_FALSE(report.children.empty());
    for (const char* name : {"=1+1", "+39 Marco", "-Giulia", "@SOMMA(A1)"}) {
        report.children.front().name = name;
        const QStringList lines = QString::fromUtf8(csvReport(report)).split(QStringLiteral("\r\n"));
        EXPECT_TRUE(lines[1].startsWith(QLatin1Char('\'') + QString::fromUtf8(name) + QLatin1Char(',')))
            << lines[1].toStdString();
    }
}

TEST(ReportPdf, RendersTheTablesOnA4)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("classe.pdf"));
    QString error;
    ASSERT_TRUE(writePdfReport(fixture(), kFolder, pdf, &error)) << error.toStdString();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        // No tool to read it back: at least one page, and a PDF.
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        return;
    }
    QProcess tool;
    tool.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    for (const char* expected : {"Resoconto della classe", "Per bambino", "Per problema", "Giulia", "Marco",
                                 "A_SCHEMA3.INI n. 2", "schema: 7 errori, 2 bambini su 2",
                                 "Errori per tipo di passo", "pagina 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST(ReportPdf, AFileThatCannotBeWrittenSaysWhy)
{
    QString error;
    EXPECT_FALSE(writePdfReport(fixture(), kFolder, QStringLiteral("/nonexistent/folder/x.pdf"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossibile scrivere il file"))) << error.toStdString();
}

TEST(ReportCommandLine, ReadsItsOptions)
{
    struct Case {
        QStringList arguments;
        QString csv, pdf, folder, error;
        bool json;
    };
    const Case cases[] = {
        {{}, {}, {}, {}, {}, false},
        {{"--csv", "a.csv", "--pdf=b.pdf", "--json", "classe"}, "a.csv", "b.pdf", "classe", {}, true},
        {{"--", "--strana"}, {}, {}, "--strana", {}, false},
        {{"--pdf"}, {}, {}, {}, "manca il nome del file dopo --pdf", false},
        {{"--csv="}, {}, {}, {}, "il nome del file dopo --csv è vuoto", false},
        {{"--bello"}, {}, {}, {}, "opzione sconosciuta: --bello", false},
        {{"a", "b"}, {}, {}, "a", "si legge una cartella alla volta: b è di troppo", false},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(line.error, c.error);
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(line.csv, c.csv);
        EXPECT_EQ(line.pdf, c.pdf);
        EXPECT_EQ(line.folder, c.folder);
        EXPECT_EQ(line.json, c.json);
    }
}

TEST(ReportCommandLine, ReadsTheFilters)
{
    struct Case {
        QStringList arguments;
        std::string child;
        std::optional<Mode> mode;
        std::optional<Scheme> scheme;
        progress::Period period;
        QString error;
    };
    const Case cases[] = {
        {{}, "", {}, {}, progress::Period::All, {}},
        {{"--bambino", " Giulia ", "--modo=principiante", "--schema", "4b", "--periodo", "settimana"},
         "Giulia", Mode::Beginner, Scheme::S4b, progress::Period::ThisWeek, {}},
        {{"--periodo=anno", "--schema=5"}, "", {}, Scheme::S5, progress::Period::SchoolYear, {}},
        {{"--periodo", "ieri"}, "", {}, {}, progress::Period::All,
         "--periodo vuole oggi, settimana, mese, anno o tutto, non «ieri»"},
        {{"--modo", "Avanzato"}, "", {}, {}, progress::Period::All, "--modo vuole principiante o avanzato, non «Avanzato»"},
        {{"--schema", "4"}, "", {}, {}, progress::Period::All, "--schema vuole 3, 4a, 4b o 5, non «4»"},
        {{"--bambino"}, "", {}, {}, progress::Period::All, "manca il valore dopo --bambino"},
        {{"--periodo="}, "", {}, {}, progress::Period::All, "il valore dopo --periodo è vuoto"},
        {{"--bambino", "  "}, "", {}, {}, progress::Period::All, "il nome dopo --bambino è vuoto"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(line.error, c.error);
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(line.filter.child, c.child);
        EXPECT_EQ(line.filter.mode, c.mode);
        EXPECT_EQ(line.filter.scheme, c.scheme);
        EXPECT_EQ(line.filter.period, c.period);
    }
}

void runReport(QProcess& program, const QStringList& arguments)
{
    program.start(QStringLiteral(QUORVIA_REPORT_PROGRAM), arguments);
    program.waitForFinished(30000);
}

TEST(ReportProgram, ABadFilterIsRefusedWithExitTwo)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"--periodo", "domani", kFolder}, "--periodo vuole oggi, settimana, mese, anno o tutto, non «domani»"},
        {{"--schema=6", kFolder}, "--schema vuole 3, 4a, 4b o 5, non «6»"},
        // The folder is not taken for the missing mode.
        {{kFolder, "--modo"}, "manca il valore dopo --modo"},
    };
    for (const auto& [arguments, message] : cases) {
        QProcess program;
        runReport(program, arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(program.exitCode(), 2);
        const QString error = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(error.contains(QStringLiteral("quorvia-report: ") + message + QLatin1Char('\n'))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("Uso: quorvia-report"))) << error.toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}

TEST(ReportProgram, AFilteredReportCountsOnlyTheChosenRecordsAndThePdfSaysWhich)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("marco.pdf"));
    QProcess program;
    runReport(program, {"--json", "--bambino", "MARCO", "--modo", "avanzato", "--pdf", pdf, kFolder});
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QJsonObject root = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    EXPECT_EQ(root["records"].toInt(), 3);
    EXPECT_EQ(root["damaged_lines"].toInt(), 1);  // the folder's, whoever is chosen
    const QJsonArray children = root["children"].toArray();
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0].toObject()["name"].toString(), "Marco");

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    QProcess tool;
    tool.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Scelta: solo MARCO, modo avanzato"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Giulia"))) << text.toStdString();
}

}  // namespace
}  // namespace quorvia::report
