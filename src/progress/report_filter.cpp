// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/report_filter.h"

namespace quorvia::progress {

namespace {

struct PeriodNames {
    Period period;
    const char* word;
    const char* text;
};

constexpr PeriodNames kPeriodNames[] = {
    {Period::Today, "oggi", "oggi"},
    {Period::ThisWeek, "settimana", "questa settimana"},
    {Period::ThisMonth, "mese", "questo mese"},
    {Period::SchoolYear, "anno", "l'anno scolastico"},
    {Period::All, "tutto", "tutto"},
};

const PeriodNames& namesOf(Period period)
{
    for (const PeriodNames& names : kPeriodNames) {
        if (names.period == period)
            return names;
    }
    return kPeriodNames[4];
}

}  // namespace

const char* periodWord(Period period)
{
    return namesOf(period).word;
}

const char* periodText(Period period)
{
    return namesOf(period).text;
}

bool periodFromWord(const std::string& word, Period& period)
{
    for (const PeriodNames& names : kPeriodNames) {
        if (word == names.word) {
            period = names.period;
            return true;
        }
    }
    return false;
}

bool modeFromName(const std::string& name, Mode& mode)
{
    for (Mode m : {Mode::Beginner, Mode::Advanced}) {
        if (name == modeName(m)) {
            mode = m;
            return true;
        }
    }
    return false;
}

bool schemeFromName(const std::string& name, Scheme& scheme)
{
    for (Scheme s : kAllSchemes) {
        if (name == schemeName(s)) {
            scheme = s;
            return true;
        }
    }
    return false;
}

CivilDate periodStart(Period period, const CivilDate& today)
{
    switch (period) {
    case Period::Today: return today;
    case Period::ThisWeek: {
        // 1970-01-01 was a Thursday: day 0 is weekday 3 counting from Monday.
        const long days = today.dayNumber();
        const int weekday = static_cast<int>(((days + 3) % 7 + 7) % 7);
        return today.plusDays(-weekday);
    }
    case Period::ThisMonth: return {today.year, today.month, 1};
    case Period::SchoolYear: return {today.month >= 9 ? today.year : today.year - 1, 9, 1};
    case Period::All: break;
    }
    return {};
}

bool matches(const ReportFilter& filter, const ProgressRecord& record, const CivilDate& today)
{
    if (!filter.child.empty() && childKey(record.child) != childKey(filter.child))
        return false;
    if (filter.mode && record.mode != *filter.mode)
        return false;
    if (filter.scheme && record.scheme != *filter.scheme)
        return false;
    if (filter.period == Period::All)
        return true;
    const CivilDate day = dateOf(record.when);
    return day.valid() && periodStart(filter.period, today) <= day && day <= today;
}

std::vector<ProgressFile> filterFiles(const std::vector<ProgressFile>& files, const ReportFilter& filter,
                                      const CivilDate& today)
{
    std::vector<ProgressFile> kept;
    kept.reserve(files.size());
    for (const ProgressFile& file : files) {
        ProgressFile copy;
        copy.path = file.path;
        copy.damaged_lines = file.damaged_lines;
        copy.cut = file.cut;
        copy.error = file.error;
        for (const ProgressRecord& record : file.records) {
            if (matches(filter, record, today))
                copy.records.push_back(record);
        }
        kept.push_back(std::move(copy));
    }
    return kept;
}

ClassReport buildClassReport(const std::vector<ProgressFile>& files, const ReportFilter& filter,
                             const CivilDate& today)
{
    ClassReport report = buildClassReport(filterFiles(files, filter, today));
    ReportFilter whole = filter;
    whole.period = Period::All;
    addDueForReview(report, filterFiles(files, whole, today), today);
    return report;
}

std::string filterText(const ReportFilter& filter)
{
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (!filter.child.empty())
        add("solo " + filter.child);
    if (filter.mode)
        add(std::string("modo ") + modeName(*filter.mode));
    if (filter.scheme)
        add(std::string("schema ") + schemeName(*filter.scheme));
    if (filter.period != Period::All)
        add(periodText(filter.period));
    return text;
}

}  // namespace quorvia::progress
