// SPDX-License-Identifier: GPL-3.0-or-later
// The scheme check of scheme 3 over typed texts, with prepared formulas.

#include "exercise/scheme3.h"

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <QMap>

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

class Scheme3Check : public ::testing::Test {
protected:
    PreparedFormulas prepare(const std::string& r1)
    {
        TCalcExpress evaluator;
        return prepareFormulas(evaluator, Scheme::S3, r1, "", PreparedFormulas{});
    }

    static SchemeCheckResult check(const PreparedFormulas& f, const QMap<QString, QString>& typed)
    {
        return checkOperationScheme(scheme3Expectations(f),
                                    [&](const QString& name) { return typed.value(name); });
    }

private:
    ScopedDecimalSeparator comma_{','};
};

struct Typed {
    const char* name;
    const char* formula;
    const char* dato1;
    const char* sign;
    const char* dato2;
    const char* result;
    int failed;  // -1: passes
    const char* failed_widget;
};

// A failing case reads by its name.
void PrintTo(const Typed& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme3CheckCases : public Scheme3Check, public ::testing::WithParamInterface<Typed> {};

TEST_P(Scheme3CheckCases, ComparesResultThenDataThenOperator)
{
    const Typed& t = GetParam();
    const SchemeCheckResult r =
        check(prepare(t.formula), {{"dato1", t.dato1}, {"Loper1", t.sign}, {"dato2", t.dato2},
                                   {"Risultato2", t.result}});
    EXPECT_EQ(r.passed, t.failed < 0);
    EXPECT_EQ(r.failed, t.failed);
    EXPECT_EQ(r.failed_widget, QString::fromUtf8(t.failed_widget));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Scheme3CheckCases,
    ::testing::Values(
        Typed{"Multiplication", "12 x 3", "12", "X", "3", "36", -1, ""},
        Typed{"DataInTheOtherOrder", "12 x 3", "3", "X", "12", "36", 1, "dato1"},
        Typed{"EmptyOperator", "12 x 3", "12", "", "3", "36", 3, "Loper1"},
        Typed{"WrongResultIsFoundFirst", "12 x 3", "1", "+", "2", "35", 0, "Risultato2"},
        Typed{"SecondDatumBeforeOperator", "12 x 3", "12", "+", "4", "36", 2, "dato2"},
        Typed{"DecimalWithTheComma", "15:2", "15", ":", "2", "7,5", -1, ""},
        Typed{"DecimalWithTrailingZero", "15:2", "15", ":", "2", "7,50", 0, "Risultato2"},
        Typed{"DecimalWithThePoint", "15:2", "15", ":", "2", "7.5", 0, "Risultato2"},
        Typed{"TrailingBlank", "24 - 6", "24", "-", "6", "18 ", 0, "Risultato2"},
        Typed{"Subtraction", "24 - 6", "24", "-", "6", "18", -1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Scheme3Check, LongResultIsWrittenWithFifteenDigits)
{
    const ExpectedTexts expected = scheme3Expectations(prepare("10:3"));
    EXPECT_EQ(expected[0].widget, QStringLiteral("Risultato2"));
    EXPECT_EQ(expected[0].text, QStringLiteral("3,33333333333333"));
    EXPECT_GT(expected[0].text.size(), 10);  // more than a number box holds
}

}  // namespace
}  // namespace quorvia
