// SPDX-License-Identifier: GPL-3.0-or-later
// The general number format: every number a child's typing is compared with
// is written by this function, and the comparison is of texts, so its output
// must be stable to the character.

#include "evaluator/decimal_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quorvia {

namespace {

constexpr int kSignificantDigits = 15;
// Fixed notation from 0.00001 up to numbers with 15 integer digits.
constexpr int kLowestFixedExponent = -5;
constexpr int kHighestFixedExponent = kSignificantDigits - 1;

}  // namespace

std::string formatGeneral(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // -0 too

    // "d.dddddddddddddde±x": the digits rounded to 15 and the decimal exponent
    // of the rounded value (9.999...95 becomes 1.0 with the next exponent).
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;

    char digits[kSignificantDigits];
    int digitCount = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits[digitCount++] = *p;
    }
    int exponent = 0;
    for (const char* e = p + 2; e < converted.ptr; ++e) exponent = exponent * 10 + (*e - '0');
    if (p[1] == '-') exponent = -exponent;
    while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;

    const char separator = decimalSeparator();
    std::string text;
    text.reserve(32);
    if (negative) text.push_back('-');

    if (exponent >= kLowestFixedExponent && exponent <= kHighestFixedExponent) {
        if (exponent < 0) {
            text.push_back('0');
            text.push_back(separator);
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text.append(digits, static_cast<std::size_t>(digitCount));
        } else {
            const int integerDigits = exponent + 1;
            for (int i = 0; i < integerDigits; ++i) text.push_back(i < digitCount ? digits[i] : '0');
            if (digitCount > integerDigits) {
                text.push_back(separator);
                text.append(digits + integerDigits, static_cast<std::size_t>(digitCount - integerDigits));
            }
        }
        return text;
    }

    text.push_back(digits[0]);
    if (digitCount > 1) {
        text.push_back(separator);
        text.append(digits + 1, static_cast<std::size_t>(digitCount - 1));
    }
    text.push_back('E');
    text += std::to_string(exponent);
    return text;
}

}  // namespace quorvia
