// SPDX-License-Identifier: GPL-3.0-or-later
// Restyling labels and the problem text with the mouse, the settings kept
// per mode, scheme and problem, and applying them at a load.

#include "appearance_fixture.h"

#include "appearance/colour_value.h"

namespace quorvia::testing {
namespace {

using appearance::AppearanceEditor;

const QColor kYellow(255, 255, 0), kRed(255, 0, 0), kLime(0, 255, 0), kBlue(0, 0, 255);

using RightClick = AppearanceTest;

QFont arial(int points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

TEST_F(RightClick, WithCtrlOnTheProblemTextKeepsItsFontForThatProblem)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextFont(arial(16, true));
    editor.xMouseUp(w.window.get(), w.Memo1, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(dialogs_->fontDialogCount(), 1);
    EXPECT_EQ(w.Memo1->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(section("Memo1_S2_L1_P1"),
              (QStringList{"NAME=Memo1",
                           "COLOR=" + QString::number(appearance::colourValue(kMemoBack)),
                           "FONT=Arial,0," + QString::number(appearance::colourValue(
                                                 SmallWindow::colour(w.Memo1, QPalette::Text))) +
                               ",16,1"}));
    EXPECT_FALSE(configure().sectionExists("Memo1_S2_L1"));

    AppearanceEditor nextRun(selection_);
    const QFont shown = freshlyLoaded(nextRun)->Memo1->font();
    EXPECT_EQ(shown.family(), QStringLiteral("Arial"));
    EXPECT_EQ(shown.pointSize(), 16);
    EXPECT_TRUE(shown.bold());
    selection_.problem = 2;
    EXPECT_EQ(freshlyLoaded(nextRun)->Memo1->font(), SmallWindow().Memo1->font());
}

TEST_F(RightClick, OnALabelColoursItForThatProblemAndRedForTheOthers)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextInput(QStringLiteral("Scrivi la domanda"));
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::AltModifier);
    dialogs_->setNextColor(kYellow);
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(SmallWindow::colour(w.Label7, QPalette::Window), kYellow);
    EXPECT_EQ(section("Label7_S2_L1"), QStringList{"CAPTION=Scrivi la domanda"});
    const QStringList problem = section("Label7_S2_L1_P1");
    ASSERT_EQ(problem.size(), 3);
    EXPECT_EQ(problem[0], QStringLiteral("NAME=Label7"));
    EXPECT_EQ(problem[1], QStringLiteral("COLOR=65535"));
    EXPECT_TRUE(problem[2].startsWith(QStringLiteral("FONT=DejaVu Sans,0,65535,13,1"))) << problem[2].toStdString();

    AppearanceEditor nextRun(selection_);
    auto same = freshlyLoaded(nextRun);
    EXPECT_EQ(SmallWindow::colour(same->Label7, QPalette::Window), kYellow);
    EXPECT_EQ(same->Label7->text(), QStringLiteral("Scrivi la domanda"));

    selection_.problem = 2;
    auto other = freshlyLoaded(nextRun);
    EXPECT_EQ(SmallWindow::colour(other->Label7, QPalette::Window), kRed);
    EXPECT_EQ(other->Label7->text(), QStringLiteral("Scrivi la domanda"));
    EXPECT_EQ(other->Label7->font(), SmallWindow().Label7->font());
    // Controls never restyled keep their design.
    EXPECT_EQ(SmallWindow::colour(other->Memo1, QPalette::Base), kMemoBack);
    EXPECT_EQ(other->Titolo->text(), QString());
}

TEST_F(RightClick, ModesTwoAndThreeKeepTheirOwnSettings)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextColor(kYellow);
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);

    selection_.mode = 3;
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kHeadingBack);
    dialogs_->setNextColor(kBlue);
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kBlue);

    selection_.mode = 2;
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kYellow);
    EXPECT_TRUE(configure().sectionExists("Label7_S3_L1_P1"));
    // Another scheme of the same mode has none of it.
    selection_.scheme = 2;
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kHeadingBack);
}

