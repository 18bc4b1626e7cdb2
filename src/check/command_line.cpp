// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/command_line.h"

#include "base/command_options.h"
#include "base/resource_folder.h"

namespace quorvia::check {

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool folderGiven = false;
    const auto takeFolder = [&](const QString& folder) {
        if (folderGiven)
            return QStringLiteral("si controlla una cartella alla volta: %1 è di troppo").arg(folder);
        line.folder = folder;
        folderGiven = true;
        return QString();
    };
    const std::vector<CommandOption> options = {
        {{kResourceOption}, OptionValue::Folder, takeFolder},
        {{QStringLiteral("--json")}, OptionValue::None, setting(line.json)},
        {{QStringLiteral("--help"), QStringLiteral("-h")}, OptionValue::None, setting(line.help)},
        {{QStringLiteral("--version")}, OptionValue::None, setting(line.version)},
    };
    line.error = readCommandLine(arguments, options, takeFolder);
    return line;
}

QString usageText()
{
    return QStringLiteral(
        "Uso: quorvia-check [--json] [CARTELLA | --risorse CARTELLA]\n"
        "\n"
        "Controlla una cartella di problemi di Quorvia: GENERALE.INI e ogni file di\n"
        "problemi che nomina, poi risolve ogni problema nelle finestre del programma,\n"
        "senza mostrarle. Senza CARTELLA controlla quella della variabile d'ambiente\n"
        "QUORVIA_RISORSE, se c'è, altrimenti la cartella che userebbe Quorvia:\n"
        "RISORSE accanto al programma, oppure quella installata in\n"
        "../share/quorvia/RISORSE.\n"
        "\n"
        "  --json               il resoconto in JSON, per altri programmi\n"
        "  --risorse CARTELLA   la cartella da controllare, come per quorvia\n"
        "  --version            la versione del programma\n"
        "  --help               questo aiuto\n"
        "\n"
        "Esce con 0 quando ogni problema si può finire e non c'è nessun errore,\n"
        "con 1 quando c'è qualcosa da correggere, con 2 per una riga di comando\n"
        "sbagliata o una cartella senza GENERALE.INI.\n");
}

}  // namespace quorvia::check
