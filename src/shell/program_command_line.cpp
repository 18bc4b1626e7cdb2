// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program_command_line.h"

#include "base/resource_folder.h"

namespace quorvia {

ProgramCommandLine parseProgramCommandLine(const QStringList& arguments)
{
    ProgramCommandLine line;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (readResourceOption(arguments, i, line.folder, line.error)) {
            if (!line.error.isEmpty())
                return line;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--insegnante")) {
            line.teacher = true;
        } else if (argument == QLatin1String("--version")) {
            line.version = true;
        } else if (argument == QLatin1String("--editor")) {
            line.editor = true;
        } else {
            line.error = argument.startsWith(QLatin1Char('-'))
                             ? QStringLiteral("opzione sconosciuta: %1").arg(argument)
                             : QStringLiteral("argomento inatteso: %1 (la cartella si indica con %2)")
                                   .arg(argument, kResourceOption);
            return line;
        }
    }
    return line;
}

QString programUsageText()
{
    return QStringLiteral(
        "Uso: quorvia [--risorse CARTELLA] [--insegnante] [--editor]\n"
        "\n"
        "Problemi di matematica per la scuola primaria, passo per passo.\n"
        "\n"
        "  --risorse CARTELLA  usa i problemi, i disegni e i suoni di CARTELLA\n"
        "                      (anche con la variabile d'ambiente QUORVIA_RISORSE)\n"
        "  --insegnante        apre l'area dell'insegnante: il controllo della\n"
        "                      cartella, la classe, le cartelle in uso\n"
        "  --editor            apre l'editor dei problemi per l'insegnante\n"
        "  --version           la versione del programma\n"
        "  --help              questo aiuto\n"
        "\n"
        "Senza cartella, Quorvia usa la cartella RISORSE accanto al programma,\n"
        "oppure quella installata in ../share/quorvia/RISORSE.\n");
}

}  // namespace quorvia
