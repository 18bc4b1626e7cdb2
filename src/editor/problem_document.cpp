// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/problem_document.h"

#include "check/problem_keys.h"
#include "content/generale_keys.h"
#include "content/resource_path.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quorvia::editor {

namespace {

// The file's bytes; "" for a file that is not there.
std::string bytesOnDisk(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::size_t indexOf(Scheme scheme)
{
    return static_cast<std::size_t>(std::find(kAllSchemes.begin(), kAllSchemes.end(), scheme) -
                                    kAllSchemes.begin());
}

bool loadFile(const std::string& path, IniFile& file, std::string& bytes, std::string* error)
{
    std::string why;
    if (!IniFile::load(path, file, &why)) {
        if (error)
            *error = "non si riesce a leggere " + path + ": " + why;
        return false;
    }
    bytes = bytesOnDisk(path);
    return true;
}

}  // namespace

std::string problemSection(int problem)
{
    return "PROBLEMA_" + std::to_string(problem);
}

bool ProblemDocument::open(const std::string& folder, Mode mode, Scheme scheme, std::string* error)
{
    std::string generalePath = findResourceFile(folder, generale::kFileName);
    if (generalePath.empty()) {
        if (error)
            *error = std::string("nella cartella ") + folder + " non c'è " + generale::kFileName + ".";
        return false;
    }
    IniFile generale;
    std::string generaleBytes;
    if (!loadFile(generalePath, generale, generaleBytes, error))
        return false;
    const std::size_t index = indexOf(scheme);
    const std::string name = generale::read(generale, generale::kProblemFile, mode, index);
    if (name.empty()) {
        if (error) {
            *error = std::string(generale::kFileName) + " non dice quale file tiene i problemi dello schema " +
                     schemeName(scheme) + " nel modo " + modeName(mode) + " (chiave " +
                     generale::keyName(generale::kProblemFile, index) + " della sezione [" +
                     generale::modeSection(mode) + "]).";
        }
        return false;
    }
    std::string problemPath = findResourceFile(folder, name);
    IniFile problems;
    std::string problemBytes;
    if (problemPath.empty()) {
        problemPath = folder + name;  // a file named but not written yet
    } else if (!loadFile(problemPath, problems, problemBytes, error)) {
        return false;
    }

    folder_ = folder;
    mode_ = mode;
    scheme_ = scheme;
    scheme_index_ = index;
    file_name_ = name;
    generale_path_ = generalePath;
    problem_path_ = problemPath;
    generale_ = std::move(generale);
    problems_ = std::move(problems);
    generale_read_ = std::move(generaleBytes);
    problems_read_ = std::move(problemBytes);
    return true;
}

std::string ProblemDocument::countKey() const
{
    return generale::keyName(generale::kProblemCount, scheme_index_);
}

int ProblemDocument::count() const
{
    return generale::problemCount(generale_, mode_, scheme_index_);
}

std::string ProblemDocument::value(int problem, const std::string& key) const
{
    return problems_.readString(problemSection(problem), key, "");
}

bool ProblemDocument::has(int problem, const std::string& key) const
{
    return problems_.lineOf(problemSection(problem), key) != 0;
}

bool ProblemDocument::setValue(int problem, const std::string& key, const std::string& value)
{
    const std::string section = problemSection(problem);
    const bool present = has(problem, key);
    if (present && problems_.readString(section, key, "") == value)
        return false;
    if (value.empty()) {
        // A key the window reads as "?" when missing stays, empty; any other
        // key empty is no key at all.
        const std::vector<check::KeyInfo> keys = check::problemKeys(scheme_);
        const auto row = std::find_if(keys.begin(), keys.end(),
                                      [&](const check::KeyInfo& info) { return info.name == key; });
        if (row == keys.end() || !check::showsPlaceholder(*row))
            return present && problems_.removeKey(section, key);
    }
    problems_.writeString(section, key, value);
    return true;
}

bool ProblemDocument::setCount(int count)
{
    const std::string text = std::to_string(count);
    if (generale_.readString(generale::modeSection(mode_), countKey(), "") == text)
        return false;
    generale_.writeString(generale::modeSection(mode_), countKey(), text);
    return true;
}

bool ProblemDocument::add()
{
    const int n = count() + 1;
    // A problem on its own: MAX1 missing reads as one problem, and a file
    // without any problem yet gets its first one.
    if (!problems_.sectionExists(problemSection(1))) {
        for (const check::KeyInfo& key : check::problemKeys(scheme_)) {
            if (check::showsPlaceholder(key))
                problems_.writeString(problemSection(1), key.name, "");
        }
        setCount(1);
        return true;
    }
    if (n > kMaxProblems)
        return false;
    if (!problems_.sectionExists(problemSection(n))) {
        for (const check::KeyInfo& key : check::problemKeys(scheme_)) {
            if (check::showsPlaceholder(key))
                problems_.writeString(problemSection(n), key.name, "");
        }
    }
    // A section already there beyond MAX<n> was written and never shown: it
    // is the new problem, and the teacher sees it again.
    setCount(n);
    return true;
}

bool ProblemDocument::duplicate(int problem)
{
    const int n = count() + 1;
    const std::string from = problemSection(problem);
    if (problem < 1 || problem > count() || n > kMaxProblems || !problems_.sectionExists(from) ||
        problems_.sectionExists(problemSection(n)))
        return false;
    for (const std::string& key : problems_.keyNames(from))
        problems_.writeString(problemSection(n), key, problems_.readString(from, key, ""));
    setCount(n);
    return true;
}

bool ProblemDocument::remove(int problem)
{
    const int last = count();
    if (problem < 1 || problem > last || last <= 1)
        return false;
    problems_.removeSection(problemSection(problem));
    for (int n = problem + 1; n <= last; ++n)
        problems_.renameSection(problemSection(n), problemSection(n - 1));
    setCount(last - 1);
    return true;
}

bool ProblemDocument::swapProblems(int a, int b)
{
    const std::string first = problemSection(a), second = problemSection(b);
    const bool hasFirst = problems_.sectionExists(first), hasSecond = problems_.sectionExists(second);
    if (hasFirst && hasSecond) {
        problems_.swapSections(first, second);
        const std::string parked = "PROBLEMA_SCAMBIO";
        problems_.renameSection(first, parked);
        problems_.renameSection(second, first);
        problems_.renameSection(parked, second);
    } else if (hasFirst) {
        problems_.renameSection(first, second);
    } else if (hasSecond) {
        problems_.renameSection(second, first);
    }
    return hasFirst || hasSecond;
}

bool ProblemDocument::swapWithNext(int problem)
{
    if (problem < 1 || problem >= count())
        return false;
    return swapProblems(problem, problem + 1);
}

void ProblemDocument::restore(const Snapshot& snapshot)
{
    problems_ = snapshot.problems;
    generale_ = snapshot.generale;
}

bool ProblemDocument::modified() const
{
    return problems_.serialize() != problems_read_ || generale_.serialize() != generale_read_;
}

bool ProblemDocument::changedOnDisk() const
{
    return bytesOnDisk(problem_path_) != problems_read_ || bytesOnDisk(generale_path_) != generale_read_;
}

ProblemDocument::SaveResult ProblemDocument::save(std::string* error)
{
    if (changedOnDisk())
        return SaveResult::Conflict;
    const std::string problems = problems_.serialize();
    if (problems != problems_read_) {
        if (!problems_.save(problem_path_, error))
            return SaveResult::Failed;
        problems_read_ = problems;
    }
    const std::string generale = generale_.serialize();
    if (generale != generale_read_) {
        if (!generale_.save(generale_path_, error))
            return SaveResult::Failed;
        generale_read_ = generale;
    }
    return SaveResult::Saved;
}

bool ProblemDocument::saveCopy(const std::string& path, std::string* error) const
{
    return problems_.save(path, error);
}

}  // namespace quorvia::editor
