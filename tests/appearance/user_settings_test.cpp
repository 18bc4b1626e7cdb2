// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings go when the resource folder may not be written (an
// installed program): the user's own CONFIGURE.INI in $XDG_CONFIG_HOME.

#include "appearance_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace quorvia::testing {
namespace {

using appearance::AppearanceEditor;

const QColor kYellow(255, 255, 0), kBlue(0, 0, 255);

class UserSettings : public AppearanceTest {
protected:
    void SetUp() override
    {
        AppearanceTest::SetUp();
        ASSERT_TRUE(home_.isValid());
        previous_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QFile file(configurePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("; della maestra\r\n[Titolo_S2_L1]\r\nCAPTION=Un'operazione\r\n");
    }
    void TearDown() override
    {
        QFile(selection_.folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", previous_);
    }
    QString userPath() const { return home_.path() + QStringLiteral("/quorvia/CONFIGURE.INI"); }
    IniFile userFile() const { return IniFile::read(userPath().toStdString()); }
    QByteArray folderBytes() const
    {
        QFile file(configurePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Root writes anywhere, so only another user sees a folder as read-only.
    bool makeFolderReadOnly()
    {
        QFile(selection_.folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        return !QFileInfo(selection_.folder).isWritable();
    }
    void restyleLabel7(AppearanceEditor& editor, const QColor& colour)
    {
        SmallWindow w;
        dialogs_->setNextColor(colour);
        editor.xMouseUp(w.window.get(), w.Label7, Qt::RightButton, Qt::NoModifier);
    }

    QTemporaryDir home_;
    QByteArray previous_;
};

TEST_F(UserSettings, AWritableFolderKeepsItsOwnFileAndIgnoresTheUsersCopy)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userPath()).absolutePath()));
    QFile stale(userPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("[Label7_S2_L1]\nCAPTION=vecchia\n[Label7_S2_L1_P1]\nCOLOR=16711680\n");
    stale.close();

    AppearanceEditor editor(selection_);
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kHeadingBack);
    restyleLabel7(editor, kYellow);
    EXPECT_TRUE(configure().sectionExists("Label7_S2_L1_P1"));
    EXPECT_EQ(userFile().readString("Label7_S2_L1", "CAPTION", ""), "vecchia");
}

TEST_F(UserSettings, AReadOnlyFolderGetsTheUsersCopyMadeFromItsOwnFile)
{
    if (!makeFolderReadOnly())
        GTEST_SKIP() << "the folder stays writable for this user (root)";
    const QByteArray before = folderBytes();
    AppearanceEditor editor(selection_);
    restyleLabel7(editor, kYellow);

    EXPECT_TRUE(dialogs_->messages().isEmpty()) << dialogs_->messages().join('\n').toStdString();
    EXPECT_EQ(folderBytes(), before);
    const IniFile copy = userFile();
    EXPECT_EQ(copy.readString("Titolo_S2_L1", "CAPTION", ""), "Un'operazione");
    EXPECT_EQ(copy.lineOf("Titolo_S2_L1"), 2);  // the teacher's comment came along
    EXPECT_TRUE(copy.sectionExists("Label7_S2_L1_P1"));

    // A later run reads the copy; a second change goes there too.
    AppearanceEditor nextRun(selection_);
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(nextRun)->Label7, QPalette::Window), kYellow);
    selection_.problem = 2;
    restyleLabel7(nextRun, kBlue);
    EXPECT_TRUE(userFile().sectionExists("Label7_S2_L1_P1"));
    EXPECT_TRUE(userFile().sectionExists("Label7_S2_L1_P2"));
    EXPECT_EQ(folderBytes(), before);
}

TEST_F(UserSettings, WithNoPlaceForTheCopyTheChangeIsReportedAndLastsTheRun)
{
    if (!makeFolderReadOnly())
        GTEST_SKIP() << "the folder stays writable for this user (root)";
    // A file where the folder "quorvia" should be.
    QFile blocker(home_.path() + QStringLiteral("/quorvia"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    AppearanceEditor editor(selection_);
    restyleLabel7(editor, kYellow);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages().first().contains(QStringLiteral("fino alla chiusura del programma")));
    EXPECT_EQ(SmallWindow::colour(freshlyLoaded(editor)->Label7, QPalette::Window), kYellow);
}

}  // namespace
}  // namespace quorvia::testing
