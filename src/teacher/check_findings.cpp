// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/check_findings.h"

#include "content/ini_file.h"
#include "content/resource_path.h"

#include <algorithm>
#include <map>

namespace quorvia::teacher {

namespace {

using check::Finding;
using check::Severity;

// The problem files read once per grouping, for the key at a line.
class KeyFinder {
public:
    explicit KeyFinder(std::string folder) : folder_(std::move(folder)) {}

    // The section and key written at `line` of `file`; empty when none.
    std::pair<std::string, std::string> at(const std::string& file, int line)
    {
        if (line <= 0)
            return {};
        auto found = files_.find(file);
        if (found == files_.end()) {
            const std::string path = findResourceFile(folder_, file);
            found = files_.emplace(file, path.empty() ? IniFile() : IniFile::read(path)).first;
        }
        const IniFile& ini = found->second;
        for (const std::string& section : ini.sectionNames()) {
            if (ini.lineOf(section) == line)
                return {section, {}};
            for (const std::string& key : ini.keyNames(section)) {
                if (ini.lineOf(section, key) == line)
                    return {section, key};
            }
        }
        return {};
    }

private:
    std::string folder_;
    std::map<std::string, IniFile> files_;
};

// "PROBLEMA_7" -> 7; 0 for any other section.
int problemOfSection(const std::string& section)
{
    static const std::string prefix = "PROBLEMA_";
    if (section.size() <= prefix.size() || section.compare(0, prefix.size(), prefix) != 0)
        return 0;
    try {
        return std::stoi(section.substr(prefix.size()));
    } catch (...) {
        return 0;
    }
}

void sortErrorsFirst(std::vector<PlacedFinding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(), [](const PlacedFinding& a, const PlacedFinding& b) {
        return a.finding.severity == Severity::Error && b.finding.severity != Severity::Error;
    });
}

FindingGroup plainGroup(const QString& title, const std::vector<Finding>& findings)
{
    FindingGroup group;
    group.title = title;
    for (const Finding& f : findings)
        group.findings.push_back({f, {}});
    return group;
}

}  // namespace

std::vector<FindingGroup> groupFindings(const check::CheckReport& report)
{
    KeyFinder keys(report.folder);
    std::vector<FindingGroup> groups;
    groups.push_back(plainGroup(QStringLiteral("GENERALE.INI e la cartella"), report.general));

    for (const check::ProblemFileReport& file : report.files) {
        const QString name = QString::fromStdString(file.file_name);
        const auto place = [&](const Finding& f, int problem) {
            FindingPlace at;
            at.in_problem_file = true;
            at.mode = file.mode;
            at.scheme = file.scheme;
            at.problem = problem;
            // A finding about GENERALE.INI's line that names this file stays
            // with its file, but the key is looked up where it was written.
            const auto [section, key] = keys.at(f.file, f.line);
            at.key = QString::fromStdString(key);
            if (at.problem == 0)
                at.problem = problemOfSection(section);
            return at;
        };
        FindingGroup whole;
        whole.title = QStringLiteral("%1 (modo %2, schema %3)")
                          .arg(name, QString::fromLatin1(modeName(file.mode)), QString::fromLatin1(schemeName(file.scheme)));
        for (const Finding& f : file.findings)
            whole.findings.push_back({f, place(f, 0)});
        groups.push_back(std::move(whole));

        for (const check::ProblemReport& problem : file.problems) {
            FindingGroup group;
            group.title = QStringLiteral("%1, problema %2").arg(name).arg(problem.number);
            if (problem.outcome == check::Outcome::NotSolved) {
                group.stuck = problem.failed_step > 0
                                  ? QStringLiteral("al passo %1").arg(problem.failed_step)
                                  : QStringLiteral("all'inizio, il problema non si apre");
            }
            for (const Finding& f : problem.findings)
                group.findings.push_back({f, place(f, problem.number)});
            groups.push_back(std::move(group));
        }
    }
    groups.push_back(plainGroup(QStringLiteral("Aspetto, animazioni e suoni"), report.other_files));

    std::vector<FindingGroup> shown;
    for (FindingGroup& group : groups) {
        if (group.findings.empty() && group.stuck.isEmpty())
            continue;
        sortErrorsFirst(group.findings);
        group.has_error = !group.stuck.isEmpty() ||
                          std::any_of(group.findings.begin(), group.findings.end(),
                                      [](const PlacedFinding& p) { return p.finding.severity == Severity::Error; });
        shown.push_back(std::move(group));
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](const FindingGroup& a, const FindingGroup& b) { return a.has_error && !b.has_error; });
    return shown;
}

QString findingText(const check::Finding& finding)
{
    QString text = QString::fromStdString(finding.file);
    if (finding.line > 0)
        text += QStringLiteral(", riga %1").arg(finding.line);
    text += finding.severity == Severity::Error ? QStringLiteral(": errore: ") : QStringLiteral(": avviso: ");
    return text + QString::fromStdString(finding.message);
}

}  // namespace quorvia::teacher
