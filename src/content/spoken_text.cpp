// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/spoken_text.h"

#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>

namespace quorvia {
namespace {

constexpr std::array<const char*, 20> kUnits = {
    "zero",     "uno",      "due",         "tre",      "quattro",    "cinque",   "sei",
    "sette",    "otto",     "nove",        "dieci",    "undici",     "dodici",   "tredici",
    "quattordici", "quindici", "sedici",   "diciassette", "diciotto", "diciannove"};
constexpr std::array<const char*, 10> kTens = {"",          "",         "venti",    "trenta",
                                               "quaranta",  "cinquanta", "sessanta", "settanta",
                                               "ottanta",   "novanta"};

// Beyond this a number is left in digits: no problem for children has it.
constexpr unsigned long long kLargestSaid = 999'999'999ULL;

bool startsWithVowel(const std::string& word)
{
    return !word.empty() && (word[0] == 'u' || word[0] == 'o');
}

// "tre" closing a compound carries its accent: ventitré, centotré.
std::string accentFinalThree(std::string word)
{
    if (word.size() > 3 && word.compare(word.size() - 3, 3, "tre") == 0)
        word.replace(word.size() - 1, 1, "\xC3\xA9");  // "tr" + "é"
    return word;
}

std::string belowHundred(unsigned n)
{
    if (n < 20)
        return kUnits[n];
    std::string tens = kTens[n / 10];
    const unsigned unit = n % 10;
    if (unit == 0)
        return tens;
    std::string rest = kUnits[unit];
    // venti + uno is ventuno, venti + otto is ventotto.
    if (startsWithVowel(rest))
        tens.pop_back();
    return tens + rest;
}

std::string belowThousand(unsigned n)
{
    const unsigned hundreds = n / 100;
    const unsigned rest = n % 100;
    std::string words;
    if (hundreds == 1)
        words = "cento";
    else if (hundreds > 1)
        words = std::string(kUnits[hundreds]) + "cento";
    if (rest == 0)
        return words.empty() ? std::string("zero") : words;
    // cento + ottanta is centottanta.
    if (!words.empty() && rest >= 80 && rest < 90)
        words.pop_back();
    return words + belowHundred(rest);
}

// The part before "mila" or "milioni": ventuno becomes ventun.
std::string beforeMultiplier(unsigned n)
{
    std::string words = belowThousand(n);
    if (words.size() > 3 && words.compare(words.size() - 3, 3, "uno") == 0)
        words.pop_back();
    return words;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c)
{
    // Every byte of a UTF-8 sequence counts as a letter: "è" and "à" are.
    return std::isalpha(static_cast<unsigned char>(c)) || (static_cast<unsigned char>(c) & 0x80);
}

struct Number {
    std::string whole;     // digits, thousands groups joined
    std::string fraction;  // digits after the separator; empty for none
    size_t end = 0;        // the first character after the number
};

// The number that starts at `pos` (a digit not preceded by a letter or a digit).
Number readNumber(std::string_view text, size_t pos, char separator)
{
    Number n;
    size_t i = pos;
    while (i < text.size() && isDigit(text[i]))
        n.whole += text[i++];
    // With a decimal comma a dot before exactly three digits groups
    // thousands, as Italian prose writes 1.500.
    if (separator == ',' && n.whole.size() <= 3) {
        while (i + 3 < text.size() && text[i] == '.' && isDigit(text[i + 1]) && isDigit(text[i + 2]) &&
               isDigit(text[i + 3]) && (i + 4 >= text.size() || !isDigit(text[i + 4]))) {
            n.whole.append(text.substr(i + 1, 3));
            i += 4;
        }
    }
    const bool separatorFollows = i + 1 < text.size() && (text[i] == ',' || text[i] == '.') &&
                                  isDigit(text[i + 1]);
    if (separatorFollows) {
        size_t j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            n.fraction += text[j++];
        i = j;
    }
    n.end = i;
    return n;
}

std::optional<unsigned long long> valueOf(const std::string& digits)
{
    // Leading zeros change nothing; too many digits are left to the voice.
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    if (digits.size() - first > 9)
        return std::nullopt;
    return std::stoull(digits.substr(first));
}

// The decimals as a child says them: the leading zeros one by one, then
// the rest as a number (3,05 is "tre virgola zero cinque").
std::string fractionWords(const std::string& fraction)
{
    std::string words;
    size_t i = 0;
    while (i + 1 < fraction.size() && fraction[i] == '0') {
        words += "zero ";
        ++i;
    }
    const std::optional<unsigned long long> rest = valueOf(fraction.substr(i));
    if (!rest)
        return words + fraction.substr(i);
    return words + italianNumberWords(*rest);
}

// "euro" or "€" right after the number (spaces between); the position after it.
std::optional<size_t> euroAfter(std::string_view text, size_t pos)
{
    size_t i = pos;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (text.substr(i, 4) == "euro" && (i + 4 >= text.size() || !isLetter(text[i + 4])))
        return i + 4;
    if (text.substr(i, 3) == "\xE2\x82\xAC")
        return i + 3;
    return std::nullopt;
}

// "un euro", "ventun euro": the number's words before a noun.
std::string beforeNoun(std::string words)
{
    if (words.size() >= 3 && words.compare(words.size() - 3, 3, "uno") == 0)
        words.pop_back();
    return words;
}

std::optional<std::string> numberWords(const Number& n)
{
    const std::optional<unsigned long long> whole = valueOf(n.whole);
    if (!whole)
        return std::nullopt;
    std::string words = italianNumberWords(*whole);
    if (!n.fraction.empty())
        words += " virgola " + fractionWords(n.fraction);
    return words;
}

// Money with at most two decimals, as a child counts it: "quattro euro e
// venticinque centesimi", "cinquanta centesimi".
std::optional<std::string> moneyWords(const Number& n)
{
    const std::optional<unsigned long long> whole = valueOf(n.whole);
    if (!whole || n.fraction.size() > 2)
        return std::nullopt;
    const unsigned cents = n.fraction.empty() ? 0
                           : n.fraction.size() == 1 ? unsigned(n.fraction[0] - '0') * 10
                                                    : unsigned(std::stoul(n.fraction));
    std::string euros = beforeNoun(italianNumberWords(*whole)) + " euro";
    if (cents == 0)
        return euros;
    const std::string centWords = cents == 1 ? std::string("un centesimo")
                                             : italianNumberWords(cents) + " centesimi";
    return *whole == 0 ? centWords : euros + " e " + centWords;
}

// The units of primary-school problems, said as words after a number:
// voices spell "cm" and "kg" letter by letter.
struct UnitWords {
    std::string_view symbol;
    const char* one;
    const char* many;
    bool feminine;
};

constexpr UnitWords kUnitWords[] = {
    {"mm", "millimetro", "millimetri", false},  {"cm", "centimetro", "centimetri", false},
    {"dm", "decimetro", "decimetri", false},    {"m", "metro", "metri", false},
    {"km", "chilometro", "chilometri", false},  {"g", "grammo", "grammi", false},
    {"hg", "etto", "etti", false},              {"kg", "chilo", "chili", false},
    {"q", "quintale", "quintali", false},       {"t", "tonnellata", "tonnellate", true},
    {"ml", "millilitro", "millilitri", false},  {"cl", "centilitro", "centilitri", false},
    {"dl", "decilitro", "decilitri", false},    {"l", "litro", "litri", false},
    {"L", "litro", "litri", false},             {"hl", "ettolitro", "ettolitri", false},
    {"h", "ora", "ore", true},                  {"min", "minuto", "minuti", false},
    {"s", "secondo", "secondi", false},         {"%", "per cento", "per cento", false},
    {"\xC2\xB0" "C", "grado", "gradi", false},  {"\xC2\xB0", "grado", "gradi", false},
};

// The unit standing right after a number (spaces between, or none) and the
// position after it. A letter, a digit or an apostrophe right after the
// symbol makes it part of a word ("3 l'anno", "2 mesi").
std::optional<std::pair<const UnitWords*, size_t>> unitAfter(std::string_view text, size_t pos)
{
    size_t i = pos;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const UnitWords* found = nullptr;
    for (const UnitWords& unit : kUnitWords) {
        if (text.substr(i, unit.symbol.size()) != unit.symbol)
            continue;
        const size_t after = i + unit.symbol.size();
        if (after < text.size() && (isLetter(text[after]) || isDigit(text[after]) || text[after] == '\''))
            continue;
        if (!found || unit.symbol.size() > found->symbol.size())
            found = &unit;
    }
    if (!found)
        return std::nullopt;
    return std::make_pair(found, i + found->symbol.size());
}

// "un metro", "un'ora", "una tonnellata", "due virgola cinque chili".
std::string withUnit(const Number& n, std::string words, const UnitWords& unit)
{
    const bool single = !unit.symbol.empty() && unit.symbol != "%" && n.fraction.empty() &&
                        valueOf(n.whole) == 1ULL;
    if (!single)
        return words + " " + unit.many;
    if (!unit.feminine)
        return "un " + std::string(unit.one);
    return unit.one[0] == 'o' ? "un'" + std::string(unit.one) : "una " + std::string(unit.one);
}

const char* operatorWord(char c)
{
    switch (c) {
    case '+': return "più";
    case '-':
    case '_': return "meno";
    case 'X':
    case 'x':
    case '*': return "per";
    case ':':
    case '/': return "diviso";
    case '=': return "uguale";
    default: return nullptr;
    }
}

bool endsWithPause(const std::string& spoken)
{
    const size_t last = spoken.find_last_not_of(' ');
    if (last == std::string::npos)
        return true;
    const char c = spoken[last];
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?';
}

}  // namespace

std::string italianNumberWords(unsigned long long number)
{
    if (number > kLargestSaid)
        return std::to_string(number);
    const unsigned millions = unsigned(number / 1'000'000);
    const unsigned thousands = unsigned(number / 1000 % 1000);
    const unsigned rest = unsigned(number % 1000);
    std::string words;
    if (millions == 1)
        words = "un milione";
    else if (millions > 1)
        words = accentFinalThree(beforeMultiplier(millions)) + " milioni";
    std::string below;
    if (thousands == 1)
        below = "mille";
    else if (thousands > 1)
        below = beforeMultiplier(thousands) + "mila";
    if (rest > 0 || (millions == 0 && thousands == 0))
        below += belowThousand(rest);
    below = accentFinalThree(below);
    if (below.empty())
        return words;
    return words.empty() ? below : words + " " + below;
}

std::string spokenText(const std::string& text, const SpokenTextOptions& options)
{
    std::string spoken;
    const std::string_view view(text);
    size_t i = 0;
    bool afterSign = false;  // the last character was a sign said as a word
    while (i < view.size()) {
        const char c = view[i];
        const bool afterWord = i > 0 && !afterSign && (isLetter(view[i - 1]) || isDigit(view[i - 1]));
        afterSign = false;
        if (isDigit(c) && !afterWord) {
            const Number n = readNumber(view, i, options.decimal_separator);
            if (const std::optional<size_t> euroEnd = euroAfter(view, n.end)) {
                if (const std::optional<std::string> money = moneyWords(n)) {
                    spoken += *money;
                    i = *euroEnd;
                    continue;
                }
            }
            const std::optional<std::string> words = numberWords(n);
            if (words) {
                if (const auto unit = unitAfter(view, n.end)) {
                    spoken += withUnit(n, *words, *unit->first);
                    i = unit->second;
                    continue;
                }
            }
            spoken += words ? *words : std::string(view.substr(i, n.end - i));
            i = n.end;
            continue;
        }
        if (c == '\r') {
            ++i;
            continue;
        }
        if (c == '\n' || c == '|') {
            // A line break is a pause: the voice stops as at a full stop.
            if (!endsWithPause(spoken))
                spoken += '.';
            if (!spoken.empty() && spoken.back() != ' ')
                spoken += ' ';
            ++i;
            continue;
        }
        if (options.operators_as_words) {
            const bool afterLetter = i > 0 && isLetter(view[i - 1]);
            const bool beforeLetter = i + 1 < view.size() && isLetter(view[i + 1]);
            if (const char* word = operatorWord(c); word && !afterLetter && !beforeLetter) {
                if (!spoken.empty() && spoken.back() != ' ')
                    spoken += ' ';
                spoken += word;
                if (i + 1 < view.size() && view[i + 1] != ' ')
                    spoken += ' ';
                afterSign = true;
                ++i;
                continue;
            }
        }
        spoken += c;
        ++i;
    }
    while (!spoken.empty() && spoken.back() == ' ')
        spoken.pop_back();
    return spoken;
}

}  // namespace quorvia
