// SPDX-License-Identifier: GPL-3.0-or-later
// The appearance settings on a real exercise window, with the mouse, through
// the program's hooks: what a teacher sees when moving between problems.

#include "appearance_fixture.h"

#include "app/program_hooks.h"
#include "exercise/exercise_window.h"
#include "exercise/scheme3.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTest>

namespace quorvia::testing {
namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0);

class ExerciseWindowAppearance : public AppearanceTest {
protected:
    // TFormA3 on the bundled problems, which it only reads; the settings go
    // to the test's own folder.
    std::unique_ptr<ExerciseWindow> openAdvancedScheme3()
    {
        auto w = std::make_unique<ExerciseWindow>(scheme3Description(), Mode::Advanced, &selection_);
        w->setHooks(&hooks_);
        w->setLaunch({QStringLiteral(QUORVIA_RESOURCES "/"), QStringLiteral("A_SCHEMA3.INI"), 1, 10, 3});
        w->show();
        return w;
    }
    void move(ExerciseWindow& w, const char* button)
    {
        dialogs_->setNextYesNo(true);
        qobject_cast<QAbstractButton*>(w.TROVA_COMP(QLatin1String(button)))->click();
    }
    static QLabel* label(ExerciseWindow& w, const char* name)
    {
        return qobject_cast<QLabel*>(w.TROVA_COMP(QLatin1String(name)));
    }

    ProgramHooks hooks_{selection_};
};

TEST_F(ExerciseWindowAppearance, ARightClickedHeadingKeepsItsColourOnItsProblemOnly)
{
    auto w = openAdvancedScheme3();
    QLabel* heading = label(*w, "Label7");
    dialogs_->setNextColor(kYellow);
    QTest::mouseClick(heading, Qt::RightButton);
    EXPECT_EQ(dialogs_->colorDialogCount(), 1);
    EXPECT_EQ(SmallWindow::colour(heading, QPalette::Window), kYellow);
    EXPECT_TRUE(configure().sectionExists("Label7_S2_L1_P1"));

    move(*w, "LMDButton1");
    EXPECT_EQ(selection_.problem, 2);
    EXPECT_EQ(SmallWindow::colour(heading, QPalette::Window), kRed);
    move(*w, "LMDButton3");
    EXPECT_EQ(SmallWindow::colour(heading, QPalette::Window), kYellow);
    EXPECT_EQ(heading->text(), QStringLiteral("Riscrivi la domanda e poi ..."));
}

TEST_F(ExerciseWindowAppearance, TheInstructionLineShowsTheNameOnceAfterItsWordingChanged)
{
    auto w = openAdvancedScheme3();
    QLabel* line = label(*w, "Label1");
    EXPECT_EQ(line->text(), QStringLiteral("Giulia: Leggi e segui le indicazioni"));
    dialogs_->setNextInput(QStringLiteral("Leggi due volte"));
    QTest::mouseClick(line, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(line->text(), QStringLiteral("Giulia: Leggi due volte"));

    move(*w, "LMDButton1");
    EXPECT_EQ(line->text(), QStringLiteral("Giulia: Leggi due volte"));
    selection_.name = QStringLiteral("Marco");
    move(*w, "LMDButton3");
    EXPECT_EQ(line->text(), QStringLiteral("Marco: Leggi due volte"));
}

TEST_F(ExerciseWindowAppearance, TheProblemTextTakesItsFontWithCtrl)
{
    auto w = openAdvancedScheme3();
    auto* memo = qobject_cast<QPlainTextEdit*>(w->TROVA_COMP(QStringLiteral("Memo1")));
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(20);
    dialogs_->setNextFont(chosen);
    QTest::mouseClick(memo->viewport(), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(dialogs_->fontDialogCount(), 1);
    EXPECT_EQ(memo->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(configure().readString("Memo1_S2_L1_P1", "FONT", "").rfind("DejaVu Serif,0,", 0) == 0);
}

TEST_F(ExerciseWindowAppearance, AFontAndItsColourShowOnTheirProblemOnly)
{
    auto w = openAdvancedScheme3();
    auto* memo = qobject_cast<QPlainTextEdit*>(w->TROVA_COMP(QStringLiteral("Memo1")));
    const QFont designedFont = memo->font();
    const QColor designedText = SmallWindow::colour(memo, QPalette::Text);
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(20);
    const QColor blue(0, 0, 255);
    dialogs_->setNextFont(chosen, blue);
    QTest::mouseClick(memo->viewport(), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(SmallWindow::colour(memo, QPalette::Text), blue);
    // Blue is 16711680 with red in the low byte.
    EXPECT_EQ(configure().readString("Memo1_S2_L1_P1", "FONT", ""), "DejaVu Serif,0,16711680,20,0");

    for (const char* button : {"LMDButton1", "LMDButton1"}) {
        move(*w, button);
        EXPECT_EQ(memo->font(), designedFont) << selection_.problem;
        EXPECT_EQ(SmallWindow::colour(memo, QPalette::Text), designedText) << selection_.problem;
    }
    move(*w, "LMDButton3");
    move(*w, "LMDButton3");
    EXPECT_EQ(memo->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(SmallWindow::colour(memo, QPalette::Text), blue);
}

TEST_F(ExerciseWindowAppearance, ALabelRestyledInOneModeShowsAsDesignedInAnother)
{
    auto w = openAdvancedScheme3();
    QLabel* heading = label(*w, "Label7");
    const QColor designedBack = SmallWindow::colour(heading, QPalette::Window);
    const QString designedCaption = heading->text();
    dialogs_->setNextColor(kYellow);
    QTest::mouseClick(heading, Qt::RightButton);
    dialogs_->setNextInput(QStringLiteral("Scrivi la domanda"));
    QTest::mouseClick(heading, Qt::RightButton, Qt::AltModifier);
    ASSERT_EQ(heading->text(), QStringLiteral("Scrivi la domanda"));
    w->close();

    // Mode 3 is advanced mode too, in the same window, with settings of its own.
    selection_.mode = 3;
    w->show();
    EXPECT_EQ(SmallWindow::colour(heading, QPalette::Window), designedBack);
    EXPECT_EQ(heading->text(), designedCaption);
    w->close();

    selection_.mode = 2;
    w->show();
    EXPECT_EQ(SmallWindow::colour(heading, QPalette::Window), kYellow);
    EXPECT_EQ(heading->text(), QStringLiteral("Scrivi la domanda"));
}

}  // namespace
}  // namespace quorvia::testing
