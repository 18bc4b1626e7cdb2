// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A check report as the teacher's area shows it: one group per file and
// problem, the groups with an error first and the errors first in each, and
// for each finding the place an editor opens it at.

#include "check/check_report.h"
#include "content/scheme.h"

#include <QString>

#include <vector>

namespace quorvia::teacher {

// Where a finding lies, as far as it is known: a problem file's mode and
// scheme, the problem (0: the file as a whole) and the key at its line.
struct FindingPlace {
    bool in_problem_file = false;
    Mode mode = Mode::Beginner;
    Scheme scheme = Scheme::S3;
    int problem = 0;
    QString key;
};

struct PlacedFinding {
    check::Finding finding;
    FindingPlace place;
};

struct FindingGroup {
    QString title;            // "GENERALE.INI", "P_SCHEMA3.INI, problema 4"
    QString stuck;            // where a child would get stuck; empty when nowhere
    bool has_error = false;
    std::vector<PlacedFinding> findings;  // errors first, then in the report's order
};

// Groups without findings are left out, except a problem a child cannot
// finish. `report.folder` is read again for the keys at the findings' lines.
std::vector<FindingGroup> groupFindings(const check::CheckReport& report);

// One finding as a line of text, for the clipboard.
QString findingText(const check::Finding& finding);

}  // namespace quorvia::teacher
