// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the child reads and types them: the locale's decimal separator,
// the general number format every check compares with, and text-to-number
// conversion with the platform's failure message.

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvia {

// Raised when a text is not a number; what() is
// "'<text>' is not a valid floating point value".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// The decimal separator used for reading and writing numbers. Starts as the
// C locale's '.'; each program sets it once at start-up from the separator it
// has chosen (GENERALE.INI, else the user's locale), and tests set it to ','.
char decimalSeparator();
void setDecimalSeparator(char separator);

// Sets the separator for the life of the object and puts the previous one
// back: a check run over one folder, or a test.
class ScopedDecimalSeparator {
public:
    explicit ScopedDecimalSeparator(char separator) : saved_(decimalSeparator()) { setDecimalSeparator(separator); }
    ~ScopedDecimalSeparator() { setDecimalSeparator(saved_); }
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

private:
    char saved_;
};

// Shortest text with at most 15 significant digits, using the decimal
// separator: 36, 2,5, 3,33333333333333, 1E20, 1E-7. Fixed notation from
// 0,00001 up to 15 integer digits, scientific otherwise; -0 is "0"; NaN and
// the infinities are "NAN", "INF" and "-INF".
std::string formatGeneral(long double value);

// Converts like the platform does: optional surrounding blanks, sign, digits
// with the decimal separator, optional exponent. Throws ConversionError.
// Blanks are spaces; a value too large for a long double, or too small to
// keep its digits, fails too.
long double textToFloat(std::string_view text);
// Same, without throwing; returns false and leaves `value` alone on failure.
bool tryTextToFloat(std::string_view text, long double& value);
// Same with `separator` instead of the one in force.
bool tryTextToFloat(std::string_view text, char separator, long double& value);

}  // namespace quorvia
