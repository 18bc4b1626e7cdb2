// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own hooks carry every window's print button to the report.

#include "print_fixture.h"

#include "app/program_hooks.h"

namespace quorvia::testing {
namespace {

using ProgramPrint = WindowPrintTest;

TEST_P(ProgramPrint, ThePrintButtonOpensThePreviewOfTheWorkedProblem)
{
    ProgramHooks hooks(*main_);
    window_->setHooks(&hooks);
    open(1);
    answerStep(1, true);
    pressPrint();

    ASSERT_EQ(dialogs_->printPreviews().size(), 1) << dialogs_->messages().join('\n').toStdString();
    EXPECT_TRUE(dialogs_->printPreviews()[0].caption.startsWith(QStringLiteral("Anteprima - ")));
    EXPECT_EQ(printed("memo6"), sentenceText(facts(), 1, 1));
    window_->setHooks(nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, ProgramPrint, ::testing::ValuesIn(everyWindow()), windowCaseName);

}  // namespace
}  // namespace quorvia::testing
