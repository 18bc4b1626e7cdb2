// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas the scheme-4b windows cannot hold stop the load with a message;
// the window stays open and usable, and the scheme of such a problem cannot
// be passed.

#include "scheme4b_fixture.h"

#include "widgets/step_indicators.h"

namespace quorvia::testing {
namespace {

struct BrokenFormula {
    const char* name;
    Mode mode;
    int problem;
    const char* message;  // the last one shown
};

class Scheme4bBrokenFormula : public Scheme4bFixture,
                              public ::testing::WithParamInterface<BrokenFormula> {};

TEST_P(Scheme4bBrokenFormula, StopsTheLoadWithAMessageAndLeavesTheWindowUsable)
{
    const BrokenFormula& b = GetParam();
    const int count = b.mode == Mode::Advanced ? 11 : 3;
    auto w = open4b(b.mode, 2, count);
    ASSERT_TRUE(dialogs_->messages().isEmpty());
    ASSERT_FALSE(w->partialOnRight());

    // Reached the way a child reaches it: from the problem before.
    w->setLaunch({folder_, b.mode == Mode::Advanced ? kAdvanced4bFile : kBeginner4bFile,
                  b.problem - 1, count, 42});
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    ASSERT_EQ(w->state().current_problem, b.problem);
    ASSERT_FALSE(dialogs_->messages().isEmpty());
    EXPECT_EQ(dialogs_->messages().last(), QString::fromUtf8(b.message));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(text(*w, "Numero_problema"),
              QStringLiteral("%1/%2").arg(b.problem).arg(count));

    // Step 1 is open and answers; the scheme cannot be passed with any numbers.
    EXPECT_EQ(ledColour(*w, "Shape01"), kYellow);
    for (const char* box : {"E17", "E27", "E37", "E57", "E67", "E77"})
        find<QLineEdit>(*w, box)->setText("0");
    w->operationSchemeClick();
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=1"));

    // And the child can go back to a sound problem, which loads whole.
    while (w->state().current_problem > 2) {
        dialogs_->clearRecords();
        dialogs_->setNextYesNo(true);
        click(*w, "LMDButton3");
    }
    EXPECT_TRUE(dialogs_->messages().isEmpty());
    EXPECT_EQ(text(*w, "H7"), QStringLiteral("Err=0"));
    EXPECT_EQ(text(*w, "L61"), QStringLiteral("mucche"));
    NextShape(6, w.get());
    fillScheme(*w, "8", "5", "7", "N1", "20", "4", "x1", "80");
    click(*w, "B7");
    EXPECT_EQ(ledColour(*w, "Shape07"), kLime);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, Scheme4bBrokenFormula,
    ::testing::Values(
        BrokenFormula{"R1OfTenNumbers", Mode::Advanced, 6,
                      "La formula R1 \"1+1+1+1+1+1+1+1+1+1\" ha più di 9 numeri: lo schema ne "
                      "contiene al massimo 9, perché serve un posto anche per il numero di R2."},
        BrokenFormula{"R2WithoutR1", Mode::Advanced, 7,
                      "La formula R2 \"5 x 3\" non ha la parola R1 come uno dei suoi due termini."},
        BrokenFormula{"R2WithoutR1Beginner", Mode::Beginner, 3,
                      "La formula R2 \"5 x 3\" non ha la parola R1 come uno dei suoi due termini."},
        BrokenFormula{"R2OfR1Alone", Mode::Advanced, 8, "List index out of bounds (1)"},
        BrokenFormula{"R1PartNotANumber", Mode::Advanced, 9, "'(3)' is not a valid floating point value"},
        BrokenFormula{"R2Missing", Mode::Advanced, 10, "List index out of bounds (0)"},
        BrokenFormula{"R2OfThreeParts", Mode::Advanced, 11,
                      "La formula R2 \"R1 + 2 + 3\" ha più di due termini: lo schema ne contiene "
                      "solo due, la parola R1 e un numero."}),
    [](const auto& info) { return std::string(info.param.name); });

// A refused problem leaves the second operation as the load before left it.
using Scheme4bLoading = Scheme4bFixture;

TEST_F(Scheme4bLoading, ARefusedProblemMovesNothing)
{
    auto w = open4b(Mode::Advanced, 1);
    ASSERT_TRUE(w->partialOnRight());
    const int jolly = find<QWidget>(*w, "jolly")->x();
    const int ljolly = find<QWidget>(*w, "Ljolly")->x();
    w->setLaunch({folder_, kAdvanced4bFile, 6, 11, 42});
    dialogs_->setNextYesNo(true);
    click(*w, "LMDButton1");
    ASSERT_EQ(w->state().current_problem, 7);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_EQ(find<QWidget>(*w, "jolly")->x(), jolly);
    EXPECT_EQ(find<QWidget>(*w, "Ljolly")->x(), ljolly);
    EXPECT_TRUE(w->partialOnRight());
}

}  // namespace
}  // namespace quorvia::testing
