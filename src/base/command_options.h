// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command lines of quorvia-check and quorvia-report, read one way:
// flags, options with a value ("--csv FILE" or "--csv=FILE"), "--" ending
// the options, and names that are no option (a folder).

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace quorvia {

// What an option's value names, for the messages about a missing one.
// A Word is any other value: a name, a choice among a few words.
enum class OptionValue { None, Folder, File, Word };

struct CommandOption {
    QStringList names;  // "--help", "-h"
    OptionValue value = OptionValue::None;
    // Takes the option's value (empty for a flag); returns why it cannot,
    // empty when it can.
    std::function<QString(const QString& value)> take;
};

// A `take` for a flag: sets `flag`.
std::function<QString(const QString&)> setting(bool& flag);

// `name` with its value at arguments[index]: true when the argument is that
// option, with `index` moved past its value and `value` set, or `error` set
// when the value is missing or empty.
bool readValueOption(const QString& name, OptionValue kind, const QStringList& arguments, int& index,
                     QString& value, QString& error);

// Reads `arguments` (without the program's name). An argument that is no
// option goes to `operand`, which returns why it cannot take it. Returns the
// first mistake of the line; empty when there is none.
QString readCommandLine(const QStringList& arguments, const std::vector<CommandOption>& options,
                        const std::function<QString(const QString& operand)>& operand);

}  // namespace quorvia
