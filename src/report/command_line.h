// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quorvia-report: [--csv FILE] [--pdf FILE] [--json]
// [--bambino NAME] [--modo MODE] [--schema SCHEME] [--periodo PERIOD]
// [--risorse FOLDER] [FOLDER].

#include "progress/report_filter.h"

#include <QString>
#include <QStringList>

namespace quorvia::report {

struct CommandLine {
    bool json = false;
    bool help = false;
    bool version = false;
    QString csv;        // where to write the spreadsheet rows; empty: none
    QString pdf;        // where to write the printable report; empty: none
    QString folder;     // the progress folder; empty: the one in force
    QString resources;  // --risorse: whose GENERALE.INI says which folder is in force
    progress::ReportFilter filter;  // which records the report counts
    QString error;      // set when the command line is bad
};

// `arguments` without the program's name; "--" ends the options.
CommandLine parseCommandLine(const QStringList& arguments);

QString usageText();

}  // namespace quorvia::report
