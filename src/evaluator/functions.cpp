// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/functions.h"

#include "evaluator/calc_express.h"

#include <cmath>
#include <iterator>

namespace quorvia {

namespace {

constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;
// The processor's sine and cosine reduce their argument only below 2^63;
// beyond it they have no meaningful value and the formula gets 0.
constexpr long double kTrigonometricLimit = 9223372036854775808.0L;

long double cosine(long double x) {
    return std::fabs(x) >= kTrigonometricLimit ? 0.0L : std::cos(x);
}

long double sine(long double x) {
    return std::fabs(x) >= kTrigonometricLimit ? 0.0L : std::sin(x);
}

long double tangent(long double x) { return std::tan(x); }

long double cotangent(long double x) {
    const long double t = std::tan(x);
    if (t == 0) throw EvaluationError("Division by zero");
    return 1.0L / t;
}

long double absolute(long double x) { return std::fabs(x); }

long double sign(long double x) { return x < 0 ? -1.0L : (x > 0 ? 1.0L : 0.0L); }

long double squareRoot(long double x) {
    if (x < 0) throw EvaluationError("Square root of a negative number");
    return std::sqrt(x);
}

long double naturalLog(long double x) {
    if (x == 0) throw EvaluationError("Logarithm of zero");
    if (x < 0) throw EvaluationError("Logarithm of a negative number");
    return std::log(x);
}

long double exponential(long double x) { return std::exp(x); }

long double arcsine(long double x) {
    if (std::fabs(x) > 1) throw EvaluationError("Arcsine outside -1..1");
    return std::atan2(x, std::sqrt(1.0L - x * x));
}

long double arccosine(long double x) {
    if (std::fabs(x) > 1) throw EvaluationError("Arccosine outside -1..1");
    return std::atan2(std::sqrt(1.0L - x * x), x);
}

long double arctangent(long double x) { return std::atan(x); }

long double arccotangent(long double x) { return kHalfPi - std::atan(x); }

// The hyperbolic functions come from the library rather than from sums of
// e^x and e^-x: those overflow for |x| above about 11356 even where tanh and
// coth are plainly 1 or -1, and lose precision near 0.
long double hyperbolicSine(long double x) { return std::sinh(x); }

long double hyperbolicCosine(long double x) { return std::cosh(x); }

long double hyperbolicTangent(long double x) { return std::tanh(x); }

long double hyperbolicCotangent(long double x) {
    if (x == 0) throw EvaluationError("Division by zero");
    return 1.0L / std::tanh(x);
}

long double heaviside(long double x) { return x < 0 ? 0.0L : 1.0L; }

constexpr FunctionEntry kFunctions[] = {
    {"cos", cosine},
    {"sin", sine},
    {"tg", tangent},
    {"ctg", cotangent},
    {"abs", absolute},
    {"sgn", sign},
    {"sign", sign},
    {"sqrt", squareRoot},
    {"ln", naturalLog},
    {"exp", exponential},
    {"arcsin", arcsine},
    {"arccos", arccosine},
    {"arctg", arctangent},
    {"arctan", arctangent},
    {"arcctg", arccotangent},
    {"sh", hyperbolicSine},
    {"sinh", hyperbolicSine},
    {"ch", hyperbolicCosine},
    {"cosh", hyperbolicCosine},
    {"th", hyperbolicTangent},
    {"tanh", hyperbolicTangent},
    {"cth", hyperbolicCotangent},
    {"coth", hyperbolicCotangent},
    {"heaviside", heaviside},
    {"h", heaviside},
};

}  // namespace

const FunctionEntry* findFunction(std::string_view name) {
    for (const FunctionEntry& entry : kFunctions) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

}  // namespace quorvia
