// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folders for the editor's tests: a copy of the bundled resources, or a
// small folder of a few problems, removed when the test ends.

#include "platform/dialogs.h"
#include "platform/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>

namespace quorvia::testing {

inline std::string fileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void writeBytes(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

class EditorFolder {
public:
    // A copy of every file of `source`.
    explicit EditorFolder(const QString& source)
    {
        for (const QString& name : QDir(source).entryList(QDir::Files))
            QFile::copy(source + QLatin1Char('/') + name, path() + name);
    }
    EditorFolder() = default;
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const std::string& bytes) const { writeBytes(file(name), bytes); }
    std::string read(const QString& name) const { return fileBytes(file(name)); }

private:
    QTemporaryDir dir_;
};

// Scripted dialogs installed for the time of a test.
class InstalledDialogs : public platform::ScriptedDialogs {
public:
    InstalledDialogs() { platform::setDialogs(this); }
    ~InstalledDialogs() override { platform::setDialogs(nullptr); }
};

// Scheme 3, beginner: three short problems and GENERALE.INI naming them.
inline const char* kSmallGenerale =
    "[AREA_PROGRAMMA]\n"
    "SEPARATORE_DECIMALE=,\n"
    "\n"
    "[PRINCIPIANTE]\n"
    "INI_FILE1=P3.INI\n"
    "MAX1=3\n";

std::string smallProblem(int n, const std::string& text, const std::string& r1);

}  // namespace quorvia::testing
