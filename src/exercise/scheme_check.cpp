#include "exercise/scheme_check.h"

#include "evaluator/decimal_number.h"

namespace quorvia {

SchemeCheckResult checkOperationScheme(const ExpectedTexts& expected,
                                       const std::function<QString(const QString&)>& shown)
{
    SchemeCheckResult result;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (shown(expected[i].widget) != expected[i].text) {
            result.failed = static_cast<int>(i);
            result.failed_widget = expected[i].widget;
            return result;
        }
    }
    result.passed = true;
    return result;
}

QString generalText(double value)
{
    return QString::fromStdString(formatGeneral(static_cast<long double>(value)));
}

}  // namespace quorvia
