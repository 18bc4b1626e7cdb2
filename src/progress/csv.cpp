// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/csv.h"

namespace quorvia::progress {

namespace {

std::string quotedIfNeeded(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
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

CsvText parseCsv(const std::string& text)
{
    CsvText out;
    CsvRow row;
    std::string field;
    bool quoted = false;     // inside a quoted field
    bool inRecord = false;   // something of the current record has been read
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            inRecord = true;
            break;
        case ',':
            row.push_back(std::move(field));
            field.clear();
            inRecord = true;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                break;  // the LF ends the record
            [[fallthrough]];
        case '\n':
            row.push_back(std::move(field));
            field.clear();
            out.rows.push_back(std::move(row));
            row.clear();
            inRecord = false;
            break;
        default:
            field += c;
            inRecord = true;
        }
    }
    out.torn_tail = inRecord || quoted;
    return out;
}

}  // namespace quorvia::progress
