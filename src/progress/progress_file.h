// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress files of a folder: one per child and per computer, so that
// the computers of a classroom writing to one shared folder never write the
// same file. A record is appended as one write of whole lines and made
// durable before the append returns; a line cut short by a power cut is
// left out when reading, and the next append starts after the last whole line.

#include "progress/progress_record.h"

#include <string>
#include <vector>

namespace quorvia::progress {

// "giulia_rossi@aula3-pc05.csv": the child's name and the computer's, each
// cut down to what every file system and network share takes (ASCII letters
// in lower case, digits, "-" and "_"; Italian accented letters lose their
// accent). Names that differ only there share a file, which is harmless:
// every record carries the name as typed.
std::string progressFileName(const std::string& child, const std::string& computer);

// This computer's host name ("computer" when it has none).
std::string hostName();

// Appends `record` to its child's file for its computer in `folder`
// (created when missing), with the header when the file is new. False, with
// an Italian `error`, when it could not be written.
bool appendRecord(const std::string& folder, const ProgressRecord& record, std::string* error = nullptr);

// A file is read up to this many bytes, well above what a class writes in
// years, so that a stray large file in the folder cannot hold the report.
constexpr std::size_t kMaxProgressFileBytes = 64u * 1024 * 1024;
// A line longer than this is no record of ours: it is a damaged line, and
// no more of it is kept than this.
constexpr std::size_t kMaxRecordLineBytes = 64u * 1024;

struct ProgressFile {
    std::string path;
    std::vector<ProgressRecord> records;
    int damaged_lines = 0;    // lines that are not whole records, the torn tail among them
    bool cut = false;         // longer than the limit: the rest was not read
    std::string error;        // why the file could not be read at all
};

// Only a regular file is read; `limit` is kMaxProgressFileBytes but for tests.
ProgressFile readProgressFile(const std::string& path, std::size_t limit = kMaxProgressFileBytes);

// Every progress file of `folder` ("*.csv"), in name order; `error` tells
// why the folder itself could not be read.
std::vector<ProgressFile> readProgressFolder(const std::string& folder, std::string* error = nullptr);

}  // namespace quorvia::progress