TEST_F(RightClick, OnTheProblemTextColoursTheSidePanelsToo)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextColor(kLime);
    editor.xMouseUp(w.window.get(), w.Memo1, Qt::RightButton, Qt::NoModifier);
    for (const QWidget* coloured : {static_cast<QWidget*>(w.LMDSimplePanel3), static_cast<QWidget*>(w.LMDSimplePanel4)})
        EXPECT_EQ(SmallWindow::colour(coloured, QPalette::Window), kLime);
    EXPECT_EQ(SmallWindow::colour(w.Memo1, QPalette::Base), kLime);

    auto loaded = freshlyLoaded(editor);
    EXPECT_EQ(SmallWindow::colour(loaded->Memo1, QPalette::Base), kLime);
    EXPECT_EQ(SmallWindow::colour(loaded->LMDSimplePanel3, QPalette::Window), kLime);
    EXPECT_EQ(SmallWindow::colour(loaded->LMDSimplePanel4, QPalette::Window), kLime);
}

// Which dialog a mouse button and keys open; the first matching rule wins.
enum class Opens { Nothing, Colour, Font, Input };

struct MouseCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers keys;
    bool onMemo;
    Opens opens;
};

class MouseButtons : public AppearanceTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseButtons, OpenTheirDialog)
{
    const MouseCase& c = GetParam();
    AppearanceEditor editor(selection_);
    SmallWindow w;
    // Every dialog is cancelled: none writes anything.
    editor.xMouseUp(w.window.get(), c.onMemo ? static_cast<QWidget*>(w.Memo1) : w.Label7, c.button, c.keys);
    EXPECT_EQ(dialogs_->colorDialogCount(), c.opens == Opens::Colour ? 1 : 0);
    EXPECT_EQ(dialogs_->fontDialogCount(), c.opens == Opens::Font ? 1 : 0);
    EXPECT_EQ(dialogs_->inputPrompts().size(), c.opens == Opens::Input ? 1 : 0);
    // A cancelled input box still writes the settings; nothing else does.
    EXPECT_EQ(QFileInfo::exists(configurePath()), c.opens == Opens::Input);
    EXPECT_EQ(w.Label7->text(), QStringLiteral("Riscrivi la domanda e poi ..."));
    EXPECT_EQ(SmallWindow::colour(w.Label7, QPalette::Window), kHeadingBack);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MouseButtons,
    ::testing::Values(
        MouseCase{"RightOnLabel", Qt::RightButton, Qt::NoModifier, false, Opens::Colour},
        MouseCase{"RightOnMemo", Qt::RightButton, Qt::NoModifier, true, Opens::Colour},
        MouseCase{"ShiftPlaysNoPart", Qt::RightButton, Qt::ShiftModifier, false, Opens::Colour},
        MouseCase{"CtrlOnLabel", Qt::RightButton, Qt::ControlModifier, false, Opens::Font},
        MouseCase{"CtrlOnMemo", Qt::RightButton, Qt::ControlModifier, true, Opens::Font},
        MouseCase{"AltOnLabel", Qt::RightButton, Qt::AltModifier, false, Opens::Input},
        MouseCase{"AltWinsOverCtrl", Qt::RightButton, Qt::AltModifier | Qt::ControlModifier, false,
                  Opens::Input},
        MouseCase{"AltOnMemo", Qt::RightButton, Qt::AltModifier, true, Opens::Nothing},
        MouseCase{"LeftButton", Qt::LeftButton, Qt::NoModifier, false, Opens::Nothing},
        MouseCase{"MiddleWithCtrl", Qt::MiddleButton, Qt::ControlModifier, true, Opens::Nothing}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RightClick, WithAltAsksForTheWordingOfTheLabel)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextInput(QStringLiteral("Leggi la domanda"));
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(dialogs_->inputPrompts(), QStringList{"Prompt"});
    EXPECT_EQ(w.Label7->text(), QStringLiteral("Leggi la domanda"));
    EXPECT_EQ(section("Label7_S2_L1"), QStringList{"CAPTION=Leggi la domanda"});
    // Only the wording changed: the problem section keeps the design colour.
    EXPECT_EQ(section("Label7_S2_L1_P1").value(1),
              "COLOR=" + QString::number(appearance::colourValue(kHeadingBack)));
}

