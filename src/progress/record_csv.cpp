// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/record_csv.h"

#include "content/problem_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quorvia::progress {

namespace {

constexpr const char* kFields[] = {"data",   "bambino", "computer", "modo",     "schema",
                                   "file",   "problema", "esito",   "soluzione", "secondi"};
constexpr std::size_t kFieldCount = sizeof kFields / sizeof kFields[0];
// The fields' places in kFields.
static_assert(kFieldCount == 10, "RecordReader keeps the column of each field");
enum Field : std::size_t { Data, Bambino, Computer, Modo, Schema, File, Problema, Esito, Soluzione, Secondi };
const std::string kErrorsPrefix = "errori ";
const std::string kHintsPrefix = "aiuti ";
constexpr Mode kModes[] = {Mode::Beginner, Mode::Advanced};

// Every step name of every scheme, in the order a problem goes through its
// kinds, numbered ones after the plain one ("domanda", "domanda 1", ...).
std::vector<std::string> allStepNames()
{
    std::vector<std::string> names;
    for (Scheme scheme : kAllSchemes) {
        for (const StepTally& step : stepsOf(scheme)) {
            if (std::find(names.begin(), names.end(), step.name) == names.end())
                names.push_back(step.name);
        }
    }
    const auto order = [](const std::string& name) {
        const auto& kinds = stepKinds();
        const auto kind = std::find(kinds.begin(), kinds.end(), stepKind(name)) - kinds.begin();
        const auto space = name.find(' ');
        const int number = space == std::string::npos ? 0 : std::atoi(name.c_str() + space + 1);
        return std::make_pair(kind, number);
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return order(a) < order(b); });
    return names;
}

// What the program writes, and a margin: a figure outside its range is no
// record of ours, and would only make the report's sums nonsense.
constexpr long kMaxProblem = 20;           // a window holds at most 20 problems
constexpr long kMaxSeconds = 24L * 60 * 60;
constexpr long kMaxCount = 10000;          // errors or hints of one step

// A whole decimal number within [low, high].
bool readInt(const std::string& text, long low, long high, long& value)
{
    if (text.empty() || text.size() > 20)
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' && errno == 0 && value >= low && value <= high;
}

}  // namespace

const CsvRow& recordHeader()
{
    static const CsvRow header = [] {
        CsvRow h(std::begin(kFields), std::end(kFields));
        const std::vector<std::string> steps = allStepNames();
        for (const std::string& step : steps)
            h.push_back(kErrorsPrefix + step);
        for (const std::string& step : steps)
            h.push_back(kHintsPrefix + step);
        return h;
    }();
    return header;
}

CsvRow recordRow(const ProgressRecord& r)
{
    return recordRow(r, recordHeader());
}

CsvRow recordRow(const ProgressRecord& r, const CsvRow& header)
{
    const std::string fields[] = {r.when,
                                  r.child,
                                  r.computer,
                                  modeName(r.mode),
                                  schemeName(r.scheme),
                                  r.problem_file,
                                  std::to_string(r.problem),
                                  outcomeText(r.outcome),
                                  r.solution_shown ? "sì" : "no",
                                  std::to_string(r.seconds)};
    static_assert(sizeof fields / sizeof fields[0] == kFieldCount, "a value for every field");
    CsvRow row;
    row.reserve(header.size());
    for (const std::string& column : header) {
        const auto field = std::find(std::begin(kFields), std::end(kFields), column);
        if (field != std::end(kFields)) {
            row.push_back(fields[field - std::begin(kFields)]);
            continue;
        }
        const bool errors = column.compare(0, kErrorsPrefix.size(), kErrorsPrefix) == 0;
        const bool hints = column.compare(0, kHintsPrefix.size(), kHintsPrefix) == 0;
        const std::string name = column.substr(errors ? kErrorsPrefix.size() : hints ? kHintsPrefix.size() : 0);
        const auto step = std::find_if(r.steps.begin(), r.steps.end(),
                                       [&](const StepTally& t) { return t.name == name; });
        row.push_back((!errors && !hints) || step == r.steps.end()
                          ? std::string()
                          : std::to_string(errors ? step->errors : step->hints));
    }
    return row;
}

RecordReader::RecordReader(const CsvRow& header) : width_(header.size())
{
    const auto columnOf = [&](const std::string& name) {
        const auto found = std::find(header.begin(), header.end(), name);
        return found == header.end() ? kMissing : static_cast<std::size_t>(found - header.begin());
    };
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        fields_[f] = columnOf(kFields[f]);
        if (fields_[f] == kMissing)
            whole_ = false;
    }
    // The steps in the order of the file's columns, whatever steps it has.
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c].compare(0, kErrorsPrefix.size(), kErrorsPrefix) != 0)
            continue;
        const std::string name = header[c].substr(kErrorsPrefix.size());
        steps_.push_back({name, c, columnOf(kHintsPrefix + name)});
    }
}

bool RecordReader::read(const CsvRow& row, ProgressRecord& r) const
{
    if (!whole_ || row.size() != width_)
        return false;
    // A power cut can leave zeros where a record was: no record has one.
    for (const std::string& cell : row) {
        if (cell.find('\0') != std::string::npos)
            return false;
    }
    const auto field = [&](Field f) -> const std::string& { return row[fields_[f]]; };
    r = ProgressRecord();
    r.when = field(Data);
    r.child = field(Bambino);
    r.computer = field(Computer);
    r.problem_file = field(File);
    r.solution_shown = field(Soluzione) == "sì";
    long problem = 0;
    if (!readInt(field(Problema), 1, kMaxProblem, problem) || !readInt(field(Secondi), 0, kMaxSeconds, r.seconds) ||
        !outcomeFromText(field(Esito), r.outcome) || r.when.empty())
        return false;
    r.problem = static_cast<int>(problem);
    const auto mode = std::find_if(std::begin(kModes), std::end(kModes),
                                   [&](Mode m) { return field(Modo) == modeName(m); });
    const auto scheme = std::find_if(kAllSchemes.begin(), kAllSchemes.end(),
                                     [&](Scheme s) { return field(Schema) == schemeName(s); });
    if (mode == std::end(kModes) || scheme == kAllSchemes.end())
        return false;
    r.mode = *mode;
    r.scheme = *scheme;
    for (const StepColumns& columns : steps_) {
        if (row[columns.errors].empty())
            continue;  // a step the record's scheme lacks
        long errors = 0, hints = 0;
        if (!readInt(row[columns.errors], 0, kMaxCount, errors))
            return false;
        // An empty hints cell is an older program's, which did not count them.
        if (columns.hints != kMissing && !row[columns.hints].empty() &&
            !readInt(row[columns.hints], 0, kMaxCount, hints))
            return false;
        r.steps.push_back({columns.name, static_cast<int>(errors), static_cast<int>(hints)});
    }
    return true;
}

bool recordFromRow(const CsvRow& header, const CsvRow& row, ProgressRecord& record)
{
    return RecordReader(header).read(row, record);
}

}  // namespace quorvia::progress
