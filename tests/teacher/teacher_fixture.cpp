// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_fixture.h"

#include "shell/program_media.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace quorvia::teacher::testing {

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

FaultFolder::FaultFolder(const QStringList& faults)
{
    EXPECT_TRUE(dir_.isValid());
    const QString fixtures = QStringLiteral(QUORVIA_CHECK_FIXTURES);
    copyFiles(fixtures + QStringLiteral("/clean"), path());
    for (const media::ProgramMedia& media : media::programMedia()) {
        const QString name = QLatin1String(media.file);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUORVIA_SOURCE_RESOURCES "/") + name, path() + name)) << media.file;
    }
    for (const QString& fault : faults)
        copyFiles(fixtures + QStringLiteral("/faults/") + fault, path());
}

void FaultFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

UserConfig::UserConfig()
    : previous_(qgetenv("XDG_CONFIG_HOME")), had_previous_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

UserConfig::~UserConfig()
{
    if (had_previous_)
        qputenv("XDG_CONFIG_HOME", previous_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace quorvia::teacher::testing
