// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A progress record as a row of a progress file, and back. The columns are
// the record's fields, then "errori <passo>" and "aiuti <passo>" for every
// step any scheme has; a step the record's scheme lacks stays empty, so one
// header serves every scheme and a spreadsheet can add up a column.

#include "progress/csv.h"
#include "progress/progress_record.h"

namespace quorvia::progress {

const CsvRow& recordHeader();
CsvRow recordRow(const ProgressRecord& record);

// The record a row holds under `header` (the file's own, which an older or
// newer program may have written with other step columns); false for a row
// that is not a whole record (a damaged line).
bool recordFromRow(const CsvRow& header, const CsvRow& row, ProgressRecord& record);

}  // namespace quorvia::progress
