// SPDX-License-Identifier: GPL-3.0-or-later
// What kind of mistake a failed scheme check was, for every scheme and on
// either row, with no window: the right texts of a problem, a few of them
// changed as a child would.

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"
#include "exercise/scheme3.h"
#include "exercise/scheme4a.h"
#include "exercise/scheme4b.h"
#include "exercise/scheme5.h"

#include <QMap>

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia {
namespace {

struct Change {
    const char* widget;
    const char* text;
};

struct MistakeCase {
    const char* name;
    Scheme scheme;
    std::vector<Change> changes;  // to the right texts
    MistakeKind kind;
    int row;
};

// A failing case reads by its name.
void PrintTo(const MistakeCase& c, std::ostream* out)
{
    *out << c.name;
}

// One problem per scheme: 12 x 3; 5+6+4+7 then R1-6; 5+4+6 then R1-3;
// 12+5 then R1x3.
ExpectedTexts rightTexts(Scheme scheme)
{
    TCalcExpress evaluator;
    switch (scheme) {
    case Scheme::S3:
        return scheme3Expectations(prepareFormulas(evaluator, scheme, "12 x 3", "", {}));
    case Scheme::S4a:
        return scheme4aExpectations(prepareFormulas(evaluator, scheme, "5+6+4+7", "R1-6", {}));
    case Scheme::S4b:
        return scheme4bExpectations(prepareFormulas(evaluator, scheme, "5+4+6", "R1-3", {}));
    case Scheme::S5:
        return scheme5Expectations(prepareFormulas(evaluator, scheme, "12+5", "R1x3", {}));
    }
    return {};
}

class SchemeMistakes : public ::testing::TestWithParam<MistakeCase> {
    ScopedDecimalSeparator comma_{','};
};

TEST_P(SchemeMistakes, AreToldByKindAndRow)
{
    const MistakeCase& c = GetParam();
    const ExpectedTexts expected = rightTexts(c.scheme);
    QMap<QString, QString> typed;
    for (const ExpectedText& e : expected)
        typed[e.widget] = e.text;
    for (const Change& change : c.changes) {
        ASSERT_TRUE(typed.contains(QLatin1String(change.widget))) << change.widget;
        typed[QLatin1String(change.widget)] = QString::fromUtf8(change.text);
    }
    const SchemeCheckResult r = checkOperationScheme(expected, [&](const QString& name) { return typed.value(name); });
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.mistake, c.kind);
    EXPECT_EQ(r.row, c.row);
}

using K = MistakeKind;
const Scheme S3 = Scheme::S3, S4a = Scheme::S4a, S4b = Scheme::S4b, S5 = Scheme::S5;

INSTANTIATE_TEST_SUITE_P(
    EveryScheme, SchemeMistakes,
    ::testing::Values(
        // 12 x 3 = 36
        MistakeCase{"S3WrongSignAndItsResult", S3, {{"Loper1", "+"}, {"Risultato2", "15"}}, K::Sign, 1},
        MistakeCase{"S3WrongSignAlone", S3, {{"Loper1", ":"}}, K::Sign, 1},
        MistakeCase{"S3SwappedOperands", S3, {{"dato1", "3"}, {"dato2", "12"}}, K::Order, 1},
        MistakeCase{"S3ResultInADatumBox", S3, {{"dato2", "36"}, {"Risultato2", "432"}}, K::Order, 1},
        MistakeCase{"S3ForeignNumber", S3, {{"dato2", "4"}, {"Risultato2", "48"}}, K::UnknownNumber, 1},
        MistakeCase{"S3ForeignNumberBeforeSign", S3, {{"dato1", "13"}, {"Loper1", "+"}}, K::UnknownNumber, 1},
        MistakeCase{"S3CalculationSlip", S3, {{"Risultato2", "35"}}, K::Calculation, 1},
        // 5+6+4+7 = 22 in the column, 22-6 = 16
        MistakeCase{"S4aRow1WrongSign", S4a, {{"Lop1", "X"}}, K::Sign, 1},
        MistakeCase{"S4aRow1SwappedOperands", S4a, {{"E17", "6"}, {"E27", "5"}}, K::Order, 1},
        MistakeCase{"S4aRow1ForeignNumber", S4a, {{"E37", "9"}, {"E57", "27"}, {"E77", "21"}}, K::UnknownNumber, 1},
        MistakeCase{"S4aRow1SlipCarriedIntoRow2", S4a, {{"E57", "21"}, {"E77", "15"}}, K::Calculation, 1},
        MistakeCase{"S4aRow2WrongSign", S4a, {{"Lop2", "+"}, {"E77", "28"}}, K::Sign, 2},
        MistakeCase{"S4aRow2NumberOfRow1", S4a, {{"E67", "5"}, {"E77", "17"}}, K::Order, 2},
        MistakeCase{"S4aRow2ForeignNumber", S4a, {{"E67", "8"}}, K::UnknownNumber, 2},
        MistakeCase{"S4aRow2CalculationSlip", S4a, {{"E77", "17"}}, K::Calculation, 2},
        // 5+4+6 = 15, 15-3 = 12
        MistakeCase{"S4bRow1WrongSign", S4b, {{"Lop1", "-"}, {"E57", "-5"}}, K::Sign, 1},
        MistakeCase{"S4bRow1SwappedOperands", S4b, {{"E17", "4"}, {"E27", "5"}}, K::Order, 1},
        MistakeCase{"S4bRow1ForeignNumber", S4b, {{"E27", "40"}}, K::UnknownNumber, 1},
        MistakeCase{"S4bRow1CalculationSlip", S4b, {{"E57", "16"}}, K::Calculation, 1},
        MistakeCase{"S4bRow2WrongSign", S4b, {{"Lop2", ":"}, {"E77", "5"}}, K::Sign, 2},
        MistakeCase{"S4bRow2NumberOfRow1", S4b, {{"E67", "6"}}, K::Order, 2},
        MistakeCase{"S4bRow2ForeignNumber", S4b, {{"E67", "2"}, {"E77", "13"}}, K::UnknownNumber, 2},
        MistakeCase{"S4bRow2CalculationSlip", S4b, {{"E77", "11"}}, K::Calculation, 2},
        // 12+5 = 17, 17x3 = 51
        MistakeCase{"S5Row1WrongSign", S5, {{"Loper1", "-"}, {"Risultato1", "7"}, {"Risultato2", "21"}}, K::Sign, 1},
        MistakeCase{"S5Row1SwappedOperands", S5, {{"dato1", "5"}, {"dato2", "12"}}, K::Order, 1},
        MistakeCase{"S5Row1ForeignNumber", S5, {{"dato2", "6"}, {"Risultato1", "18"}}, K::UnknownNumber, 1},
        MistakeCase{"S5Row1CalculationSlip", S5, {{"Risultato1", "18"}, {"Risultato2", "54"}}, K::Calculation, 1},
        MistakeCase{"S5Row2WrongSign", S5, {{"Loper2", "+"}, {"Risultato2", "20"}}, K::Sign, 2},
        MistakeCase{"S5Row2NumberOfRow1", S5, {{"dato3", "12"}, {"Risultato2", "204"}}, K::Order, 2},
        MistakeCase{"S5Row2ForeignNumber", S5, {{"dato3", "4"}, {"Risultato2", "68"}}, K::UnknownNumber, 2},
        MistakeCase{"S5Row2CalculationSlip", S5, {{"Risultato2", "50"}}, K::Calculation, 2},
        // Nothing to tell: the step's own message.
        MistakeCase{"NoSignPicked", S3, {{"Loper1", ""}}, K::General, 0},
        MistakeCase{"EmptyDatumBox", S5, {{"dato2", ""}, {"Loper1", "-"}}, K::General, 0},
        MistakeCase{"ResultThatIsNoNumber", S3, {{"Risultato2", "3 6"}}, K::General, 0},
        MistakeCase{"EmptyResult", S5, {{"Risultato2", ""}}, K::General, 0},
        MistakeCase{"RightNumberWrittenAnotherWay", S4a, {{"E17", "5,0"}}, K::General, 0},
        MistakeCase{"RightResultWrittenAnotherWay", S3, {{"Risultato2", "036"}}, K::General, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeMistakes, APassedCheckHasNone)
{
    const ExpectedTexts expected = rightTexts(Scheme::S5);
    const SchemeCheckResult r = checkOperationScheme(expected, [&](const QString& name) {
        for (const ExpectedText& e : expected) {
            if (e.widget == name)
                return e.text;
        }
        return QString();
    });
    EXPECT_TRUE(r.passed);
    EXPECT_EQ(r.mistake, MistakeKind::General);
    EXPECT_EQ(r.row, 0);
}

}  // namespace
}  // namespace quorvia
