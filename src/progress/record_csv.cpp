// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/record_csv.h"

#include "content/problem_file.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace quorvia::progress {

namespace {

constexpr const char* kFields[] = {"data",   "bambino", "computer", "modo",     "schema",
                                   "file",   "problema", "esito",   "soluzione", "secondi"};
constexpr std::size_t kFieldCount = sizeof kFields / sizeof kFields[0];
const std::string kErrorsPrefix = "errori ";
const std::string kHintsPrefix = "aiuti ";
constexpr Scheme kSchemes[] = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};
constexpr Mode kModes[] = {Mode::Beginner, Mode::Advanced};

// Every step name of every scheme, in the order a problem goes through its
// kinds, numbered ones after the plain one ("domanda", "domanda 1", ...).
std::vector<std::string> allStepNames()
{
    std::vector<std::string> names;
    for (Scheme scheme : kSchemes) {
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

bool readInt(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
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
    CsvRow row = {r.when,
                  r.child,
                  r.computer,
                  modeName(r.mode),
                  schemeName(r.scheme),
                  r.problem_file,
                  std::to_string(r.problem),
                  outcomeText(r.outcome),
                  r.solution_shown ? "sì" : "no",
                  std::to_string(r.seconds)};
    const CsvRow& header = recordHeader();
    for (std::size_t c = kFieldCount; c < header.size(); ++c) {
        const bool errors = header[c].compare(0, kErrorsPrefix.size(), kErrorsPrefix) == 0;
        const std::string name = header[c].substr((errors ? kErrorsPrefix : kHintsPrefix).size());
        const auto step = std::find_if(r.steps.begin(), r.steps.end(),
                                       [&](const StepTally& t) { return t.name == name; });
        row.push_back(step == r.steps.end() ? std::string() : std::to_string(errors ? step->errors : step->hints));
    }
    return row;
}

bool recordFromRow(const CsvRow& header, const CsvRow& row, ProgressRecord& r)
{
    if (row.size() != header.size())
        return false;
    std::map<std::string, std::string> field;
    for (std::size_t c = 0; c < header.size(); ++c) {
        // A power cut can leave zeros where a record was: no record has one.
        if (row[c].find('\0') != std::string::npos)
            return false;
        field[header[c]] = row[c];
    }
    for (const char* name : kFields) {
        if (field.find(name) == field.end())
            return false;
    }
    r = ProgressRecord();
    r.when = field["data"];
    r.child = field["bambino"];
    r.computer = field["computer"];
    r.problem_file = field["file"];
    r.solution_shown = field["soluzione"] == "sì";
    long problem = 0;
    if (!readInt(field["problema"], problem) || !readInt(field["secondi"], r.seconds) ||
        !outcomeFromText(field["esito"], r.outcome) || r.when.empty())
        return false;
    r.problem = static_cast<int>(problem);
    const auto mode = std::find_if(std::begin(kModes), std::end(kModes),
                                   [&](Mode m) { return field["modo"] == modeName(m); });
    const auto scheme = std::find_if(std::begin(kSchemes), std::end(kSchemes),
                                     [&](Scheme s) { return field["schema"] == schemeName(s); });
    if (mode == std::end(kModes) || scheme == std::end(kSchemes))
        return false;
    r.mode = *mode;
    r.scheme = *scheme;
    // The steps in the order of the file's columns, whatever steps it has.
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c].compare(0, kErrorsPrefix.size(), kErrorsPrefix) != 0 || row[c].empty())
            continue;
        StepTally step;
        step.name = header[c].substr(kErrorsPrefix.size());
        long errors = 0, hints = 0;
        if (!readInt(row[c], errors))
            return false;
        readInt(field[kHintsPrefix + step.name], hints);
        step.errors = static_cast<int>(errors);
        step.hints = static_cast<int>(hints);
        r.steps.push_back(step);
    }
    return true;
}

}  // namespace quorvia::progress
