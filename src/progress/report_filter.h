// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which records a class report counts: one child, one mode, one scheme, a
// period up to a day handed in. The teacher's window and quorvia-report
// filter by these same rules, so their figures agree.

#include "progress/child_path.h"
#include "progress/class_report.h"
#include "progress/progress_file.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvia::progress {

enum class Period { All, Today, ThisWeek, ThisMonth, SchoolYear };

// Every period, in the order a teacher chooses among them.
inline constexpr Period kAllPeriods[] = {Period::Today, Period::ThisWeek, Period::ThisMonth, Period::SchoolYear,
                                         Period::All};

// The word of the command line: "oggi", "settimana", "mese", "anno", "tutto".
const char* periodWord(Period period);
bool periodFromWord(const std::string& word, Period& period);
// As a sentence says it: "oggi", "questa settimana", "questo mese",
// "l'anno scolastico", "tutto".
const char* periodText(Period period);
// "principiante" or "avanzato"; "3", "4a", "4b" or "5".
bool modeFromName(const std::string& name, Mode& mode);
bool schemeFromName(const std::string& name, Scheme& scheme);

// The first day of `period` as seen on `today`: the week starts on Monday,
// the school year on 1 September. Not valid for Period::All.
CivilDate periodStart(Period period, const CivilDate& today);

struct ReportFilter {
    std::string child;  // "" for every child; compared as childKey compares names
    std::optional<Mode> mode;
    std::optional<Scheme> scheme;
    Period period = Period::All;

    bool any() const { return !child.empty() || mode || scheme || period != Period::All; }
};

// Whether the record counts. A period runs from its first day to `today`
// included; a record without a date, or dated after `today` (a computer
// with its clock wrong), falls in none but Period::All.
bool matches(const ReportFilter& filter, const ProgressRecord& record, const CivilDate& today);

// The files with only the records that count; what a file says of itself
// (its damaged lines, a cut, why it could not be read) stays, as it is about
// the folder, not about a child or a period.
std::vector<ProgressFile> filterFiles(const std::vector<ProgressFile>& files, const ReportFilter& filter,
                                      const CivilDate& today);

// The report of the records that count. The problems due for review are
// those of `today` after each child's whole history in the chosen mode and
// scheme: a problem missed last week is due today even when the period is
// "oggi".
ClassReport buildClassReport(const std::vector<ProgressFile>& files, const ReportFilter& filter,
                             const CivilDate& today);

// "solo Giulia, modo avanzato, schema 4a, questa settimana"; "" with no filter.
std::string filterText(const ReportFilter& filter);

}  // namespace quorvia::progress
