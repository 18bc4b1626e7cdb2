// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/decimal_number.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace quorvia {

namespace {

char currentSeparator = '.';

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number taken apart by the syntax check: the significant digits as an
// integer when they fit, and the power of ten that scales them.
struct ScannedNumber {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int significantDigits = 0;  // digits after the leading zeros
    long long exponent = 0;     // value = mantissa * 10^exponent (when the digits fit)
    std::string plain;          // the same number in C syntax, for the slow path
};

// Exponents beyond this are out of range whatever the mantissa; clamping
// keeps the digit accumulation free of overflow on hostile input.
constexpr long long kExponentClamp = 100000;

// Checks the syntax: blanks, sign, digits with at most one separator (at
// least one digit), optional exponent with at least one digit, blanks.
bool scan(std::string_view text, char separator, ScannedNumber& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::size_t end = n;
    while (end > i && text[end - 1] == ' ') --end;

    if (i < end && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    int mantissaDigits = 0;
    long long fractionDigits = 0;  // after the separator, up to the last digit kept in `mantissa`
    long long droppedIntegerDigits = 0;
    bool seenSeparator = false;
    out.plain.reserve(end - i + 1);
    for (; i < end; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++mantissaDigits;
            out.plain.push_back(c);
            if (out.significantDigits == 0 && c == '0') {  // leading zero
                if (seenSeparator) ++fractionDigits;
                continue;
            }
            ++out.significantDigits;
            if (out.significantDigits <= 19) {
                out.mantissa = out.mantissa * 10 + static_cast<unsigned>(c - '0');
                if (seenSeparator) ++fractionDigits;
            } else if (!seenSeparator) {
                ++droppedIntegerDigits;
            }
        } else if (c == separator && !seenSeparator) {
            seenSeparator = true;
            out.plain.push_back('.');
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;

    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == end || !isDigit(text[i])) return false;
        out.plain.push_back('e');
        if (negativeExponent) out.plain.push_back('-');
        for (; i < end && isDigit(text[i]); ++i) {
            out.plain.push_back(text[i]);
            if (exponent < kExponentClamp) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (i != end) return false;
    out.exponent = exponent - fractionDigits + droppedIntegerDigits;
    return true;
}

// Below these limits mantissa and power of ten are both exact in a long
// double, so one multiplication or division rounds correctly: no need for
// the slower general conversion.
constexpr bool kExtended = std::numeric_limits<long double>::digits >= 64;
constexpr int kFastDigits = kExtended ? 19 : 15;
constexpr int kFastPower = kExtended ? 27 : 22;
constexpr long double kPowersOfTen[] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

bool convert(std::string_view text, char separator, long double& value) {
    ScannedNumber number;
    if (!scan(text, separator, number)) return false;

    long double result;
    if (number.mantissa == 0 && number.significantDigits == 0) {
        result = 0.0L;
    } else if (number.significantDigits <= kFastDigits && number.exponent >= -kFastPower &&
               number.exponent <= kFastPower) {
        const long double mantissa = static_cast<long double>(number.mantissa);
        result = number.exponent >= 0 ? mantissa * kPowersOfTen[number.exponent]
                                      : mantissa / kPowersOfTen[-number.exponent];
    } else {
        const char* first = number.plain.data();
        const char* last = first + number.plain.size();
        const auto [ptr, error] = std::from_chars(first, last, result);
        // Too large, or too small to hold without losing digits.
        if (error != std::errc() || ptr != last) return false;
    }
    value = number.negative ? -result : result;
    return true;
}

}  // namespace

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid floating point value") {}

char decimalSeparator() { return currentSeparator; }

void setDecimalSeparator(char separator) { currentSeparator = separator; }

long double textToFloat(std::string_view text) {
    long double value;
    if (!convert(text, currentSeparator, value)) throw ConversionError(std::string(text));
    return value;
}

bool tryTextToFloat(std::string_view text, long double& value) {
    return convert(text, currentSeparator, value);
}

bool tryTextToFloat(std::string_view text, char separator, long double& value) {
    return convert(text, separator, value);
}

}  // namespace quorvia
