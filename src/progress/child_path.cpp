// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/child_path.h"

#include "progress/record_csv.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace quorvia::progress {

namespace {

Mark markOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::SolvedAlone: return Mark::SolvedAlone;
    case Outcome::SolvedWithSolution: return Mark::SolvedWithSolution;
    default: return Mark::Left;
    }
}

// The lower, the better; NotTried is worst of all.
int rank(Mark mark)
{
    switch (mark) {
    case Mark::SolvedAlone: return 0;
    case Mark::SolvedWithSolution: return 1;
    case Mark::Left: return 2;
    case Mark::NotTried: return 3;
    }
    return 3;
}

int digits(const std::string& text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string trimmed(std::string text)
{
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.back())))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(static_cast<unsigned char>(text[start])))
        ++start;
    return text.substr(start);
}

// The child's name in the first record of a progress file, read from the
// file's start alone; "" when it holds none.
std::string firstName(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(8192, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    CsvText text = parseCsv(head);
    if (text.rows.size() < 2 && in.gcount() == 8192) {
        // A first record longer than the start: the whole file, then.
        const ProgressFile file = readProgressFile(path);
        return file.records.empty() ? std::string() : file.records.front().child;
    }
    if (text.rows.size() < 2)
        return std::string();
    const RecordReader reader(text.rows.front());
    for (std::size_t i = 1; i < text.rows.size(); ++i) {
        ProgressRecord record;
        if (reader.read(text.rows[i], record))
            return record.child;
    }
    return std::string();
}

}  // namespace

bool CivilDate::valid() const
{
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// The proleptic Gregorian day count (H. Hinnant's days_from_civil).
long CivilDate::dayNumber() const
{
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilDate::fromDayNumber(long days)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yoe + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::string CivilDate::text() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

CivilDate dateOf(const std::string& when)
{
    if (when.size() < 10 || when[4] != '-' || when[7] != '-')
        return {};
    CivilDate date{digits(when, 0, 4), digits(when, 5, 2), digits(when, 8, 2)};
    return date.valid() ? date : CivilDate{};
}

CivilDate localDate(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool doneWell(const ProgressRecord& record)
{
    return record.outcome == Outcome::SolvedAlone && record.totalErrors() <= kManyErrors;
}

ReviewState reviewAfter(const std::vector<ProgressRecord>& records)
{
    constexpr int kBoxes = static_cast<int>(std::size(kReviewDays));
    ReviewState state;
    for (const ProgressRecord& record : records) {
        const CivilDate day = dateOf(record.when);
        if (!day.valid())
            continue;
        if (!doneWell(record)) {
            state = {1, day.plusDays(kReviewDays[0])};
        } else if (state.box > 0 && state.due <= day) {
            // Done well before its day (the same afternoon, say) proves
            // nothing yet about remembering: only a review on time moves on.
            if (state.box == kBoxes)
                state = {};
            else
                state = {state.box + 1, day.plusDays(kReviewDays[state.box])};
        }
    }
    return state;
}

ChildPath::ChildPath(std::vector<ProgressRecord> records)
{
    // The computers' files are read one after the other; the times put the
    // attempts back in the order they happened.
    std::stable_sort(records.begin(), records.end(),
                     [](const ProgressRecord& a, const ProgressRecord& b) { return a.when < b.when; });
    for (ProgressRecord& r : records)
        problems_[ProblemKey{r.mode, r.scheme, r.problem_file, r.problem}].push_back(std::move(r));
}

std::vector<Mark> ChildPath::marks(Mode mode, Scheme scheme, const std::string& file, int count) const
{
    std::vector<Mark> out;
    for (int n = 1; n <= count; ++n) {
        Mark best = Mark::NotTried;
        const auto found = problems_.find(ProblemKey{mode, scheme, file, n});
        if (found != problems_.end()) {
            for (const ProgressRecord& r : found->second) {
                if (rank(markOf(r.outcome)) < rank(best))
                    best = markOf(r.outcome);
            }
        }
        out.push_back(best);
    }
    return out;
}

int ChildPath::startingProblem(Mode mode, Scheme scheme, const std::string& file, int count) const
{
    const std::vector<Mark> all = marks(mode, scheme, file, count);
    const auto open = std::find_if(all.begin(), all.end(), [](Mark m) { return m != Mark::SolvedAlone; });
    return open == all.end() ? 1 : static_cast<int>(open - all.begin()) + 1;
}

std::vector<ProblemKey> ChildPath::dueForReview(const CivilDate& today) const
{
    std::vector<ProblemKey> due;
    for (const auto& [key, records] : problems_) {
        const ReviewState state = reviewAfter(records);
        if (state.box > 0 && state.due <= today)
            due.push_back(key);
    }
    return due;
}

std::vector<ProgressRecord> recordsOf(const std::vector<ProgressFile>& files, const std::string& child)
{
    const std::string key = childKey(child);
    std::vector<ProgressRecord> out;
    for (const ProgressFile& file : files) {
        for (const ProgressRecord& r : file.records) {
            if (childKey(r.child) == key)
                out.push_back(r);
        }
    }
    return out;
}

ChildRecords readChildRecords(const std::string& folder, const std::string& child)
{
    ChildRecords out;
    if (childKey(child).empty())
        return out;
    // "giulia@computer.csv": the part before the "@" is the child's.
    const std::string own = progressFileName(child, "x");
    const std::string prefix = own.substr(0, own.rfind('@') + 1);
    std::vector<ProgressFile> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0 && it->path().extension() == ".csv")
            files.push_back(readProgressFile(it->path().string()));
    }
    if (ec) {
        out.error = "Impossibile leggere la cartella " + folder + ": " + ec.message();
        return out;
    }
    for (const ProgressFile& file : files) {
        if (!file.error.empty())
            out.error = file.error;
        out.damaged_lines += file.damaged_lines;
    }
    out.records = recordsOf(files, child);
    return out;
}

std::vector<std::string> knownChildNames(const std::string& folder)
{
    std::map<std::string, std::string> names;  // by key: the first met
    const auto add = [&names](const std::string& name) {
        const std::string key = childKey(name);
        if (!key.empty() && name != kNoName)
            names.emplace(key, trimmed(name));
    };
    std::ifstream list(std::filesystem::path(folder) / kClassListFile, std::ios::binary);
    std::string line;
    for (bool first = true; std::getline(list, line); first = false) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        add(line);
    }
    std::vector<std::string> paths;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".csv")
            paths.push_back(it->path().string());
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths)
        add(firstName(path));
    std::vector<std::string> out;
    for (auto& [key, name] : names)
        out.push_back(std::move(name));
    return out;
}

}  // namespace quorvia::progress
