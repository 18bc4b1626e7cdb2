// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A progress record as a row of a progress file, and back. The columns are
// the record's fields, then "errori <passo>" and "aiuti <passo>" for every
// step any scheme has; a step the record's scheme lacks stays empty, so one
// header serves every scheme and a spreadsheet can add up a column.

#include "progress/csv.h"
#include "progress/progress_record.h"

#include <array>

namespace quorvia::progress {

const CsvRow& recordHeader();
CsvRow recordRow(const ProgressRecord& record);
// The record as a row under another header, the one of a file an older or
// newer program began: its columns in its order, a column this program does
// not know left empty, and a step the header lacks left out.
CsvRow recordRow(const ProgressRecord& record, const CsvRow& header);

// Reads the rows of a file by its own header, which an older or newer
// program may have written with other step columns; the columns are worked
// out once for the whole file.
class RecordReader {
public:
    explicit RecordReader(const CsvRow& header);
    // The record a row holds; false for a row that is not a whole record (a
    // damaged line).
    bool read(const CsvRow& row, ProgressRecord& record) const;
    // The header has a column for every field of a record.
    bool whole() const { return whole_; }

private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);
    struct StepColumns {
        std::string name;
        std::size_t errors;
        std::size_t hints;  // kMissing when the file has no such column
    };

    std::size_t width_;
    bool whole_ = true;  // the header has every field of a record
    std::array<std::size_t, 10> fields_{};
    std::vector<StepColumns> steps_;
};

// One row under `header`, as RecordReader reads it.
bool recordFromRow(const CsvRow& header, const CsvRow& row, ProgressRecord& record);

}  // namespace quorvia::progress
