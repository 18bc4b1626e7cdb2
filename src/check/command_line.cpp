// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/command_line.h"

#include "shell/resource_folder.h"

namespace quorvia::check {

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool options = true;
    bool folderGiven = false;
    const auto takeFolder = [&](const QString& folder) {
        if (folderGiven) {
            line.error = QStringLiteral("si controlla una cartella alla volta: %1 è di troppo").arg(folder);
            return false;
        }
        line.folder = folder;
        folderGiven = true;
        return true;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString folder;
        if (options && readResourceOption(arguments, i, folder, line.error)) {
            if (!line.error.isEmpty() || !takeFolder(folder))
                return line;
        } else if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && argument == QLatin1String("--json")) {
            line.json = true;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            line.help = true;
        } else if (options && argument == QLatin1String("--version")) {
            line.version = true;
        } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            line.error = QStringLiteral("opzione sconosciuta: %1").arg(argument);
            return line;
        } else if (argument.isEmpty()) {
            line.error = QStringLiteral("il nome della cartella è vuoto");
            return line;
        } else if (!takeFolder(argument)) {
            return line;
        }
    }
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
