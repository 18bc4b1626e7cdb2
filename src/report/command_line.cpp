// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/command_line.h"

#include "shell/resource_folder.h"

namespace quorvia::report {

namespace {

// "--csv FILE" or "--csv=FILE" at arguments[index]: true when the argument
// is that option, with `index` moved past its file.
bool readFileOption(const QString& option, const QStringList& arguments, int& index, QString& file,
                    QString& error)
{
    const QString& argument = arguments.at(index);
    if (argument.startsWith(option + QLatin1Char('='))) {
        file = argument.mid(option.size() + 1);
    } else if (argument == option) {
        if (index + 1 >= arguments.size()) {
            error = QStringLiteral("manca il nome del file dopo %1").arg(option);
            return true;
        }
        file = arguments.at(++index);
    } else {
        return false;
    }
    if (file.isEmpty())
        error = QStringLiteral("il nome del file dopo %1 è vuoto").arg(option);
    return true;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool options = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString value;
        if (options && (readFileOption(QStringLiteral("--csv"), arguments, i, line.csv, line.error) ||
                        readFileOption(QStringLiteral("--pdf"), arguments, i, line.pdf, line.error) ||
                        readResourceOption(arguments, i, line.resources, line.error))) {
            if (!line.error.isEmpty())
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
        } else if (!line.folder.isEmpty()) {
            line.error = QStringLiteral("si legge una cartella alla volta: %1 è di troppo").arg(argument);
            return line;
        } else {
            line.folder = argument;
        }
    }
    return line;
}

QString usageText()
{
    return QStringLiteral(
        "Uso: quorvia-report [--csv FILE] [--pdf FILE] [--json] [CARTELLA]\n"
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
        "  --risorse CARTELLA   la cartella delle risorse il cui GENERALE.INI si legge\n"
        "  --version            la versione del programma\n"
        "  --help               questo aiuto\n"
        "\n"
        "Esce con 0 quando il resoconto è scritto, con 1 quando un file non si può\n"
        "scrivere o la cartella non si può leggere, con 2 per una riga di comando\n"
        "sbagliata.\n");
}

}  // namespace quorvia::report
