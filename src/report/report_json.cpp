// SPDX-License-Identifier: GPL-3.0-or-later
// The class report in JSON, for other programs.

#include "report/report_format.h"

#include "content/terminal_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvia::report {

namespace {

QJsonObject kindCounts(const progress::KindCounts& counts)
{
    QJsonObject out;
    for (std::size_t k = 0; k < counts.size(); ++k)
        out.insert(QString::fromStdString(progress::stepKinds()[k]), counts[k]);
    return out;
}

// The problem, with its first words when the resource folder had its file.
QJsonObject problemKey(const progress::ClassReport& report, const progress::ProblemKey& key)
{
    const std::string& opening = report.openingOf(key);
    return {{QStringLiteral("file"), QString::fromStdString(key.file)},
            {QStringLiteral("problem"), key.problem},
            {QStringLiteral("mode"), QString::fromLatin1(modeName(key.mode))},
            {QStringLiteral("scheme"), QString::fromLatin1(schemeName(key.scheme))},
            {QStringLiteral("opening"), opening.empty() ? QJsonValue() : QString::fromStdString(opening)}};
}

QJsonObject child(const progress::ClassReport& report, const progress::ChildSummary& c)
{
    QJsonArray problems;
    for (const progress::ChildProblem& p : c.problems) {
        QJsonObject o = problemKey(report, p.problem);
        o.insert(QStringLiteral("attempts"), p.attempts);
        o.insert(QStringLiteral("result"), QString::fromLatin1(progress::resultText(p.result)));
        o.insert(QStringLiteral("errors"), p.errors);
        o.insert(QStringLiteral("errors_by_kind"), kindCounts(p.errors_by_kind));
        o.insert(QStringLiteral("hints"), p.hints);
        o.insert(QStringLiteral("seconds"), static_cast<qint64>(p.seconds));
        problems.append(o);
    }
    QJsonArray due;
    for (const progress::ProblemKey& key : c.due_for_review)
        due.append(problemKey(report, key));
    return {{QStringLiteral("name"), QString::fromStdString(c.name)},
            {QStringLiteral("tried"), c.tried},
            {QStringLiteral("solved_alone"), c.solved_alone},
            {QStringLiteral("solved_with_solution"), c.solved_with_solution},
            {QStringLiteral("left"), c.left},
            {QStringLiteral("attempts"), c.attempts},
            {QStringLiteral("errors"), c.errors()},
            {QStringLiteral("errors_by_kind"), kindCounts(c.errors_by_kind)},
            {QStringLiteral("hints"), c.hints},
            {QStringLiteral("seconds"), static_cast<qint64>(c.seconds)},
            {QStringLiteral("problems"), problems},
            {QStringLiteral("due_for_review"), due}};
}

QJsonObject problem(const progress::ClassReport& report, const progress::ProblemSummary& p)
{
    QJsonObject o = problemKey(report, p.problem);
    o.insert(QStringLiteral("children_tried"), p.children_tried);
    o.insert(QStringLiteral("children_solved"), p.children_solved);
    o.insert(QStringLiteral("children_solved_alone"), p.children_solved_alone);
    o.insert(QStringLiteral("errors"), p.errors);
    if (p.hardest_step.empty()) {
        o.insert(QStringLiteral("hardest_step"), QJsonValue::Null);
    } else {
        o.insert(QStringLiteral("hardest_step"),
                 QJsonObject{{QStringLiteral("step"), QString::fromStdString(p.hardest_step)},
                             {QStringLiteral("errors"), p.hardest_step_errors},
                             {QStringLiteral("children"), p.children_erring_there}});
    }
    return o;
}

}  // namespace

QByteArray jsonReport(const progress::ClassReport& report, const QString& folder)
{
    QJsonArray children, problems, unreadable, cut;
    for (const progress::ChildSummary& c : report.children)
        children.append(child(report, c));
    for (const progress::ProblemSummary& p : report.problems)
        problems.append(problem(report, p));
    for (const std::string& why : report.unreadable)
        unreadable.append(QString::fromStdString(why));
    for (const std::string& path : report.cut_files)
        cut.append(QString::fromStdString(path));
    const QJsonObject root{{QStringLiteral("folder"), folder},
                           {QStringLiteral("files"), report.files},
                           {QStringLiteral("records"), report.records},
                           {QStringLiteral("damaged_lines"), report.damaged_lines},
                           {QStringLiteral("unreadable"), unreadable},
                           {QStringLiteral("cut_files"), cut},
                           {QStringLiteral("children"), children},
                           {QStringLiteral("problems"), problems}};
    // Printed on a terminal as often as read by a program.
    return QByteArray::fromStdString(
        jsonWithControlsEscaped(QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString()));
}

}  // namespace quorvia::report
