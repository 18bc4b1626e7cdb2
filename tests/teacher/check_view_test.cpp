// SPDX-License-Identifier: GPL-3.0-or-later
// The folder check in a window shows what the checker's library finds, no
// more and no less, grouped for a teacher; it can be stopped, copied from,
// and forgets its result when the folder changes.

#include "check/folder_check.h"
#include "check/report_format.h"
#include "platform/fakes.h"
#include "platform/sound.h"
#include "shell/locale_separator.h"
#include "teacher/check_view.h"
#include "teacher/teacher_area.h"
#include "teacher_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace quorvia::teacher::testing {
namespace {

using Key = std::tuple<std::string, int, std::string, bool>;  // file, line, message, error

std::multiset<Key> keysOf(const std::vector<check::Finding>& findings)
{
    std::multiset<Key> keys;
    for (const check::Finding& f : findings)
        keys.insert({f.file, f.line, f.message, f.severity == check::Severity::Error});
    return keys;
}

std::vector<check::Finding> libraryFindings(const check::CheckReport& report)
{
    std::vector<check::Finding> all = report.general;
    all.insert(all.end(), report.other_files.begin(), report.other_files.end());
    for (const check::ProblemFileReport& file : report.files) {
        all.insert(all.end(), file.findings.begin(), file.findings.end());
        for (const check::ProblemReport& problem : file.problems)
            all.insert(all.end(), problem.findings.begin(), problem.findings.end());
    }
    return all;
}

// What the tree shows, read from its rows: the message and line columns,
// the severity word, and the file from the finding behind the row.
std::multiset<Key> shownKeys(const CheckView& view)
{
    std::multiset<Key> keys;
    const QTreeWidget* tree = view.findingsTree();
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        for (int f = 0; f < group->childCount(); ++f) {
            const QTreeWidgetItem* row = group->child(f);
            const PlacedFinding* placed = view.findingAt(row);
            EXPECT_NE(placed, nullptr);
            if (!placed)
                continue;
            keys.insert({placed->finding.file, row->text(1).toInt(), row->text(2).toStdString(),
                         row->text(0) == QStringLiteral("errore")});
        }
    }
    return keys;
}

QString summaryShown(const CheckView& view)
{
    return view.findChild<QLabel*>(QStringLiteral("checkSummary"))->text();
}

TEST(CheckView, ShowsTheLibrarysFindingsAndSummaryLine)
{
    const FaultFolder faults({QStringLiteral("division_by_zero"), QStringLiteral("misspelt_key"),
                              QStringLiteral("mistake_row_missing"), QStringLiteral("missing_picture")});
    struct Case {
        const char* name;
        QString folder;
    } cases[] = {
        {"bundled", QStringLiteral(QUORVIA_SOURCE_RESOURCES "/")},
        {"planted faults", faults.path()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const check::CheckReport library = check::checkResourceFolder(c.folder, localeDecimalSeparator());
        CheckView view(c.folder);
        view.runCheck();
        ASSERT_TRUE(view.report().has_value());
        EXPECT_EQ(shownKeys(view), keysOf(libraryFindings(library)));
        EXPECT_EQ(summaryShown(view), QString::fromStdString(check::summaryLine(library)));
        if (c.folder == faults.path()) {
            EXPECT_FALSE(library.passed());
            EXPECT_GE(view.findingsTree()->topLevelItemCount(), 3);
        }
    }
}

TEST(CheckView, GroupsErrorsFirstAndSaysWhereAChildGetsStuck)
{
    const FaultFolder faults({QStringLiteral("division_by_zero"), QStringLiteral("misspelt_key")});
    CheckView view(faults.path());
    view.runCheck();
    ASSERT_TRUE(view.report());
    const QTreeWidget* tree = view.findingsTree();
    bool warningGroupSeen = false;
    int stuckGroups = 0;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        bool errorSeen = false, warningSeen = false;
        for (int f = 0; f < group->childCount(); ++f) {
            const bool error = group->child(f)->text(0) == QStringLiteral("errore");
            EXPECT_FALSE(error && warningSeen) << "an error after a warning in " << group->text(0).toStdString();
            errorSeen |= error;
            warningSeen |= !error;
        }
        const bool stuck = group->text(2).startsWith(QStringLiteral("Dove un bambino si blocca"));
        stuckGroups += stuck;
        if (stuck) {
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^Dove un bambino si blocca: (al passo \\d+|all'inizio)"))
                            .match(group->text(2))
                            .hasMatch())
                << group->text(2).toStdString();
        }
        EXPECT_FALSE((errorSeen || stuck) && warningGroupSeen) << "a group with errors after one without";
        warningGroupSeen |= !errorSeen && !stuck;
    }
    int notSolved = 0;
    for (const check::ProblemFileReport& file : view.report()->files) {
        for (const check::ProblemReport& problem : file.problems) {
            if (problem.outcome != check::Outcome::NotSolved)
                continue;
            ++notSolved;
            const QString title = QStringLiteral("%1, problema %2")
                                      .arg(QString::fromStdString(file.file_name))
                                      .arg(problem.number);
            const auto items = tree->findItems(title, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1) << title.toStdString();
            if (problem.failed_step > 0) {
                EXPECT_TRUE(items[0]->text(2).endsWith(QStringLiteral("al passo %1").arg(problem.failed_step)));
            }
        }
    }
    EXPECT_GT(notSolved, 0) << "division_by_zero leaves a problem a child cannot finish";
    EXPECT_EQ(stuckGroups, notSolved);
}

