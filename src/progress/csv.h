// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma-separated values as RFC 4180 has them: fields quoted when they hold
// a comma, a quote or a line break, records ended by CR LF. Reading takes LF
// alone as well, and keeps apart the unfinished record a cut write leaves.

#include <string>
#include <vector>

namespace quorvia::progress {

using CsvRow = std::vector<std::string>;

// One record, with its CR LF.
std::string csvLine(const CsvRow& fields);

struct CsvText {
    std::vector<CsvRow> rows;
    // The text ended inside a record: the last write was cut short. That
    // record is not among the rows.
    bool torn_tail = false;
};

CsvText parseCsv(const std::string& text);

}  // namespace quorvia::progress
