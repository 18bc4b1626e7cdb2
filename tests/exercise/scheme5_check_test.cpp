// SPDX-License-Identifier: GPL-3.0-or-later
// The scheme check of scheme 5 over typed texts, with prepared formulas.

#include "exercise/scheme5.h"

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <QMap>

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

class Scheme5Check : public ::testing::Test {
protected:
    static PreparedFormulas prepare(const std::string& r1, const std::string& r2)
    {
        TCalcExpress evaluator;
        return prepareFormulas(evaluator, Scheme::S5, r1, r2, PreparedFormulas{});
    }

private:
    ScopedDecimalSeparator comma_{','};
};

TEST_F(Scheme5Check, ComparesSevenTextsInItsOrderAndNeverTheCopyOfThePartialResult)
{
    QStringList order;
    for (const ExpectedText& e : scheme5Expectations(prepare("12+5", "R1x3")))
        order.append(e.widget);
    EXPECT_EQ(order, (QStringList{"Risultato2", "dato3", "Risultato1", "dato1", "dato2", "Loper1",
                                  "Loper2"}));
}

struct Typed {
    const char* name;
    const char* r1;
    const char* r2;
    // dato1, Loper1, dato2, Risultato1, dato3, Loper2, Risultato2
    const char* row1[4];
    const char* row2[3];
    int failed;  // -1: passes
    const char* failed_widget;
};

// A failing case reads by its name.
void PrintTo(const Typed& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme5CheckCases : public Scheme5Check, public ::testing::WithParamInterface<Typed> {};

TEST_P(Scheme5CheckCases, StopsAtTheFirstDifference)
{
    const Typed& t = GetParam();
    const QMap<QString, QString> typed{
        {"dato1", t.row1[0]},      {"Loper1", t.row1[1]}, {"dato2", t.row1[2]},
        {"Risultato1", t.row1[3]}, {"dato3", t.row2[0]},  {"Loper2", t.row2[1]},
        {"Risultato2", t.row2[2]}, {"jolly", "qualsiasi"},
    };
    const SchemeCheckResult r = checkOperationScheme(
        scheme5Expectations(prepare(t.r1, t.r2)), [&](const QString& name) { return typed.value(name); });
    EXPECT_EQ(r.passed, t.failed < 0);
    EXPECT_EQ(r.failed, t.failed);
    EXPECT_EQ(r.failed_widget, QString::fromUtf8(t.failed_widget));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Scheme5CheckCases,
    ::testing::Values(
        Typed{"PartialOnTheLeft", "12+5", "R1x3", {"12", "+", "5", "17"}, {"3", "X", "51"}, -1, ""},
        Typed{"PartialOnTheRight", "12+5", "60-R1", {"12", "+", "5", "17"}, {"60", "-", "43"}, -1, ""},
        Typed{"FinalResultWithTheComma", "12+6", "R1:4", {"12", "+", "6", "18"}, {"4", ":", "4,5"}, -1, ""},
        Typed{"FinalResultWithThePoint", "12+6", "R1:4", {"12", "+", "6", "18"}, {"4", ":", "4.5"}, 0,
              "Risultato2"},
        Typed{"NegativePartialResult", "3-5", "50-R1", {"3", "-", "5", "-2"}, {"50", "-", "52"}, -1, ""},
        Typed{"WrongEverywhereCountsTheFinalResult", "12+5", "R1x3", {"1", ":", "2", "3"}, {"4", "+", "5"}, 0,
              "Risultato2"},
        Typed{"NumberOfR2", "12+5", "60-R1", {"12", "+", "5", "17"}, {"43", "-", "43"}, 1, "dato3"},
        Typed{"PartialResult", "12+5", "R1x3", {"12", "+", "5", "18"}, {"3", "X", "51"}, 2, "Risultato1"},
        Typed{"AdditionDataReversed", "12+5", "R1x3", {"5", "+", "12", "17"}, {"3", "X", "51"}, 3, "dato1"},
        Typed{"MultiplicationDataReversed", "3x4", "R1+2", {"4", "X", "3", "12"}, {"2", "+", "14"}, 3,
              "dato1"},
        Typed{"SecondNumberOfR1", "12+5", "R1x3", {"12", "+", "6", "17"}, {"3", "X", "51"}, 4, "dato2"},
        Typed{"FirstOperatorMissing", "12+5", "R1x3", {"12", "", "5", "17"}, {"3", "X", "51"}, 5, "Loper1"},
        Typed{"SecondOperatorWrong", "12+5", "R1x3", {"12", "+", "5", "17"}, {"3", "+", "51"}, 6, "Loper2"},
        Typed{"TrailingBlank", "12+5", "R1x3", {"12", "+", "5 ", "17"}, {"3", "X", "51"}, 4, "dato2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Scheme5Check, LongFinalResultIsWrittenWithFifteenDigits)
{
    const ExpectedTexts expected = scheme5Expectations(prepare("4+6", "R1:3"));
    EXPECT_EQ(expected[0].text, QStringLiteral("3,33333333333333"));
    EXPECT_GT(expected[0].text.size(), 10);  // more than a number box holds
    EXPECT_EQ(expected[2].text, QStringLiteral("10"));
}

}  // namespace
}  // namespace quorvia
