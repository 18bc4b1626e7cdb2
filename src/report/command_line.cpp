// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/command_line.h"

#include "base/command_options.h"
#include "base/resource_folder.h"

namespace quorvia::report {

namespace {

std::function<QString(const QString&)> keeping(QString& value)
{
    return [&value](const QString& given) {
        value = given;
        return QString();
    };
}

// A `take` that reads a value with `read`, or says which values there are.
template <typename T>
std::function<QString(const QString&)> choosing(T& target, bool (*read)(const std::string&, T&),
                                                 const QString& option, const QString& choices)
{
    return [&target, read, option, choices](const QString& given) {
        if (read(given.toStdString(), target))
            return QString();
        return QStringLiteral("%1 vuole %2, non «%3»").arg(option, choices, given);
    };
}

template <typename T>
std::function<QString(const QString&)> choosingOptional(std::optional<T>& target,
                                                        bool (*read)(const std::string&, T&),
                                                        const QString& option, const QString& choices)
{
    return [&target, read, option, choices](const QString& given) {
        T value{};
        if (!read(given.toStdString(), value))
            return QStringLiteral("%1 vuole %2, non «%3»").arg(option, choices, given);
        target = value;
        return QString();
    };
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    const std::vector<CommandOption> options = {
        {{QStringLiteral("--csv")}, OptionValue::File, keeping(line.csv)},
        {{QStringLiteral("--pdf")}, OptionValue::File, keeping(line.pdf)},
        {{kResourceOption}, OptionValue::Folder, keeping(line.resources)},
        {{QStringLiteral("--bambino")}, OptionValue::Word,
         [&line](const QString& given) {
             line.filter.child = given.trimmed().toStdString();
             return line.filter.child.empty() ? QStringLiteral("il nome dopo --bambino è vuoto") : QString();
         }},
        {{QStringLiteral("--modo")}, OptionValue::Word,
         choosingOptional(line.filter.mode, &progress::modeFromName, QStringLiteral("--modo"),
                          QStringLiteral("principiante o avanzato"))},
        {{QStringLiteral("--schema")}, OptionValue::Word,
         choosingOptional(line.filter.scheme, &progress::schemeFromName, QStringLiteral("--schema"),
                          QStringLiteral("3, 4a, 4b o 5"))},
        {{QStringLiteral("--periodo")}, OptionValue::Word,
         choosing(line.filter.period, &progress::periodFromWord, QStringLiteral("--periodo"),
                  QStringLiteral("oggi, settimana, mese, anno o tutto"))},
        {{QStringLiteral("--json")}, OptionValue::None, setting(line.json)},
        {{QStringLiteral("--help"), QStringLiteral("-h")}, OptionValue::None, setting(line.help)},
        {{QStringLiteral("--version")}, OptionValue::None, setting(line.version)},
    };
    line.error = readCommandLine(arguments, options, [&line](const QString& folder) {
        if (!line.folder.isEmpty())
            return QStringLiteral("si legge una cartella alla volta: %1 è di troppo").arg(folder);
        line.folder = folder;
        return QString();
    });
    return line;
}

QString usageText()
{
    return QStringLiteral(
        "Uso: quorvia-report [--csv FILE] [--pdf FILE] [--json] [--bambino NOME]\n"
        "                    [--modo MODO] [--schema SCHEMA] [--periodo PERIODO] [CARTELLA]\n"
        "\n"
        "Legge i progressi che Quorvia tiene per ogni bambino e scrive il resoconto\n"
        "della classe: per bambino, i problemi provati, risolti da solo, risolti con\n"
        "la soluzione e lasciati, e gli errori per tipo di passo; per problema,\n"
        "quanti bambini l'hanno provato e risolto e il passo con più errori.\n"
        "Senza CARTELLA legge la cartella dei progressi in uso: quella che\n"
        "GENERALE.INI indica con CARTELLA_PROGRESSI, altrimenti\n"
        "~/.local/share/quorvia/progressi.\n"
        "\n"
        "  --csv FILE           una riga per bambino e problema, per un foglio di calcolo\n"
        "  --pdf FILE           il resoconto da stampare (A4), con un grafico per bambino\n"
        "  --json               il resoconto in JSON, per altri programmi\n"
        "  --bambino NOME       solo le registrazioni di un bambino\n"
        "  --modo MODO          solo un modo: principiante o avanzato\n"
        "  --schema SCHEMA      solo uno schema: 3, 4a, 4b o 5\n"
        "  --periodo PERIODO    solo oggi, questa settimana (da lunedì), questo mese,\n"
        "                       l'anno scolastico (dal 1° settembre) o tutto:\n"
        "                       oggi, settimana, mese, anno o tutto (il solito)\n"
        "  --risorse CARTELLA   la cartella delle risorse il cui GENERALE.INI si legge\n"
        "  --version            la versione del programma\n"
        "  --help               questo aiuto\n"
        "\n"
        "Esce con 0 quando il resoconto è scritto, con 1 quando un file non si può\n"
        "scrivere o la cartella non si può leggere, con 2 per una riga di comando\n"
        "sbagliata.\n");
}

}  // namespace quorvia::report
