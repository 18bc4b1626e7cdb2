#pragma once
// The check of an operation scheme: the texts the child put into the number
// boxes and operator labels against the texts they must read, compared
// exactly (no trimming, no normalising) in the scheme's own order. The first
// difference decides, so one press counts one error however many boxes are
// wrong.

#include "content/formula_preparation.h"

#include <QString>

#include <functional>
#include <vector>

namespace quorvia {

struct ExpectedText {
    QString widget;  // name of the number box or operator label
    QString text;    // what it must read
};
using ExpectedTexts = std::vector<ExpectedText>;

struct SchemeCheckResult {
    bool passed = false;
    int failed = -1;        // index of the first comparison that failed
    QString failed_widget;  // its widget; empty when passed
};

// `shown` gives the text a widget shows now.
SchemeCheckResult checkOperationScheme(const ExpectedTexts& expected,
                                       const std::function<QString(const QString&)>& shown);

// A number as every check writes it: the general number format with the
// current decimal separator.
QString generalText(double value);

// What a scheme's boxes must read for its prepared formulas, in the order of
// its check. The same texts fill the scheme in when the solution is shown.
using SchemeExpectations = ExpectedTexts (*)(const PreparedFormulas&);

}  // namespace quorvia