TEST(CheckView, AFindingCopiesAndOpensTheEditorAtItsProblemAndKey)
{
    const FaultFolder faults({QStringLiteral("misspelt_key")});
    CheckView view(faults.path());
    std::vector<std::tuple<Mode, Scheme, int, QString>> opened;
    view.setEditorOpener([&](Mode mode, Scheme scheme, int problem, const QString& key) {
        opened.emplace_back(mode, scheme, problem, key);
    });
    view.runCheck();
    QTreeWidget* tree = view.findingsTree();
    QTreeWidgetItem* row = nullptr;
    for (int g = 0; g < tree->topLevelItemCount() && !row; ++g) {
        for (int f = 0; f < tree->topLevelItem(g)->childCount() && !row; ++f) {
            const PlacedFinding* placed = view.findingAt(tree->topLevelItem(g)->child(f));
            if (placed->finding.code == "unknown-key")
                row = tree->topLevelItem(g)->child(f);
        }
    }
    ASSERT_NE(row, nullptr) << "the misspelt key is a finding on a problem's line";
    const PlacedFinding& placed = *view.findingAt(row);
    EXPECT_EQ(placed.finding.file, "A_SCHEMA3.INI");
    EXPECT_EQ(placed.place.mode, Mode::Advanced);
    EXPECT_EQ(placed.place.scheme, Scheme::S3);
    EXPECT_EQ(placed.place.problem, 1);
    EXPECT_EQ(placed.place.key, QStringLiteral("DOMNADA5"));

    tree->setCurrentItem(row);
    tree->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), findingText(placed.finding));
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("riga %1").arg(placed.finding.line)));

    view.openSelection();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_tuple(Mode::Advanced, Scheme::S3, placed.place.problem, placed.place.key));
}

TEST(CheckView, TheResultStaysUntilTheFolderChanges)
{
    const FaultFolder folder;
    CheckView view(folder.path());
    view.runCheck();
    ASSERT_TRUE(view.report());
    view.noticeFolderChange();
    EXPECT_TRUE(view.report()) << "nothing changed";
    EXPECT_EQ(view.findChild<QPushButton*>(QStringLiteral("runCheckButton"))->text(), QStringLiteral("&Ricontrolla"));
    folder.write(QStringLiteral("NOTE.TXT"), "un file nuovo");
    view.noticeFolderChange();
    EXPECT_FALSE(view.report());
    EXPECT_EQ(view.findingsTree()->topLevelItemCount(), 0);
}

// During the check the teacher's input reaches only Stop (and Esc); the
// check's scripted dialogs and silence end with it.
TEST(CheckView, OnlyStopAndEscapeReachTheAreaWhileTheCheckRuns)
{
    const FaultFolder folder;
    const TeacherAreaSetup setup{{folder.path(), FolderSource::Option}, {folder.path(), FolderSource::Default}, {}};
    enum class Input { CloseButton, PinButton, StopButton, Escape };
    struct Case {
        Input input;
        bool finishes;
    } cases[] = {
        {Input::CloseButton, true},
        {Input::PinButton, true},
        {Input::StopButton, false},
        {Input::Escape, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.input));
        platform::ScopedFakeDialogs dialogs;
        platform::ScopedFakeSound sound;
        TeacherArea area(setup, false);
        area.show();
        CheckView* view = area.checkView();
        QTimer::singleShot(0, &area, [&] {
            ASSERT_TRUE(view->running());
            switch (c.input) {
            case Input::CloseButton:
                QTest::mouseClick(area.findChild<QPushButton*>(QStringLiteral("closeAreaButton")), Qt::LeftButton);
                break;
            case Input::PinButton:
                QTest::mouseClick(area.findChild<QPushButton*>(QStringLiteral("pinButton")), Qt::LeftButton);
                break;
            case Input::StopButton:
                QTest::mouseClick(area.findChild<QPushButton*>(QStringLiteral("stopCheckButton")), Qt::LeftButton);
                break;
            case Input::Escape: QTest::keyClick(&area, Qt::Key_Escape); break;
            }
        });
        view->runCheck();
        EXPECT_EQ(view->report().has_value(), c.finishes);
        EXPECT_TRUE(area.isVisible());
        EXPECT_EQ(&platform::dialogs(), &*dialogs);
        EXPECT_EQ(&platform::soundService(), &*sound);
        EXPECT_TRUE(dialogs->inputPrompts().isEmpty());
        EXPECT_TRUE(dialogs->messages().isEmpty());
    }
}

}  // namespace
}  // namespace quorvia::teacher::testing
