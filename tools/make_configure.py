#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes CONFIGURE.INI, the bundled appearance settings: the title line
`Titolo` of every exercise window names the kind of problem.

A label's wording is kept per mode and scheme, but its colour per problem,
and a problem without its own colour shows the label red. So every problem
the windows can hold (1 to 20) gets its own section with the design blue.

Usage: make_configure.py [output folder]   (default resources/RISORSE)
"""

import os
import sys

TITLES = {
    1: "Problemi con un'operazione",
    2: "Problemi con quattro dati",
    3: "Problemi con due domande",
    4: "Problemi con due operazioni",
}
MODES = (1, 2, 3)          # beginner, advanced, advanced (second list)
PROBLEMS = range(1, 21)    # as many as a window can hold
BLUE = 255 << 16           # colours are stored with red in the low byte


def configure_text():
    lines = [
        "; Quorvia - aspetto delle finestre dei problemi.",
        "; Sezioni: <etichetta>_S<modo>_L<schema> per il testo (CAPTION),",
        "; <etichetta>_S<modo>_L<schema>_P<problema> per colore (COLOR) e carattere (FONT).",
        "; La maestra cambia l'aspetto con il tasto destro del mouse: il programma riscrive questo file.",
        "",
    ]
    for mode in MODES:
        for scheme, title in TITLES.items():
            lines += [f"[Titolo_S{mode}_L{scheme}]", f"CAPTION={title}", ""]
            for problem in PROBLEMS:
                lines += [f"[Titolo_S{mode}_L{scheme}_P{problem}]", "NAME=Titolo", f"COLOR={BLUE}", ""]
    return "\r\n".join(lines)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("resources", "RISORSE")
    with open(os.path.join(folder, "CONFIGURE.INI"), "w", encoding="ascii", newline="") as out:
        out.write(configure_text())


if __name__ == "__main__":
    main()
