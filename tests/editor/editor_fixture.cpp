// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_fixture.h"

#include "content/problem_file.h"
#include "content/scheme.h"

namespace quorvia::testing {

std::string smallProblem(int n, const std::string& text, const std::string& r1)
{
    // Every key a scheme-3 problem needs, so it has nothing to report.
    std::string out = "[PROBLEMA_" + std::to_string(n) + "]\n";
    out += "TESTO=" + text + "\n";
    out += "HELP_GENERALE=Leggi bene.\n";
    out += "R1=" + r1 + "\n";
    out += "MSG_DATO1=primo\nMSG_DATO2=secondo\nMSG_RISULTATO_FINALE=risultato\n";
    const char* sentences[] = {"", "Quanto fa?", "Il primo numero.", "Il secondo numero.", "", "Fa tanto."};
    for (int s = 1; s <= 5; ++s) {
        if (s == 4)
            continue;
        for (int k = 1; k <= kVariants; ++k) {
            out += variantKey(Scheme::S3, s, k) + "=" +
                   (k == 1 ? std::string(sentences[s]) : std::string(sentences[s]) + " (no " + std::to_string(k) + ")") +
                   "\n";
        }
    }
    for (int s = 1; s <= 5; ++s)
        out += "VERIFICA_MSG_NO" + std::to_string(s) + "=Riprova.\n";
    return out;
}

}  // namespace quorvia::testing
