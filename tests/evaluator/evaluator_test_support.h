// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the evaluator tests.

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quorvia::test {

// An evaluator whose reported messages are kept, as the window layer would
// show them.
struct RecordingEvaluator {
    RecordingEvaluator() {
        calc.setErrorHandler([this](const std::string& message) { messages.push_back(message); });
    }
    TCalcExpress calc;
    std::vector<std::string> messages;
};

// The callers always pass the whole table of 11 values.
inline std::vector<long double> elevenValues(std::vector<long double> given = {}) {
    given.resize(11, 0.0L);
    return given;
}

inline ::testing::AssertionResult closeTo(long double actual, long double expected) {
    const long double tolerance = expected == 0 ? 1e-18L : std::fabs(expected) * 1e-15L;
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "value " << static_cast<double>(actual) << " expected "
                                         << static_cast<double>(expected);
}

// Row names for parameterised tables: the row's `name` field.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace quorvia::test
