// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quorvia-check: [--json] [FOLDER | --risorse FOLDER].

#include <QString>
#include <QStringList>

namespace quorvia::check {

enum class ExitStatus {
    Passed = 0,      // every problem can be finished and nothing is an error
    Failed = 1,      // something to correct
    BadRequest = 2,  // a bad command line, or a folder that is no resource folder
};

struct CommandLine {
    bool json = false;
    bool help = false;
    bool version = false;
    QString folder;  // empty: the folder quorvia itself would use
    QString error;   // set when the command line is bad
};

// `arguments` without the program's name. "--" ends the options, so a
// folder whose name starts with "-" can be given.
CommandLine parseCommandLine(const QStringList& arguments);

QString usageText();

}  // namespace quorvia::check
