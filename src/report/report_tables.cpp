// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the two tables, as the text and the PDF show them.

#include "report/report_format.h"

namespace quorvia::report {

namespace {

QString number(long n)
{
    return QString::number(n);
}

QString counted(long n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

// What a cell shows of a text from the records: a name of thousands of
// characters would pad every row of its table to its width.
QString shown(const std::string& text)
{
    constexpr int kMaxCell = 40;
    QString cell = QString::fromStdString(text);
    if (cell.size() <= kMaxCell)
        return cell;
    int keep = kMaxCell - 1;
    if (cell.at(keep - 1).isHighSurrogate())
        --keep;
    return cell.left(keep) + QStringLiteral("…");
}

// The kind of step where a child made most errors; "" when none.
QString hardestKind(const progress::KindCounts& errors)
{
    int best = 0;
    QString kind;
    for (std::size_t k = 0; k < errors.size(); ++k) {
        if (errors[k] > best) {
            best = errors[k];
            kind = QString::fromStdString(progress::stepKinds()[k]);
        }
    }
    return kind;
}

}  // namespace

QString duration(long seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    const long minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString summaryLine(const progress::ClassReport& report)
{
    QString line = QStringLiteral("%1, %2, %3, %4")
                       .arg(counted(report.files, "file", "file"),
                            counted(report.records, "registrazione", "registrazioni"),
                            counted(static_cast<long>(report.children.size()), "bambino", "bambini"),
                            counted(static_cast<long>(report.problems.size()), "problema", "problemi"));
    if (report.damaged_lines > 0) {
        line += report.damaged_lines == 1
                    ? QStringLiteral("; 1 riga incompleta o rovinata saltata")
                    : QStringLiteral("; %1 righe incomplete o rovinate saltate").arg(report.damaged_lines);
    }
    if (!report.cut_files.empty())
        line += report.cut_files.size() == 1
                    ? QStringLiteral("; 1 file letto solo in parte")
                    : QStringLiteral("; %1 file letti solo in parte").arg(report.cut_files.size());
    if (!report.unreadable.empty())
        line += QStringLiteral("; %1 illeggibili").arg(counted(static_cast<long>(report.unreadable.size()), "file", "file"));
    return line;
}

Table childTable(const progress::ClassReport& report)
{
    Table t;
    t.headers = {QStringLiteral("Bambino"),       QStringLiteral("Provati"),  QStringLiteral("Da solo"),
                 QStringLiteral("Con la soluzione"), QStringLiteral("Lasciati")};
    for (const std::string& kind : progress::stepKinds())
        t.headers << QStringLiteral("Err. %1").arg(QString::fromStdString(kind));
    t.headers << QStringLiteral("Più difficile") << QStringLiteral("Aiuti") << QStringLiteral("Tempo");
    t.numeric = {false, true, true, true, true, true, true, true, true, false, true, true};
    for (const progress::ChildSummary& c : report.children) {
        QStringList row = {shown(c.name), number(c.tried), number(c.solved_alone),
                           number(c.solved_with_solution), number(c.left)};
        for (int n : c.errors_by_kind)
            row << number(n);
        row << hardestKind(c.errors_by_kind) << number(c.hints) << duration(c.seconds);
        t.rows << row;
    }
    return t;
}

Table problemTable(const progress::ClassReport& report)
{
    Table t;
    t.headers = {QStringLiteral("Problema"),  QStringLiteral("Modo"),   QStringLiteral("Schema"),
                 QStringLiteral("Provato"),   QStringLiteral("Risolto"), QStringLiteral("Da solo"),
                 QStringLiteral("Errori"),    QStringLiteral("Passo con più errori")};
    t.numeric = {false, false, false, true, true, true, true, false};
    // The problem's first words, when the resource folder had its file.
    const bool openings = !report.openings.empty();
    if (openings) {
        t.headers << QStringLiteral("Inizio del testo");
        t.numeric << false;
    }
    for (const progress::ProblemSummary& p : report.problems) {
        QString hardest = QStringLiteral("—");
        if (!p.hardest_step.empty()) {
            hardest = QStringLiteral("%1: %2, %3 su %4")
                          .arg(QString::fromStdString(p.hardest_step),
                               counted(p.hardest_step_errors, "errore", "errori"),
                               counted(p.children_erring_there, "bambino", "bambini"))
                          .arg(p.children_tried);
        }
        QStringList row{shown(p.problem.label()),
                        QString::fromLatin1(modeName(p.problem.mode)),
                        QString::fromLatin1(schemeName(p.problem.scheme)),
                        number(p.children_tried),
                        number(p.children_solved),
                        number(p.children_solved_alone),
                        number(p.errors),
                        hardest};
        if (openings)
            row << QString::fromStdString(report.openingOf(p.problem));
        t.rows << row;
    }
    return t;
}

Table reviewTable(const progress::ClassReport& report)
{
    Table t;
    t.headers = {QStringLiteral("Bambino"), QStringLiteral("Da ripassare oggi")};
    t.numeric = {false, false};
    for (const progress::ChildSummary& c : report.children) {
        QStringList labels;
        for (const progress::ProblemKey& key : c.due_for_review)
            labels << shown(key.label());
        if (!labels.isEmpty())
            t.rows << QStringList{shown(c.name), labels.join(QStringLiteral(", "))};
    }
    return t;
}

}  // namespace quorvia::report
