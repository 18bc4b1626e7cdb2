// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_fixture.h"

#include "shell/program_media.h"

#include <QDir>
#include <QFile>

namespace quorvia::check::testing {

namespace {

void copyFiles(const QString& from, const QString& to)
{
    const QDir source(from);
    ASSERT_TRUE(source.exists()) << from.toStdString();
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::remove(to + name);
        ASSERT_TRUE(QFile::copy(source.filePath(name), to + name)) << name.toStdString();
    }
}

}  // namespace

FixtureFolder::FixtureFolder(const QString& fault)
    : FixtureFolder(fault.isEmpty() ? QStringList() : QStringList{fault})
{
}

FixtureFolder::FixtureFolder(const QStringList& faults)
{
    EXPECT_TRUE(dir_.isValid());
    copyFiles(kFixtures + QStringLiteral("/clean"), path());
    for (const media::ProgramMedia& media : media::programMedia()) {
        const QString name = QLatin1String(media.file);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUORVIA_SOURCE_RESOURCES "/") + name, path() + name)) << media.file;
    }
    for (const QString& fault : faults)
        copyFiles(kFixtures + QStringLiteral("/faults/") + fault, path());
}

void FixtureFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<Finding> allFindings(const CheckReport& report)
{
    std::vector<Finding> all = report.general;
    all.insert(all.end(), report.other_files.begin(), report.other_files.end());
    for (const ProblemFileReport& file : report.files) {
        all.insert(all.end(), file.findings.begin(), file.findings.end());
        for (const ProblemReport& problem : file.problems)
            all.insert(all.end(), problem.findings.begin(), problem.findings.end());
    }
    return all;
}

std::string describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& f : findings)
        text += "  " + f.code + " " + f.file + ":" + std::to_string(f.line) + " " + f.message + "\n";
    return text.empty() ? "  (none)\n" : text;
}

}  // namespace quorvia::check::testing
