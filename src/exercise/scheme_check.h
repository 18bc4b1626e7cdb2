// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of an operation scheme: the texts the child put into the number
// boxes and operator labels against the texts they must read, compared
// exactly (no trimming, no normalising) in the scheme's own order. The first
// difference decides, so one press counts one error however many boxes are
// wrong. A failed check also tells what kind of mistake it was, so that the
// teacher's message for it can be shown.

#include "content/formula_preparation.h"
#include "content/mistake_messages.h"

#include <QString>

#include <functional>
#include <vector>

namespace quorvia {

// What a compared widget holds in its row of the scheme.
enum class SchemeBox { Datum, Operator, Result };

struct ExpectedText {
    QString widget;  // name of the number box or operator label
    QString text;    // what it must read
    SchemeBox box = SchemeBox::Datum;
    int row = 1;     // 2 for the second operation
};
using ExpectedTexts = std::vector<ExpectedText>;

struct SchemeCheckResult {
    bool passed = false;
    int failed = -1;        // index of the first comparison that failed
    QString failed_widget;  // its widget; empty when passed
    // What went wrong, told on the first row that differs: a datum box with
    // a number that is none of the scheme's (UnknownNumber) or one of them
    // in the wrong box (Order), else a wrong operator (Sign), else a wrong
    // result (Calculation). General when the check passed, or when a box is
    // empty or holds no number, or a number is only written another way.
    MistakeKind mistake = MistakeKind::General;
    int row = 0;  // the row of the mistake; 0 for General
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
