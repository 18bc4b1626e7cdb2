// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/csv.h"

#include <limits>

namespace quorvia::progress {

namespace {

std::string quotedIfNeeded(const std::string& field)
{
    std::string flat = field;
    for (char& c : flat) {
        if (isLineEnd(c))
            c = ' ';
    }
    if (flat.find_first_of(",\"") == std::string::npos)
        return flat;
    std::string quoted = "\"";
    for (char c : flat) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string csvLine(const CsvRow& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += quotedIfNeeded(fields[i]);
    }
    return line + "\r\n";
}

bool parseCsvLine(std::string_view line, CsvRow& row)
{
    row.clear();
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    row.push_back(std::move(field));
    return !quoted;
}

CsvText parseCsv(std::string_view text)
{
    CsvText out;
    LineSplitter lines(std::numeric_limits<std::size_t>::max());
    CsvRow row;
    lines.feed(text, [&](std::string_view line, bool) {
        if (parseCsvLine(line, row))
            out.rows.push_back(row);
        else
            ++out.damaged_lines;
    });
    out.torn_tail = lines.unfinished();
    return out;
}

}  // namespace quorvia::progress
