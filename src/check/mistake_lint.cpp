// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/mistake_lint.h"

#include "check/lint_common.h"
#include "check/problem_keys.h"
#include "content/mistake_messages.h"
#include "content/normalize_answer.h"

#include <optional>
#include <regex>
#include <utility>
#include <vector>

namespace quorvia::check {

namespace {

enum class KeyForm {
    VariantMessage,    // VERIFICA_MSG_NO<s>_<k>
    ForeseenSentence,  // RISPOSTA_SBAGLIATA<s>_<j>
    ForeseenMessage,   // VERIFICA_MSG_NO<s>_SE<j>
    SchemeMessage,     // VERIFICA_MSG_SEGNO, ..._<row>
};

struct MistakeKey {
    KeyForm form;
    std::string name;
    int step = 0;
    int number = 0;  // variant, foreseen sentence or row (0: no suffix)
    MistakeKind kind = MistakeKind::General;
};

// Numbers as the program writes them in key names: no sign, no leading zero.
const std::string kNumber = "([1-9][0-9]{0,3})";

// The forms with a step and a number, each with the reader's own spelling,
// so that a name the lint accepts is a name the windows read.
struct NumberedForm {
    KeyForm form;
    std::regex pattern;
    std::string (*name)(int step, int number);
};

const std::vector<NumberedForm>& numberedForms()
{
    static const std::vector<NumberedForm> forms = {
        {KeyForm::VariantMessage, std::regex("VERIFICA_MSG_NO" + kNumber + "_" + kNumber), &wrongVariantKey},
        {KeyForm::ForeseenMessage, std::regex("VERIFICA_MSG_NO" + kNumber + "_SE" + kNumber), &foreseenMessageKey},
        {KeyForm::ForeseenSentence, std::regex("RISPOSTA_SBAGLIATA" + kNumber + "_" + kNumber),
         &foreseenSentenceKey},
    };
    return forms;
}

std::optional<MistakeKey> parseKey(const std::string& upper)
{
    std::smatch m;
    for (const NumberedForm& f : numberedForms()) {
        if (!std::regex_match(upper, m, f.pattern))
            continue;
        const int step = std::stoi(m[1]);
        const int number = std::stoi(m[2]);
        if (f.name(step, number) == upper)
            return MistakeKey{f.form, upper, step, number};
    }
    static const std::vector<std::pair<MistakeKind, std::regex>> schemeForms = [] {
        std::vector<std::pair<MistakeKind, std::regex>> forms;
        for (MistakeKind kind : kSchemeMistakeKinds)
            forms.emplace_back(kind, std::regex(schemeMistakeKey(kind, 0) + "(?:_" + kNumber + ")?"));
        return forms;
    }();
    for (const auto& [kind, pattern] : schemeForms) {
        if (std::regex_match(upper, m, pattern))
            return MistakeKey{KeyForm::SchemeMessage, upper, 0, m[1].matched ? std::stoi(m[1]) : 0, kind};
    }
    return std::nullopt;
}

int schemeRows(Scheme scheme)
{
    return hasSecondFormula(scheme) ? 2 : 1;
}

bool sentenceStep(Scheme scheme, int step)
{
    return step >= 1 && step <= stepCount(scheme) && step != operationStep(scheme);
}

struct Context {
    const IniFile& ini;
    const std::string& file;
    const std::string& section;
    Mode mode;
    Scheme scheme;
    const ProblemContent& content;
    std::vector<Finding>& out;

