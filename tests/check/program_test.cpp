// SPDX-License-Identifier: GPL-3.0-or-later
// The program quorvia-check itself: its command line, its output and its
// exit statuses, run as a teacher or a CI job runs it.

#include "check_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace quorvia::check::testing {
namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// `resources`: the value of QUORVIA_RISORSE, unset when empty.
ProgramRun runProgram(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8"),
                      const QString& resources = QString())
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("QUORVIA_RISORSE"));
    if (!resources.isEmpty())
        environment.insert(QStringLiteral("QUORVIA_RISORSE"), resources);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVIA_CHECK_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << "quorvia-check did not finish";
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

struct ProgramCase {
    const char* name;
    QStringList (*arguments)(const FixtureFolder& clean, const FixtureFolder& faulty, const QString& empty);
    int status;
    bool on_stdout;  // where `says` is written
    const char* says;
};

std::ostream& operator<<(std::ostream& out, const ProgramCase& c)
{
    return out << c.name;
}

class Program : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(Program, ExitsWithItsStatusAndSaysWhy)
{
    const ProgramCase& c = GetParam();
    const FixtureFolder clean;
    const FixtureFolder faulty(QStringLiteral("result_too_long"));
    QTemporaryDir empty;
    const ProgramRun run = runProgram(c.arguments(clean, faulty, empty.path()));
    EXPECT_EQ(run.status, c.status) << run.out.toStdString() << run.err.toStdString();
    const QString& where = c.on_stdout ? run.out : run.err;
    EXPECT_TRUE(where.contains(QString::fromUtf8(c.says))) << where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Program,
    ::testing::Values(
        ProgramCase{"CleanFolderPasses",
                    [](const FixtureFolder& clean, const FixtureFolder&, const QString&) {
                        return QStringList{clean.path()};
                    },
                    0, true, "8 si possono finire, 0 no; 0 errori, 0 avvisi: tutto a posto."},
        ProgramCase{"FaultyFolderFails",
                    [](const FixtureFolder&, const FixtureFolder& faulty, const QString&) {
                        return QStringList{faulty.path()};
                    },
                    1, true, "Problema 1: NON si può finire."},
        ProgramCase{"HelpIsNoError",
                    [](const FixtureFolder&, const FixtureFolder&, const QString&) {
                        return QStringList{QStringLiteral("--help")};
                    },
                    0, true, "Uso: quorvia-check [--json] [CARTELLA | --risorse CARTELLA]"},
        ProgramCase{"ResourceOptionNamesTheFolder",
                    [](const FixtureFolder&, const FixtureFolder& faulty, const QString&) {
                        return QStringList{QStringLiteral("--risorse"), faulty.path()};
                    },
                    1, true, "Problema 1: NON si può finire."},
        ProgramCase{"ResourceOptionAndAFolder",
                    [](const FixtureFolder& clean, const FixtureFolder& faulty, const QString&) {
                        return QStringList{QStringLiteral("--risorse=") + clean.path(), faulty.path()};
                    },
                    2, false, "si controlla una cartella alla volta"},
        ProgramCase{"ResourceOptionWithoutFolder",
                    [](const FixtureFolder&, const FixtureFolder&, const QString&) {
                        return QStringList{QStringLiteral("--risorse")};
                    },
                    2, false, "--risorse vuole il nome di una cartella"},
        ProgramCase{"UnknownOption",
                    [](const FixtureFolder& clean, const FixtureFolder&, const QString&) {
                        return QStringList{QStringLiteral("--verbose"), clean.path()};
                    },
                    2, false, "opzione sconosciuta: --verbose"},
        ProgramCase{"TwoFolders",
                    [](const FixtureFolder& clean, const FixtureFolder& faulty, const QString&) {
                        return QStringList{clean.path(), faulty.path()};
                    },
                    2, false, "si controlla una cartella alla volta"},
        ProgramCase{"FolderWithoutGenerale",
                    [](const FixtureFolder&, const FixtureFolder&, const QString& empty) {
                        return QStringList{empty};
                    },
                    2, false, "manca GENERALE.INI"},
        ProgramCase{"FolderThatDoesNotExist",
                    [](const FixtureFolder&, const FixtureFolder&, const QString& empty) {
                        return QStringList{empty + QStringLiteral("/nessuna")};
                    },
                    2, false, "non esiste"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramDefault, ChecksTheResourceFolderBesideItself)
{
    const ProgramRun run = runProgram({});
    const QString beside = QFileInfo(QStringLiteral(QUORVIA_CHECK_PROGRAM)).absolutePath();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Controllo della cartella ") + beside + QStringLiteral("/RISORSE/")))
        << run.out.toStdString() << run.err.toStdString();
}

// A school computer set to English, with the comma of the bundled folder.
TEST(ProgramLocale, FollowsTheFolderOverTheComputersLanguage)
{
    const FixtureFolder folder;
    QFile problems(kFixtures + QStringLiteral("/clean/P_SCHEMA3.INI"));
    ASSERT_TRUE(problems.open(QIODevice::ReadOnly));
    folder.write(QStringLiteral("P_SCHEMA3.INI"), problems.readAll().replace("R1=12 + 5", "R1=1,5 x 3"));
    const QString english = QStringLiteral("en_US.UTF-8");

    const ProgramRun unset = runProgram({folder.path()}, english);
    EXPECT_EQ(unset.status, 1) << unset.out.toStdString();
    EXPECT_TRUE(unset.out.contains(QStringLiteral("Numeri scritti con il punto come separatore decimale, come usa "
                                                  "la lingua di questo computer")))
        << unset.out.toStdString();
    EXPECT_TRUE(unset.out.contains(QStringLiteral("«SEPARATORE_DECIMALE=,»"))) << unset.out.toStdString();

    QFile generale(kFixtures + QStringLiteral("/clean/GENERALE.INI"));
    ASSERT_TRUE(generale.open(QIODevice::ReadOnly));
    folder.write(QStringLiteral("GENERALE.INI"),
                 generale.readAll().replace("[AREA_PROGRAMMA]\n", "[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=,\n"));
    const ProgramRun set = runProgram({QStringLiteral("--json"), folder.path()}, english);
    EXPECT_EQ(set.status, 0) << set.out.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(set.out.toUtf8()).object();
    EXPECT_EQ(root.value("decimal_separator").toString(), QLatin1String(","));
    EXPECT_EQ(root.value("decimal_separator_source").toString(), QLatin1String("GENERALE.INI"));
}

TEST(ProgramDefault, ChecksTheTeachersFolderFromTheEnvironment)
{
    const FixtureFolder faulty(QStringLiteral("result_too_long"));
    const ProgramRun run = runProgram({}, QStringLiteral("C.UTF-8"), faulty.path());
    EXPECT_EQ(run.status, 1) << run.out.toStdString() << run.err.toStdString();
    // A folder on the command line comes first.
    const FixtureFolder clean;
    EXPECT_EQ(runProgram({clean.path()}, QStringLiteral("C.UTF-8"), faulty.path()).status, 0);
}

TEST(ProgramJson, GivesToolsTheSameFindings)
{
    const FixtureFolder faulty(QStringLiteral("result_too_long"));
    const ProgramRun run = runProgram({QStringLiteral("--json"), faulty.path()});
    EXPECT_EQ(run.status, 1);
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &parse).object();
    ASSERT_EQ(parse.error, QJsonParseError::NoError) << run.out.toStdString();

    EXPECT_FALSE(root.value("passed").toBool());
    const QJsonObject summary = root.value("summary").toObject();
    EXPECT_EQ(summary.value("problems").toInt(), 8);
    EXPECT_EQ(summary.value("not_solved").toInt(), 1);
    EXPECT_EQ(summary.value("errors").toInt(), 2);

    QJsonObject advanced3;
    for (const QJsonValue& file : root.value("files").toArray()) {
        if (file.toObject().value("file").toString() == QLatin1String("A_SCHEMA3.INI"))
            advanced3 = file.toObject();
    }
    EXPECT_EQ(advanced3.value("mode").toString(), QLatin1String("advanced"));
    EXPECT_EQ(advanced3.value("scheme").toString(), QLatin1String("3"));
    const QJsonObject problem = advanced3.value("problems").toArray().at(0).toObject();
    EXPECT_EQ(problem.value("outcome").toString(), QLatin1String("not-solved"));
    EXPECT_EQ(problem.value("failed_step").toInt(), 4);
    const QJsonObject finding = problem.value("findings").toArray().at(0).toObject();
    EXPECT_EQ(finding.value("severity").toString(), QLatin1String("error"));
    EXPECT_EQ(finding.value("code").toString(), QLatin1String("number-too-long"));
    EXPECT_EQ(finding.value("file").toString(), QLatin1String("A_SCHEMA3.INI"));
    EXPECT_EQ(finding.value("line").toInt(), 13);
}

}  // namespace
}  // namespace quorvia::check::testing
