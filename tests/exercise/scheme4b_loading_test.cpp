// SPDX-License-Identifier: GPL-3.0-or-later
// A scheme-4b problem refused for its formulas moves nothing of the second
// row; what every window does with a refused formula is RefusedFormula's.

#include "scheme4b_fixture.h"

namespace quorvia::testing {
namespace {

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