TEST_F(RightClick, OnTheInstructionLineStoresItsWordingWithoutTheChildsName)
{
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextColor(kBlue);
    editor.xMouseUp(w.window.get(), w.Label1, Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(section("Label1_S2_L1"), QStringList{"CAPTION=Leggi e segui le indicazioni"});

    dialogs_->setNextInput(QStringLiteral("Leggi bene"));
    editor.xMouseUp(w.window.get(), w.Label1, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Giulia: Leggi bene"));
    EXPECT_EQ(section("Label1_S2_L1"), QStringList{"CAPTION=Leggi bene"});

    // The next child's line shows only the wording; the window adds the name.
    selection_.name = QStringLiteral("Marco");
    SmallWindow next;
    next.Label1->setText(QStringLiteral("Leggi e segui le indicazioni"));
    editor.LOAD_COLORI(next.window.get());
    EXPECT_EQ(next.Label1->text(), QStringLiteral("Leggi bene"));
}

TEST_F(RightClick, WithoutASettingsFileNothingIsApplied)
{
    AppearanceEditor editor(selection_);
    auto w = freshlyLoaded(editor);
    EXPECT_EQ(SmallWindow::colour(w->Label7, QPalette::Window), kHeadingBack);
    EXPECT_EQ(w->Label7->text(), QStringLiteral("Riscrivi la domanda e poi ..."));
    EXPECT_EQ(SmallWindow::colour(w->Memo1, QPalette::Base), kMemoBack);
    EXPECT_FALSE(QFileInfo::exists(configurePath()));
}

TEST_F(RightClick, AHandWrittenSettingsFileMatchesNamesWithoutRegardToCase)
{
    QFile file(configurePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[label7_s2_l1]\ncaption=Ciao\nFont=,,,,4\n"
               "[LABEL7_S2_L1_P1]\nColor=65280\nFont=Arial,0,255,20,1\n"
               "[memo1_s2_l1_p1]\nFONT=Arial,0,0,9\n");
    file.close();
    AppearanceEditor editor(selection_);
    auto w = freshlyLoaded(editor);
    EXPECT_EQ(SmallWindow::colour(w->Label7, QPalette::Window), kLime);
    EXPECT_EQ(SmallWindow::colour(w->Label7, QPalette::WindowText), kRed);
    EXPECT_EQ(w->Label7->text(), QStringLiteral("Ciao"));
    EXPECT_EQ(w->Label7->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(w->Label7->font().pointSize(), 20);
    // The scheme section's font comes after the problem's.
    EXPECT_FALSE(w->Label7->font().bold());
    EXPECT_TRUE(w->Label7->font().underline());
    // A memo section without a colour turns it red.
    EXPECT_EQ(SmallWindow::colour(w->Memo1, QPalette::Base), kRed);
    EXPECT_EQ(w->Memo1->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(SmallWindow::colour(w->LMDSimplePanel4, QPalette::Window), kRed);
}

// ---------------------------------------------------------------------------
// A settings file that cannot be written.

TEST_F(RightClick, ASettingsFileThatCannotBeWrittenIsReportedAndTheChangeLastsTheRun)
{
    ASSERT_TRUE(QDir(selection_.folder).mkdir(QStringLiteral("CONFIGURE.INI")));
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextColor(kYellow);
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages().first().startsWith(
        QStringLiteral("L'aspetto scelto non è stato salvato in CONFIGURE.INI")));
    EXPECT_EQ(SmallWindow::colour(w.Label7, QPalette::Window), kYellow);
    EXPECT_TRUE(QFileInfo(configurePath()).isDir());

    // Every load of this run still shows it.
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kYellow);

    // Once the file can be written, the next change takes the earlier one along.
    ASSERT_TRUE(QDir(selection_.folder).rmdir(QStringLiteral("CONFIGURE.INI")));
    dialogs_->setNextFont(arial(12, false));
    editor.xMouseUp(w.window.get(), w.Memo1, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(configure().sectionExists("Label7_S2_L1_P1"));
    EXPECT_TRUE(configure().sectionExists("Memo1_S2_L1_P1"));
    AppearanceEditor nextRun(selection_);
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(nextRun)->Label7, QPalette::Window), kYellow);
}

TEST_F(RightClick, AnExistingSettingsFileKeepsEverythingElse)
{
    QFile file(configurePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; impostazioni della maestra\n[Titolo_S1_L4]\nCAPTION=Due operazioni\n");
    file.close();
    AppearanceEditor editor(selection_);
    SmallWindow w;
    dialogs_->setNextColor(kYellow);
    editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(section("Titolo_S1_L4"), QStringList{"CAPTION=Due operazioni"});
    EXPECT_EQ(configure().lineOf("Titolo_S1_L4"), 2);
    EXPECT_TRUE(configure().sectionExists("Label7_S2_L1_P1"));
}

}  // namespace
}  // namespace quorvia::testing
