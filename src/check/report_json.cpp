// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/report_format.h"

#include "content/terminal_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvia::check {

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QJsonArray findingsJson(const std::vector<Finding>& findings)
{
    QJsonArray array;
    for (const Finding& f : findings) {
        array.append(QJsonObject{
            {"severity", f.severity == Severity::Error ? "error" : "warning"},
            {"code", text(f.code)},
            {"file", text(f.file)},
            {"line", f.line},
            {"message", text(f.message)},
        });
    }
    return array;
}

const char* outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Solved: return "solved";
    case Outcome::NotSolved: return "not-solved";
    case Outcome::NotTried: return "not-tried";
    }
    return "not-tried";
}

}  // namespace

std::string formatJson(const CheckReport& report)
{
    QJsonObject encodings;
    for (const FileEncoding& e : report.encodings)
        encodings.insert(text(e.file), text(e.encoding));
    QJsonArray files;
    for (const ProblemFileReport& file : report.files) {
        QJsonArray problems;
        for (const ProblemReport& problem : file.problems) {
            problems.append(QJsonObject{
                {"number", problem.number},
                {"outcome", outcomeName(problem.outcome)},
                {"failed_step", problem.failed_step},
                {"findings", findingsJson(problem.findings)},
            });
        }
        files.append(QJsonObject{
            {"file", text(file.file_name)},
            {"mode", file.mode == Mode::Beginner ? "beginner" : "advanced"},
            {"scheme", schemeName(file.scheme)},
            {"offered", file.offered},
            {"findings", findingsJson(file.findings)},
            {"problems", problems},
        });
    }
    const QJsonObject summary{
        {"files", static_cast<int>(report.files.size())},
        {"problems", report.problemCount()},
        {"solved", report.count(Outcome::Solved)},
        {"not_solved", report.count(Outcome::NotSolved)},
        {"not_tried", report.count(Outcome::NotTried)},
        {"errors", report.count(Severity::Error)},
        {"warnings", report.count(Severity::Warning)},
    };
    const QJsonObject root{
        {"folder", text(report.folder)},
        {"decimal_separator", QString(QLatin1Char(report.decimal_separator))},
        {"decimal_separator_source",
         report.decimal_separator_source == SeparatorSource::Generale ? "GENERALE.INI" : "locale"},
        {"passed", report.passed()},
        {"summary", summary},
        {"general", findingsJson(report.general)},
        {"files", files},
        {"other_files", findingsJson(report.other_files)},
        {"encodings", encodings},
    };
    return jsonWithControlsEscaped(QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString());
}

}  // namespace quorvia::check
