// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces every part of the lint shares: making a finding, quoting a
// teacher's text, and the findings about a file's structure that the reader
// passes over in silence.

#include "check/check_report.h"
#include "check/ini_outline.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia::check {

Finding error(std::string code, std::string file, int line, std::string message);
Finding warning(std::string code, std::string file, int line, std::string message);

// «text», shortened to a readable length.
std::string quote(std::string_view text);

// The warning "outside-folder" when `found`, the file the folder gave for
// `name`, lies outside the folder; `what` says what it is ("l'immagine").
void addOutsideFolderFinding(const std::string& folder, const std::string& name, const std::string& found,
                             const std::string& what, const std::string& file, int line, std::vector<Finding>& out);

// The last component of a path, as a teacher finds the file in the folder.
std::string fileNameOf(const std::string& path);
// Names as the program compares them: ASCII letters in capitals.
std::string upperAscii(std::string_view text);

// What stands against a file as a whole: bytes that are no text are one
// error, and the result is false (the rest of the file's lint would only
// bury that under findings of its own); a file cut at the size limit is a
// warning at the first line not read.
bool addFileFindings(const IniOutline& outline, const std::string& file, std::vector<Finding>& out);

// A header without its "]", a second section of the same name, a key written twice in a section, a key
// before any section, a value longer than the reader takes. `knownSection`
// and `knownKey(section, key)` tell which names the program reads; the
// others are reported as probably misspelt.
struct KnownNames {
    std::function<bool(const std::string& section)> section;
    std::function<bool(const std::string& section, const std::string& key)> key;
};
void addStructureFindings(const IniOutline& outline, const std::string& file, const KnownNames& known,
                          std::vector<Finding>& out);

}  // namespace quorvia::check
