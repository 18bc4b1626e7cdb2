// SPDX-License-Identifier: GPL-3.0-or-later
// Getting into the teacher's area (the main window's shortcut, the PIN), a
// read-only folder, and the folders in force with the choice of another
// progress folder.

#include "base/progress_folder.h"
#include "base/teacher_pin.h"
#include "platform/fakes.h"
#include "shell/main_window.h"
#include "teacher/folders_view.h"
#include "teacher/class_view.h"
#include "teacher/teacher_area.h"
#include "teacher_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

namespace quorvia::teacher::testing {
namespace {

QString labelText(const QWidget& parent, const char* name)
{
    const auto* label = parent.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QString();
}

TEST(TeacherArea, TheMainWindowsShortcutOpensItAfterThePin)
{
    UserConfig config;
    const FaultFolder folder;
    const TeacherAreaSetup setup{{folder.path(), FolderSource::Default}, progressFolderInForce(folder.path()), {}};
    ASSERT_TRUE(storeUserPin(hashPin(QStringLiteral("2468"))).isEmpty());
    struct Case {
        std::optional<QString> typed;
        bool opens;
    } cases[] = {
        {QStringLiteral("1357"), false},
        {std::nullopt, false},
        {QStringLiteral("2468"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.value_or(QStringLiteral("(annulla)")).toStdString());
        platform::ScopedFakeDialogs dialogs;
        dialogs->setNextInput(c.typed);
        // Refused three times over, so that one wrong PIN ends the case.
        dialogs->setNextInput(std::nullopt);
        TForm1 main(folder.path());
        TeacherAreaLauncher launcher(setup);
        installTeacherShortcut(main, [&] { launcher.open(&main); });
        main.show();
        QApplication::setActiveWindow(&main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(dialogs->inputPrompts().size(), c.typed ? 2 - c.opens : 1);
        EXPECT_EQ(launcher.area() != nullptr, c.opens);
        if (launcher.area()) {
            EXPECT_TRUE(launcher.area()->isVisible());
        }
    }
}

TEST(TeacherArea, EscapeClosesItAndTheLauncherSaysSo)
{
    UserConfig config;
    const FaultFolder folder;
    platform::ScopedFakeDialogs dialogs;
    TeacherAreaLauncher launcher({{folder.path(), FolderSource::Default}, progressFolderInForce(folder.path()), {}});
    bool closed = false;
    QObject::connect(&launcher, &TeacherAreaLauncher::closed, [&] { closed = true; });
    TeacherArea* area = launcher.open();
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(dialogs->inputPrompts().isEmpty()) << "no PIN set";
    EXPECT_EQ(launcher.open(), area) << "one area at a time";
    QApplication::setActiveWindow(area);
    ASSERT_TRUE(QTest::qWaitForWindowActive(area));
    QTest::keyClick(area, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed);
    EXPECT_EQ(launcher.area(), nullptr);
}

TEST(TeacherArea, AReadOnlyFolderOpensReadOnlyAndSaysSo)
{
    const FaultFolder folder;
    const TeacherAreaSetup setup{{folder.path(), FolderSource::Option}, {folder.path(), FolderSource::Default}, {}};
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        TeacherArea area(setup, readOnly);
        area.show();
        EXPECT_EQ(area.readOnly(), readOnly);
        const auto* notice = area.findChild<QLabel*>(QStringLiteral("readOnlyNotice"));
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(notice->isVisible(), readOnly);
        EXPECT_TRUE(notice->text().contains(QStringLiteral("sola lettura")));
        EXPECT_EQ(labelText(*area.foldersView(), "resourceSourceLabel").contains(QStringLiteral("sola lettura")),
                  readOnly);
    }
    // The file system decides; root writes everywhere.
    EXPECT_FALSE(folderReadOnly(folder.path()));
    if (::geteuid() == 0)
        return;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(folderReadOnly(folder.path()));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(FoldersView, SaysWhichFoldersAreInForceAndWhy)
{
    const FaultFolder folder;
    EXPECT_EQ(progressFolderInForce(folder.path()).source, FolderSource::Default);
    QByteArray bytes;
    {
        QFile in(folder.path() + QStringLiteral("GENERALE.INI"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        bytes = in.readAll();
    }
    ASSERT_TRUE(bytes.contains("[AREA_PROGRAMMA]"));
    bytes.replace("[AREA_PROGRAMMA]", "[AREA_PROGRAMMA]\nCARTELLA_PROGRESSI=classe3b");
    folder.write(QStringLiteral("GENERALE.INI"), bytes);
    const FolderInForce progress = progressFolderInForce(folder.path());
    EXPECT_EQ(progress.source, FolderSource::Generale);
    EXPECT_EQ(QDir::cleanPath(progress.folder), QDir::cleanPath(folder.path() + QStringLiteral("classe3b")));

    struct Case {
        FolderSource source;
        const char* says;
    } cases[] = {
        {FolderSource::Option, "--risorse"},
        {FolderSource::Variable, "QUORVIA_RISORSE"},
        {FolderSource::Default, "RISORSE del programma"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        FoldersView view({folder.path(), c.source}, progress, false);
        EXPECT_TRUE(labelText(view, "resourceSourceLabel").contains(QLatin1String(c.says)));
        EXPECT_EQ(labelText(view, "resourceFolderLabel"), QDir::toNativeSeparators(QDir::cleanPath(folder.path())));
        EXPECT_TRUE(labelText(view, "progressSourceLabel").contains(QStringLiteral("CARTELLA_PROGRESSI")));
    }
}

TEST(FoldersView, AnotherProgressFolderGoesToTheClassTabOnly)
{
    const FaultFolder folder;
    QTemporaryDir share;
    const FolderInForce progress{folder.path() + QStringLiteral("progressi"), FolderSource::Default};
    TeacherArea area({{folder.path(), FolderSource::Option}, progress, {}}, false);
    const auto chooseButton = area.foldersView()->findChild<QPushButton*>(QStringLiteral("chooseProgressFolderButton"));
    ASSERT_NE(chooseButton, nullptr);

    platform::ScopedFakeDialogs dialogs;
    dialogs->setNextOpenFile(QString());  // cancelled
    chooseButton->click();
    EXPECT_EQ(area.foldersView()->progressFolder(), progress.folder);
    ASSERT_EQ(dialogs->openFileRequests().size(), 1);
    EXPECT_EQ(dialogs->openFileRequests()[0].directory, progress.folder);

    dialogs->setNextOpenFile(share.path());
    chooseButton->click();
    EXPECT_EQ(area.foldersView()->progressFolder(), share.path());
    // The class now reads the share.
    EXPECT_EQ(area.classTab()->progressFolder(), share.path());
    EXPECT_TRUE(labelText(*area.foldersView(), "progressSourceLabel").contains(QStringLiteral("continuano a scrivere")));
    EXPECT_EQ(progressFolderInForce(folder.path()).folder, defaultProgressFolder()) << "the children's folder stays";
}

TEST(TeacherArea, FitsANetbookScreenAndOffersTheEditorOnlyWhenThereIsOne)
{
    const FaultFolder folder;
    TeacherArea area({{folder.path(), FolderSource::Option}, {folder.path(), FolderSource::Default},
                      [](Mode, Scheme, int, const QString&) {}},
                     false);
    EXPECT_LE(area.minimumSizeHint().width(), 1024);
    EXPECT_LE(area.minimumSizeHint().height(), 600 - 40);
    EXPECT_NE(area.findChild<QPushButton*>(QStringLiteral("openEditorButton")), nullptr);
    TeacherArea without({{folder.path(), FolderSource::Option}, {folder.path(), FolderSource::Default}, {}}, false);
    EXPECT_EQ(without.findChild<QPushButton*>(QStringLiteral("openEditorButton")), nullptr);
}

}  // namespace
}  // namespace quorvia::teacher::testing
