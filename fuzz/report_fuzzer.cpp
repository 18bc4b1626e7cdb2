// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a folder of progress files and a resource folder, through
// quorvia-report's whole path: the folder read, the class report built, the
// problems' first words read from the problem file, and the text, JSON and
// spreadsheet forms written. The input is cut at each "\n==\n" into up to
// three progress files and, last, the problem file A_SCHEMA3.INI. Beyond
// crashes, hangs and leaks: no form carries a control character a terminal
// would act on, the JSON reads back with the figures it was made from, and
// the spreadsheet rows parse as whole lines of one width.

#include "progress/class_report.h"
#include "progress/csv.h"
#include "progress/progress_file.h"
#include "report/report_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

using namespace quorvia;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s: [%s]\n", what, detail.c_str());
    std::abort();
}

std::string folderNamed(const char* name) {
    const std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string made = base + "/quorvia-report-fuzz-" + std::to_string(::getpid()) + "/" + name;
    std::filesystem::remove_all(made);
    std::filesystem::create_directories(made);
    return made;
}

void write(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A byte a terminal acts on: C0 but the line break, DEL, and C1 as UTF-8.
void checkTerminalSafe(const char* form, std::string_view text, bool tabs) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool allowed = c == '\n' || (tabs && (c == '\r'));
        if ((c < 0x20 && !allowed) || c == 0x7F)
            fail(form, "a control character reaches the output");
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) < 0xA0)
            fail(form, "a C1 control reaches the output");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string progress = folderNamed("progressi");
    static const std::string resources = folderNamed("risorse");
    std::filesystem::remove_all(progress);
    std::filesystem::create_directories(progress);

    std::vector<std::string_view> pieces;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (pieces.size() < 3) {
        const std::size_t cut = rest.find("\n==\n");
        if (cut == std::string_view::npos)
            break;
        pieces.push_back(rest.substr(0, cut));
        rest.remove_prefix(cut + 4);
    }
    pieces.push_back(rest);
    const std::string_view problemFile = pieces.size() > 1 ? pieces.back() : std::string_view();
    if (pieces.size() > 1)
        pieces.pop_back();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        write(progress + "/" + std::string(1, static_cast<char>('a' + i)) + "@pc.csv", pieces[i]);
    write(resources + "/A_SCHEMA3.INI", problemFile);

    std::string folderError;
    const std::vector<progress::ProgressFile> files = progress::readProgressFolder(progress, &folderError);
    if (!folderError.empty() || files.size() != pieces.size())
        fail("the folder does not read", folderError);
    progress::ClassReport report = progress::buildClassReport(files);
    progress::addProblemOpenings(report, resources);

    int records = 0;
    for (const progress::ProgressFile& f : files)
        records += static_cast<int>(f.records.size());
    if (report.records != records)
        fail("records lost or counted twice");
    for (const progress::ChildSummary& c : report.children) {
        if (c.tried != c.solved_alone + c.solved_with_solution + c.left || c.errors() < 0 || c.seconds < 0 ||
            c.hints < 0)
            fail("a child's figures do not add up", c.name);
    }
    for (const auto& [key, opening] : report.openings) {
        if (opening.empty() || opening.find_first_of("|\r\n") != std::string::npos)
            fail("an opening is not one line of text", opening);
    }

    const QString folder = QString::fromStdString(progress);
    const std::string text = report::textReport(report, folder).toStdString();
    checkTerminalSafe("text", text, false);

    const QByteArray json = report::jsonReport(report, folder);
    checkTerminalSafe("json", json.toStdString(), false);
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError)
        fail("the JSON does not read back", error.errorString().toStdString());
    if (root.value(QStringLiteral("records")).toInt() != report.records ||
        root.value(QStringLiteral("children")).toArray().size() != static_cast<int>(report.children.size()) ||
        root.value(QStringLiteral("problems")).toArray().size() != static_cast<int>(report.problems.size()))
        fail("the JSON holds other figures");

    const std::string csv = report::csvReport(report).toStdString();
    checkTerminalSafe("csv", csv, true);
    const progress::CsvText rows = progress::parseCsv(csv);
    if (rows.damaged_lines != 0 || rows.torn_tail || rows.rows.empty())
        fail("the spreadsheet rows do not parse");
    for (const progress::CsvRow& row : rows.rows) {
        if (row.size() != rows.rows.front().size())
            fail("a spreadsheet row of another width");
    }
    return 0;
}
