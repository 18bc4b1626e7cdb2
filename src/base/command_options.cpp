// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/command_options.h"

namespace quorvia {

std::function<QString(const QString&)> setting(bool& flag)
{
    return [&flag](const QString&) {
        flag = true;
        return QString();
    };
}

bool readValueOption(const QString& name, OptionValue kind, const QStringList& arguments, int& index,
                     QString& value, QString& error)
{
    const QString& argument = arguments.at(index);
    const QString joined = name + QLatin1Char('=');
    if (argument.startsWith(joined)) {
        value = argument.mid(joined.size());
    } else if (argument == name) {
        if (index + 1 >= arguments.size()) {
            error = kind == OptionValue::Folder ? QStringLiteral("%1 vuole il nome di una cartella").arg(name)
                    : kind == OptionValue::Word ? QStringLiteral("manca il valore dopo %1").arg(name)
                                                : QStringLiteral("manca il nome del file dopo %1").arg(name);
            return true;
        }
        value = arguments.at(++index);
    } else {
        return false;
    }
    if (value.isEmpty()) {
        error = kind == OptionValue::Folder ? QStringLiteral("il nome della cartella è vuoto")
                : kind == OptionValue::Word ? QStringLiteral("il valore dopo %1 è vuoto").arg(name)
                                            : QStringLiteral("il nome del file dopo %1 è vuoto").arg(name);
    }
    return true;
}

namespace {

// The option `argument` is, with its value read; false when it is none.
bool readOption(const CommandOption& option, const QStringList& arguments, int& index, QString& error)
{
    if (option.value == OptionValue::None) {
        if (!option.names.contains(arguments.at(index)))
            return false;
        error = option.take(QString());
        return true;
    }
    for (const QString& name : option.names) {
        QString value;
        if (readValueOption(name, option.value, arguments, index, value, error)) {
            if (error.isEmpty())
                error = option.take(value);
            return true;
        }
    }
    return false;
}

}  // namespace

QString readCommandLine(const QStringList& arguments, const std::vector<CommandOption>& options,
                        const std::function<QString(const QString& operand)>& operand)
{
    bool reading = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString error;
        bool matched = false;
        if (reading) {
            for (const CommandOption& option : options) {
                if (readOption(option, arguments, i, error)) {
                    matched = true;
                    break;
                }
            }
        }
        if (matched) {
            if (!error.isEmpty())
                return error;
        } else if (reading && argument == QLatin1String("--")) {
            reading = false;
        } else if (reading && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return QStringLiteral("opzione sconosciuta: %1").arg(argument);
        } else if (argument.isEmpty()) {
            return QStringLiteral("il nome della cartella è vuoto");
        } else if (const QString refused = operand(argument); !refused.isEmpty()) {
            return refused;
        }
    }
    return QString();
}

}  // namespace quorvia
