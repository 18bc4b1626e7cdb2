// SPDX-License-Identifier: GPL-3.0-or-later
// The scheme check of scheme 4a over typed texts, with prepared formulas:
// its order, the first difference deciding, and what each box is held to.

#include "exercise/scheme4a.h"

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <QMap>

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

class Scheme4aCheck : public ::testing::Test {
protected:
    // As a load prepares them: DATO<n>_VALORE first, then the formulas.
    static PreparedFormulas prepare(const std::string& r1, const std::string& r2,
                                    long double datum5 = 0)
    {
        ProblemContent problem;
        problem.r1 = r1;
        problem.r2 = r2;
        problem.data_numbers[5] = datum5;
        TCalcExpress evaluator;
        return prepareProblemFormulas(evaluator, Scheme::S4a, problem, PreparedFormulas{});
    }

    static QMap<QString, QString> expectedByBox(const PreparedFormulas& f)
    {
        QMap<QString, QString> texts;
        for (const ExpectedText& e : scheme4aExpectations(f))
            texts.insert(e.widget, e.text);
        return texts;
    }

private:
    ScopedDecimalSeparator comma_{','};
};

TEST_F(Scheme4aCheck, ComparesInItsOwnOrderAndLeavesTheCopiesOut)
{
    const ExpectedTexts expected = scheme4aExpectations(prepare("15 + 12 + 10 + 13", "R1 - 6"));
    QStringList order;
    for (const ExpectedText& e : expected)
        order.append(e.widget);
    EXPECT_EQ(order, (QStringList{"E77", "E57", "E17", "E27", "E37", "E47", "E67", "Lop1", "Lop2"}));
    const QMap<QString, QString> texts = expectedByBox(prepare("15 + 12 + 10 + 13", "R1 - 6"));
    EXPECT_EQ(texts.value("E77"), QStringLiteral("44"));
    EXPECT_EQ(texts.value("E57"), QStringLiteral("50"));
    EXPECT_EQ(texts.value("E17"), QStringLiteral("15"));
    EXPECT_EQ(texts.value("E47"), QStringLiteral("13"));
    EXPECT_EQ(texts.value("E67"), QStringLiteral("6"));
    EXPECT_EQ(texts.value("Lop1"), QStringLiteral("+"));
    EXPECT_EQ(texts.value("Lop2"), QStringLiteral("-"));
}

struct FormulaCase {
    const char* name;
    const char* r1;
    const char* r2;
    int datum5;  // DATO5_VALORE
    // What the boxes must read: E17, E27, E37, E47, E57, E67, E77, Lop1, Lop2.
    const char* texts[9];
    int partial_on_right;
};

// A failing case reads by its name.
void PrintTo(const FormulaCase& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme4aFormulas : public Scheme4aCheck, public ::testing::WithParamInterface<FormulaCase> {};

TEST_P(Scheme4aFormulas, GiveTheTextsOfEveryBox)
{
    const FormulaCase& c = GetParam();
    const PreparedFormulas f = prepare(c.r1, c.r2, c.datum5);
    const QMap<QString, QString> texts = expectedByBox(f);
    const char* const boxes[] = {"E17", "E27", "E37", "E47", "E57", "E67", "E77", "Lop1", "Lop2"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(texts.value(QLatin1String(boxes[i])), QString::fromUtf8(c.texts[i])) << boxes[i];
    EXPECT_EQ(f.partial_on_right, c.partial_on_right);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Scheme4aFormulas,
    ::testing::Values(
        FormulaCase{"PartialOnTheLeft", "1+2+3+4", "R1x2", 0,
                    {"1", "2", "3", "4", "10", "2", "20", "+", "X"}, 0},
        FormulaCase{"PartialOnTheRight", "20+15+25+10", "100-R1", 0,
                    {"20", "15", "25", "10", "70", "100", "30", "+", "-"}, 1},
        FormulaCase{"Decimals", "1,5+2+3+0,5", "R1:2", 0,
                    {"1,5", "2", "3", "0,5", "7", "2", "3,5", "+", ":"}, 0},
        // With three numbers in the column, E47 is held to the number of R2
        // and E67 to DATO5_VALORE.
        FormulaCase{"ThreeNumbersInTheColumn", "10+20+30", "R1:2", 7,
                    {"10", "20", "30", "2", "60", "7", "30", "+", ":"}, 0},
        FormulaCase{"NegativePartialResult", "1-2-3-4", "10+R1", 0,
                    {"1", "2", "3", "4", "-8", "10", "2", "-", "+"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct Typed {
    const char* name;
    // E17, E27, E37, E47, E57, E67, E77, Lop1, Lop2 as shown.
    const char* texts[9];
    const char* failed_widget;  // "": passes
};

// A failing case reads by its name.
void PrintTo(const Typed& c, std::ostream* out)
{
    *out << c.name;
}

class Scheme4aTyped : public Scheme4aCheck, public ::testing::WithParamInterface<Typed> {};

TEST_P(Scheme4aTyped, StopsAtTheFirstDifference)
{
    const Typed& t = GetParam();
    const char* const boxes[] = {"E17", "E27", "E37", "E47", "E57", "E67", "E77", "Lop1", "Lop2"};
    QMap<QString, QString> shown;
    for (int i = 0; i < 9; ++i)
        shown.insert(QLatin1String(boxes[i]), QString::fromUtf8(t.texts[i]));
    // Problem: 15 + 12 + 10 + 13 = 50, then 50 - 6 = 44.
    const SchemeCheckResult r =
        checkOperationScheme(scheme4aExpectations(prepare("15 + 12 + 10 + 13", "R1 - 6")),
                             [&](const QString& name) { return shown.value(name); });
    EXPECT_EQ(r.passed, QByteArray(t.failed_widget).isEmpty());
    EXPECT_EQ(r.failed_widget, QString::fromUtf8(t.failed_widget));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Scheme4aTyped,
    ::testing::Values(
        Typed{"AllRight", {"15", "12", "10", "13", "50", "6", "44", "+", "-"}, ""},
        Typed{"FinalResultIsFoundFirst", {"1", "1", "1", "1", "1", "1", "45", "", ""}, "E77"},
        Typed{"PartialResultNext", {"1", "1", "1", "1", "51", "1", "44", "", ""}, "E57"},
        Typed{"ThenTheColumnInOrder", {"15", "12", "13", "10", "50", "6", "44", "+", "-"}, "E37"},
        Typed{"ThenTheDatumOfTheSecondRow", {"15", "12", "10", "13", "50", "7", "44", "", ""}, "E67"},
        Typed{"ThenTheColumnsOperator", {"15", "12", "10", "13", "50", "6", "44", "", "-"}, "Lop1"},
        Typed{"ThenTheSecondOperator", {"15", "12", "10", "13", "50", "6", "44", "+", "+"}, "Lop2"},
        Typed{"TrailingDecimalZeroFails", {"15", "12", "10", "13", "50", "6", "44,0", "+", "-"}, "E77"},
        Typed{"TrailingBlankFails", {"15", "12", "10", "13", "50 ", "6", "44", "+", "-"}, "E57"},
        Typed{"AllEmpty", {"", "", "", "", "", "", "", "", ""}, "E77"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia
