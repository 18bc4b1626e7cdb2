// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from files anyone can edit (a teacher's INI files, a child's name in
// the progress records) on its way to a terminal or a spreadsheet, where a
// control character is an instruction rather than text.

#include <string>
#include <string_view>

namespace quorvia {

// Every control character (C0, DEL, C1; ESC above all) and every byte that
// is not UTF-8 written as an escape (\u001b, \x9b), so that no file can move
// the cursor, retitle the window or hide the rest of the output.
std::string terminalSafe(std::string_view text);

// JSON as Qt writes it, with DEL and the C1 controls escaped too: Qt escapes
// only C0 in strings. They can only stand inside strings, where an escape
// means the same.
std::string jsonWithControlsEscaped(std::string_view json);

}  // namespace quorvia
