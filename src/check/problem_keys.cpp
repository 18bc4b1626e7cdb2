// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/problem_keys.h"

#include "content/problem_file.h"

namespace quorvia::check {

namespace {

// DATO1_VALORE to DATO10_VALORE.
constexpr int kDataValueKeys = 10;

std::string quoted(const char* text)
{
    return std::string("«") + text + "»";
}

}  // namespace

const std::vector<KeyInfo>& programKeys()
{
    static const std::vector<KeyInfo> keys = {
        {"MSG_USCITA", KeyRole::ProgramText, "???"},
        {"MSG_RISOLTO_DA", KeyRole::ProgramText, "?"},
        {"MSG_RISOLTO_CON", KeyRole::ProgramText, "?"},
        {"BTN_VERIFICA", KeyRole::ProgramText, "?"},
        {"BTN_SOLUZIONE", KeyRole::ProgramText, "?"},
    };
    return keys;
}

std::vector<KeyInfo> problemKeys(Scheme scheme)
{
    std::vector<KeyInfo> keys = {
        {"TESTO", KeyRole::ProblemText, "???", true},
        {"JPG_PROBLEMA", KeyRole::Picture, ""},
        {"HELP_GENERALE", KeyRole::GeneralHelp, "?", true},
        {"R1", KeyRole::Formula, ""},
    };
    if (hasSecondFormula(scheme))
        keys.push_back({"R2", KeyRole::Formula, ""});

    // The partial caption breaks as the label under its box does; the copy
    // on Ljolly breaks in every scheme that has one.
    const CaptionRules& captions = captionRules(scheme);
    for (int n = 1; n <= captions.data_captions; ++n) {
        keys.push_back({"MSG_DATO" + std::to_string(n), KeyRole::Caption, "?",
                        captions.data_breaks[static_cast<std::size_t>(n)]});
    }
    if (captions.has_partial)
        keys.push_back({"MSG_RISULTATO_PARZIALE", KeyRole::Caption, "?", captions.partial_breaks});
    keys.push_back({"MSG_RISULTATO_FINALE", KeyRole::Caption, "?", true});

    const int steps = stepCount(scheme);
    for (int s = 1; s <= steps; ++s) {
        for (int k = 1; k <= kVariants; ++k) {
            const std::string key = variantKey(scheme, s, k);
            if (!key.empty())
                keys.push_back({key, KeyRole::Variant, "?", false, s, k});
        }
    }
    for (int s = 1; s <= steps; ++s)
        keys.push_back({"MSG_HELP" + std::to_string(s), KeyRole::Hint, "", false, s});
    for (int s = 1; s <= steps; ++s)
        keys.push_back({"VERIFICA_MSG_NO" + std::to_string(s), KeyRole::ErrorMessage, "?", false, s});
    if (firstDataIndex(scheme) == 1) {
        for (int n = 1; n <= kDataValueKeys; ++n)
            keys.push_back({"DATO" + std::to_string(n) + "_VALORE", KeyRole::DataValue, ""});
    }
    return keys;
}

bool showsPlaceholder(const KeyInfo& key)
{
    return key.fallback[0] == '?';
}

std::string stepLabel(Scheme scheme, int step)
{
    std::string label = "passo " + std::to_string(step);
    if (step == operationStep(scheme))
        return label + " (schema dell'operazione)";
    std::string stem = variantKey(scheme, step, 1);
    if (stem.empty())
        return label;
    stem.pop_back();  // the variant number
    if (!stem.empty() && stem.back() == '_')
        stem.pop_back();
    return label + " (" + stem + ")";
}

std::string missingConsequence(const KeyInfo& key, Mode mode)
{
    const std::string shown = quoted(key.fallback);
    const std::string step = "passo " + std::to_string(key.step);
    switch (key.role) {
    case KeyRole::ProgramText:
        if (key.name == "MSG_USCITA")
            return "la domanda prima di lasciare un problema sarebbe " + shown;
        if (key.name == "BTN_VERIFICA")
            return "i pulsanti Verifica mostrerebbero " + shown;
        if (key.name == "BTN_SOLUZIONE")
            return "il pulsante della soluzione mostrerebbe " + shown;
        return "la stampa del problema mostrerebbe " + shown;
    case KeyRole::ProblemText:
        return "al posto del testo del problema il bambino vedrebbe " + shown;
    case KeyRole::GeneralHelp:
        return "l'aiuto del problema mostrerebbe " + shown;
    case KeyRole::Caption:
        return "sotto la sua casella dello schema comparirebbe " + shown;
    case KeyRole::ErrorMessage:
        return "a ogni errore nel " + step + " comparirebbe il messaggio " + shown;
    case KeyRole::Variant:
        if (mode == Mode::Beginner) {
            return key.variant == 1 ? "la frase giusta del " + step + " sarebbe " + shown
                                    : "nell'elenco del " + step + " comparirebbe " + shown;
        }
        return key.variant == 1
                   ? "la soluzione del " + step + " mostrerebbe " + shown
                   : "nel " + step + " la finestra accetterebbe " + shown + " come risposta giusta";
    case KeyRole::Picture:
    case KeyRole::Formula:
    case KeyRole::Hint:
    case KeyRole::DataValue:
        break;
    }
    return "il bambino vedrebbe " + shown;
}

}  // namespace quorvia::check
