// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder check in a window: the same check as quorvia-check, run on the
// folder in force with a progress bar, its findings grouped by file and
// problem. The result stays until the folder changes.

#include "check/check_report.h"
#include "teacher/check_findings.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvia::teacher {

// Opens the problem editor at a mode, scheme, problem and key (empty: none);
// problem 0 shows the editor where it is, or at the first problem when new.
using EditorOpener = std::function<void(Mode, Scheme, int, const QString&)>;

class CheckView : public QWidget {
    Q_OBJECT
public:
    explicit CheckView(const QString& resourceFolder, QWidget* parent = nullptr);
    ~CheckView() override;

    // With an opener, a finding in a problem file opens the editor there.
    void setEditorOpener(EditorOpener opener);

    const std::optional<check::CheckReport>& report() const { return report_; }
    bool running() const { return running_; }
    QTreeWidget* findingsTree() const { return tree_; }
    // The finding a row of the tree shows; null for a group's row.
    const PlacedFinding* findingAt(const QTreeWidgetItem* item) const;

public slots:
    // Runs the check to its end (or to Stop) before returning; the window
    // stays drawn meanwhile.
    void runCheck();
    void requestStop();
    // Copies the chosen finding, or every finding of the chosen group.
    void copySelection();
    // Opens the editor at the chosen finding; nothing without an opener.
    void openSelection();
    // Forgets the result when the folder is no longer as it was checked.
    void noticeFolderChange();

signals:
    void checkFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showReport();
    void showMessage(const QString& text);
    void updateButtons();
    void watchFolder();

    QString folder_;
    QStringList stamp_;  // the folder's files as they were checked
    std::optional<check::CheckReport> report_;
    std::vector<FindingGroup> groups_;
    EditorOpener opener_;
    bool running_ = false;
    bool stop_requested_ = false;

    QPushButton* run_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
};

// The folder's files, names, sizes and times, in a fixed order: two stamps
// differ when a file was added, removed or written.
QStringList folderStamp(const QString& folder);

}  // namespace quorvia::teacher
