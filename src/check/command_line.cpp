#include "check/command_line.h"

namespace quorvia::check {

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool options = true;
    bool folderGiven = false;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && argument == QLatin1String("--json")) {
            line.json = true;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            line.help = true;
        } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            line.error = QStringLiteral("opzione sconosciuta: %1").arg(argument);
            return line;
        } else if (folderGiven) {
            line.error = QStringLiteral("si controlla una cartella alla volta: %1 è di troppo").arg(argument);
            return line;
        } else if (argument.isEmpty()) {
            line.error = QStringLiteral("il nome della cartella è vuoto");
            return line;
        } else {
            line.folder = argument;
            folderGiven = true;
        }
    }
    return line;
}

QString usageText()
{
    return QStringLiteral(
        "Uso: quorvia-check [--json] [CARTELLA]\n"
        "\n"
        "Controlla una cartella di problemi di Quorvia (senza CARTELLA, la cartella\n"
        "RISORSE accanto al programma): GENERALE.INI e ogni file di problemi che nomina,\n"
        "poi risolve ogni problema nelle finestre del programma, senza mostrarle.\n"
        "\n"
        "  --json   il resoconto in JSON, per altri programmi\n"
        "  --help   questo aiuto\n"
        "\n"
        "Esce con 0 quando ogni problema si può finire e non c'è nessun errore,\n"
        "con 1 quando c'è qualcosa da correggere, con 2 per una riga di comando\n"
        "sbagliata o una cartella senza GENERALE.INI.\n");
}

}  // namespace quorvia::check
