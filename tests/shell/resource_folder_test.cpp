// SPDX-License-Identifier: GPL-3.0-or-later
// Where the programs find RISORSE: beside the executable, then the installed
// data folder, unless the teacher names a folder; and quorvia's command line.

#include "base/resource_folder.h"
#include "shell/program_command_line.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace quorvia::testing {
namespace {

// An installation prefix with bin/ and, as asked, RISORSE beside the
// program and the installed share/quorvia/RISORSE.
class Installation {
public:
    Installation(bool beside, bool installed)
    {
        QDir root(dir_.path());
        root.mkpath(QStringLiteral("bin"));
        if (beside)
            root.mkpath(QStringLiteral("bin/RISORSE"));
        if (installed)
            root.mkpath(QStringLiteral("share/quorvia/RISORSE"));
    }
    QString bin() const { return dir_.path() + QStringLiteral("/bin"); }
    QString path(const char* relative) const { return dir_.path() + QLatin1Char('/') + QLatin1String(relative); }

private:
    QTemporaryDir dir_;
};

TEST(ResourceLookup, BesideTheProgramFirstThenTheInstalledFolder)
{
    struct Case {
        bool beside, installed;
        const char* found;
    } cases[] = {
        {true, false, "bin/RISORSE/"},
        {true, true, "bin/RISORSE/"},  // a copied folder wins over the installed one
        {false, true, "share/quorvia/RISORSE/"},
        {false, false, "bin/RISORSE/"},  // as before: the messages name the usual place
    };
    for (const Case& c : cases) {
        const Installation install(c.beside, c.installed);
        EXPECT_EQ(installedResourceFolder(install.bin()), install.path(c.found))
            << "beside " << c.beside << ", installed " << c.installed;
    }
}

class ResourceVariable : public ::testing::Test {
protected:
    void SetUp() override { previous_ = qgetenv(kResourceVariable); }
    void TearDown() override
    {
        if (previous_.isNull())
            qunsetenv(kResourceVariable);
        else
            qputenv(kResourceVariable, previous_);
    }
    QByteArray previous_;
};

TEST_F(ResourceVariable, TheOptionComesBeforeTheVariableAndAnEmptyVariableCountsAsUnset)
{
    qputenv(kResourceVariable, "/mnt/scuola/RISORSE");
    EXPECT_EQ(chosenResourceFolder(QStringLiteral("/media/chiavetta")), QStringLiteral("/media/chiavetta"));
    EXPECT_EQ(chosenResourceFolder(), QStringLiteral("/mnt/scuola/RISORSE"));
    EXPECT_EQ(applicationResourceFolder(), QStringLiteral("/mnt/scuola/RISORSE/"));
    qputenv(kResourceVariable, "");
    EXPECT_EQ(chosenResourceFolder(), QString());
}

TEST_F(ResourceVariable, SaysWhyTheFolderIsInForce)
{
    qputenv(kResourceVariable, "/mnt/scuola/RISORSE");
    const FolderInForce option = resourceFolderInForce(QStringLiteral("/media/chiavetta"));
    EXPECT_EQ(option.folder, QStringLiteral("/media/chiavetta/"));
    EXPECT_EQ(option.source, FolderSource::Option);
    const FolderInForce variable = resourceFolderInForce();
    EXPECT_EQ(variable.folder, QStringLiteral("/mnt/scuola/RISORSE/"));
    EXPECT_EQ(variable.source, FolderSource::Variable);
    qunsetenv(kResourceVariable);
    const FolderInForce found = resourceFolderInForce();
    EXPECT_EQ(found.source, FolderSource::Default);
    EXPECT_EQ(found.folder, applicationResourceFolder());
}

TEST_F(ResourceVariable, ARelativeFolderIsTakenFromTheCurrentFolder)
{
    qunsetenv(kResourceVariable);
    EXPECT_EQ(applicationResourceFolder(QStringLiteral("problemi")),
              QDir::current().absoluteFilePath(QStringLiteral("problemi")) + QLatin1Char('/'));
}

TEST(FolderProblem, SaysWhatIsWrongWithAChosenFolder)
{
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/GENERALE.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(folderProblem(dir.path()), QString());
    EXPECT_EQ(folderProblem(dir.path() + QStringLiteral("/nessuna")),
              QStringLiteral("la cartella %1/nessuna non esiste").arg(dir.path()));
    EXPECT_EQ(folderProblem(file.fileName()), QStringLiteral("%1 non è una cartella").arg(file.fileName()));
}

TEST(ProgramCommandLine, ReadsTheFolderHelpAndVersionAndRefusesTheRest)
{
    struct Case {
        QStringList arguments;
        QString folder;
        bool help, version;
        QString error;
        bool teacher = false;
    } cases[] = {
        {{}, {}, false, false, {}},
        {{"--risorse", "/mnt/scuola"}, "/mnt/scuola", false, false, {}},
        {{"--risorse=/mnt/scuola"}, "/mnt/scuola", false, false, {}},
        {{"--risorse"}, {}, false, false, "--risorse vuole il nome di una cartella"},
        {{"--risorse="}, {}, false, false, "il nome della cartella è vuoto"},
        {{"--help"}, {}, true, false, {}},
        {{"-h", "--version"}, {}, true, true, {}},
        {{"--verbose"}, {}, false, false, "opzione sconosciuta: --verbose"},
        {{"/mnt/scuola"}, {}, false, false,
         "argomento inatteso: /mnt/scuola (la cartella si indica con --risorse)"},
        {{"--insegnante", "--risorse", "/mnt/scuola"}, "/mnt/scuola", false, false, {}, true},
        {{"--insegnanti"}, {}, false, false, "opzione sconosciuta: --insegnanti"},
    };
    for (const Case& c : cases) {
        const ProgramCommandLine line = parseProgramCommandLine(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(line.error, c.error);
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(line.folder, c.folder);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(line.version, c.version);
        EXPECT_EQ(line.teacher, c.teacher);
    }
    EXPECT_TRUE(programUsageText().contains(QStringLiteral("--insegnante")));
}

TEST(ProgramCommandLine, EditorOptionOpensTheEditorWithAnyFolder)
{
    EXPECT_FALSE(parseProgramCommandLine({}).editor);
    const ProgramCommandLine line = parseProgramCommandLine({"--editor", "--risorse", "/mnt/scuola"});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_TRUE(line.editor);
    EXPECT_EQ(line.folder, "/mnt/scuola");
    EXPECT_EQ(parseProgramCommandLine({"--editor=1"}).error, "opzione sconosciuta: --editor=1");
}

}  // namespace
}  // namespace quorvia::testing
