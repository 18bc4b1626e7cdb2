// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma-separated values as RFC 4180 has them (fields quoted when they hold
// a comma or a quote, records ended by CR LF), with one rule more: a record
// is one line. The writer turns a line break inside a field into a blank, so
// a line that does not parse (a stray quote, a cut write) is one damaged line
// and the next line starts afresh.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia::progress {

using CsvRow = std::vector<std::string>;

// One record, with its CR LF.
std::string csvLine(const CsvRow& fields);

// The one definition of a line end, for the reader and for the append that
// cuts back a torn tail: CR, LF, or CR LF (one end, not two).
inline bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The fields of one line (without its line end); false when a quote is left
// open.
bool parseCsvLine(std::string_view line, CsvRow& row);

// Cuts bytes into lines as they come, in pieces of any size, holding no more
// than `maxLine` bytes of a line: a longer one is passed on as not whole.
class LineSplitter {
public:
    explicit LineSplitter(std::size_t maxLine) : max_line_(maxLine) {}

    // Calls onLine(std::string_view line, bool whole) for every line that ends
    // within `bytes`.
    template <typename OnLine>
    void feed(std::string_view bytes, OnLine&& onLine)
    {
        if (bytes.empty())
            return;
        std::size_t i = 0;
        if (after_cr_ && bytes.front() == '\n')
            i = 1;  // the LF of a CR LF split between two pieces
        after_cr_ = false;
        while (i < bytes.size()) {
            std::size_t end = i;
            while (end < bytes.size() && !isLineEnd(bytes[end]))
                ++end;
            take(bytes.substr(i, end - i));
            if (end == bytes.size())
                return;
            onLine(std::string_view(line_), !too_long_);
            line_.clear();
            started_ = too_long_ = false;
            i = end + 1;
            if (bytes[end] == '\r') {
                if (i == bytes.size())
                    after_cr_ = true;
                else if (bytes[i] == '\n')
                    ++i;
            }
        }
    }

    // Bytes after the last line end: the record a cut write left.
    bool unfinished() const { return started_; }

private:
    void take(std::string_view piece)
    {
        if (piece.empty())
            return;
        started_ = true;
        const std::size_t room = max_line_ - line_.size();
        if (piece.size() > room)
            too_long_ = true;
        line_.append(piece.substr(0, std::min(room, piece.size())));
    }

    std::size_t max_line_;
    std::string line_;
    bool started_ = false;
    bool too_long_ = false;
    bool after_cr_ = false;
};

struct CsvText {
    std::vector<CsvRow> rows;
    int damaged_lines = 0;  // lines that do not parse, the torn tail not among them
    // The text ended inside a record: the last write was cut short. That
    // record is not among the rows.
    bool torn_tail = false;
};

CsvText parseCsv(std::string_view text);

}  // namespace quorvia::progress
