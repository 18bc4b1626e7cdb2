// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quorvia: [--risorse CARTELLA] [--insegnante] [--editor] [--help] [--version].

#include <QString>
#include <QStringList>

namespace quorvia {

struct ProgramCommandLine {
    QString folder;  // the argument of --risorse; empty when not given
    bool teacher = false;  // --insegnante: the teacher's area instead of the children's window
    bool help = false;
    bool version = false;
    bool editor = false;  // the problem editor instead of the children's window
    QString error;  // set when the command line is bad
};

// `arguments` without the program's name and without Qt's own options,
// which QApplication has taken out.
ProgramCommandLine parseProgramCommandLine(const QStringList& arguments);

QString programUsageText();

}  // namespace quorvia