    int line(const std::string& key) const { return ini.lineOf(section, key); }
    bool has(const std::string& key) const { return line(key) != 0; }
    void warn(const char* code, const MistakeKey& key, const std::string& message) const
    {
        out.push_back(warning(code, file, line(key.name), message));
    }
};

// False when the key names a step, variant, sentence or row the window does
// not have; the finding then says which.
bool numbersFit(const Context& c, const MistakeKey& key)
{
    const std::string scheme = schemeName(c.scheme);
    if (key.form == KeyForm::SchemeMessage) {
        if (key.number <= schemeRows(c.scheme))
            return true;
        const std::string without = schemeMistakeKey(key.kind, 0);
        c.warn("mistake-no-row", key,
               schemeRows(c.scheme) == 1
                   ? "lo schema " + scheme + " ha una sola operazione: " + key.name +
                         " non compare mai. Per la sua riga scrivi " + without + "."
                   : "lo schema " + scheme + " ha due righe (_1 e _2): " + key.name + " non compare mai.");
        return false;
    }
    if (!sentenceStep(c.scheme, key.step)) {
        const std::string step = "passo " + std::to_string(key.step);
        c.warn("mistake-no-step", key,
               key.step == operationStep(c.scheme)
                   ? "il " + step + " è lo schema dell'operazione, che non ha frasi: " + key.name +
                         " non compare mai. Per gli errori nello schema ci sono VERIFICA_MSG_SEGNO, "
                         "VERIFICA_MSG_ORDINE, VERIFICA_MSG_DATI e VERIFICA_MSG_CALCOLO."
                   : "lo schema " + scheme + " ha " + std::to_string(stepCount(c.scheme)) + " passi, quindi il " +
                         step + " non c'è: " + key.name + " non compare mai.");
        return false;
    }
    if (key.form == KeyForm::VariantMessage && key.number == 1) {
        c.warn("mistake-no-variant", key,
               "la variante 1 è la frase giusta e non è mai un errore: " + key.name +
                   " non compare mai. I messaggi vanno alle varianti da 2 a 5.");
        return false;
    }
    if (key.form == KeyForm::VariantMessage && key.number > kVariants) {
        c.warn("mistake-no-variant", key,
               "nell'elenco ci sono solo le varianti da 1 a 5: " + key.name + " non compare mai.");
        return false;
    }
    if (key.form != KeyForm::VariantMessage && key.number > kForeseenSentences) {
        c.warn("mistake-no-variant", key,
               "per ogni passo si possono prevedere al massimo 5 frasi sbagliate: " + key.name +
                   " non compare mai.");
        return false;
    }
    return true;
}

// False when the mode never uses the key.
bool modeUses(const Context& c, const MistakeKey& key)
{
    const std::string s = std::to_string(key.step);
    if (key.form == KeyForm::VariantMessage && c.mode == Mode::Advanced) {
        c.warn("mistake-other-mode", key,
               "nel modo avanzato le cinque varianti sono tutte frasi giuste: " + key.name +
                   " non compare mai. Per una frase sbagliata prevista scrivi RISPOSTA_SBAGLIATA" + s +
                   "_<j> e VERIFICA_MSG_NO" + s + "_SE<j>.");
        return false;
    }
    if ((key.form == KeyForm::ForeseenSentence || key.form == KeyForm::ForeseenMessage) &&
        c.mode == Mode::Beginner) {
        c.warn("mistake-other-mode", key,
               "nel modo principiante il bambino sceglie le frasi dall'elenco: " + key.name +
                   " non serve mai. Per il messaggio di una variante sbagliata scrivi VERIFICA_MSG_NO" + s +
                   "_<k>.");
        return false;
    }
    return true;
}

void lintForeseenSentence(const Context& c, const MistakeKey& key)
{
    const auto step = static_cast<std::size_t>(key.step);
    const auto j = static_cast<std::size_t>(key.number);
    const std::string message = foreseenMessageKey(key.step, key.number);
    if (!c.has(message)) {
        c.warn("foreseen-without-message", key,
               "manca " + message + ": a questa frase sbagliata il bambino vedrebbe il messaggio di sempre "
               "(VERIFICA_MSG_NO" + std::to_string(key.step) + ").");
    }
    const std::string normalized = NormalizeAnswer(c.content.mistakes.foreseen_sentence[step][j]);
    if (normalized.empty())
        return;
    for (int k = 1; k <= kVariants; ++k) {
        if (NormalizeAnswer(c.content.variants[step][static_cast<std::size_t>(k)]) == normalized) {
            c.warn("foreseen-accepted", key,
                   key.name + " è la variante " + std::to_string(k) + " del " + stepLabel(c.scheme, key.step) +
                       " per la finestra, che non guarda spazi e maiuscole: la finestra la accetta come giusta e " +
                       message + " non compare mai.");
            return;
        }
    }
    for (int earlier = 1; earlier < key.number; ++earlier) {
        if (NormalizeAnswer(c.content.mistakes.foreseen_sentence[step][static_cast<std::size_t>(earlier)]) ==
            normalized) {
            c.warn("foreseen-repeated", key,
                   key.name + " è la stessa frase di " + foreseenSentenceKey(key.step, earlier) +
                       " per la finestra: a questa frase compare il messaggio di quella, e " + message +
                       " non compare mai.");
            return;
        }
    }
}

void lintValue(const Context& c, const MistakeKey& key)
{
    const std::string value = c.ini.readString(c.section, key.name, "");
    if (value.empty()) {
        c.warn("empty-value", key,
               "la chiave " + key.name + " è vuota: al suo posto il bambino vedrebbe il messaggio di sempre.");
    } else if (key.form != KeyForm::ForeseenSentence && value.find('|') != std::string::npos) {
        c.warn("pipe-shown", key,
               "in " + key.name + " il segno «|» non va a capo: la finestra lo mostra così com'è.");
    }
}

}  // namespace

bool isMistakeKey(const std::string& upperName)
{
    return parseKey(upperName).has_value();
}

void lintMistakeKeys(const IniFile& ini, const std::string& file, const std::string& section, Mode mode,
                     Scheme scheme, const ProblemContent& content, std::vector<Finding>& out)
{
    const Context c{ini, file, section, mode, scheme, content, out};
    for (const std::string& name : ini.keyNames(section)) {
        const std::optional<MistakeKey> key = parseKey(upperAscii(name));
        if (!key || !numbersFit(c, *key) || !modeUses(c, *key))
            continue;
        lintValue(c, *key);
        if (key->form == KeyForm::ForeseenSentence) {
            lintForeseenSentence(c, *key);
        } else if (key->form == KeyForm::ForeseenMessage &&
                   !c.has(foreseenSentenceKey(key->step, key->number))) {
            c.warn("message-without-foreseen", *key,
                   "manca " + foreseenSentenceKey(key->step, key->number) +
                       ", la frase sbagliata a cui risponde: " + key->name + " non compare mai.");
        }
    }
}

}  // namespace quorvia::check
