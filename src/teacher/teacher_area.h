// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's area: a window of its own with the folder check, the class
// and the folders in force, opened by `quorvia --insegnante`, the menu's
// "Area insegnante" or Ctrl+Shift+I in the main window, after the PIN.

#include "base/resource_folder.h"
#include "teacher/check_view.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QTabWidget;

namespace quorvia::teacher {

class ClassView;

class FoldersView;

struct TeacherAreaSetup {
    FolderInForce resources;
    FolderInForce progress;
    // Set by the program when it has a problem editor; without it the area
    // shows no "Scrivi i problemi" and the findings open nothing.
    EditorOpener open_editor;
};

// Whether the files of `folder` can be changed, as the file system says.
bool folderReadOnly(const QString& folder);

class TeacherArea : public QWidget {
    Q_OBJECT
public:
    // `resourcesReadOnly`: as folderReadOnly says, unless a test decides.
    TeacherArea(const TeacherAreaSetup& setup, bool resourcesReadOnly, QWidget* parent = nullptr);

    CheckView* checkView() const { return check_; }
    FoldersView* foldersView() const { return folders_; }
    ClassView* classTab() const { return class_tab_; }
    QTabWidget* tabs() const { return tabs_; }
    bool readOnly() const { return read_only_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TeacherAreaSetup setup_;
    bool read_only_ = false;
    bool close_after_check_ = false;
    bool placed_ = false;
    QTabWidget* tabs_ = nullptr;
    CheckView* check_ = nullptr;
    ClassView* class_tab_ = nullptr;
    FoldersView* folders_ = nullptr;
};

// One area per program: asks the PIN before it opens, brings the open one
// forward.
class TeacherAreaLauncher : public QObject {
    Q_OBJECT
public:
    explicit TeacherAreaLauncher(TeacherAreaSetup setup, QObject* parent = nullptr);
    ~TeacherAreaLauncher() override;

    // The area shown, or null when the PIN was refused. `asking` is the
    // window the PIN's question belongs to (null: none).
    TeacherArea* open(QWidget* asking = nullptr);
    TeacherArea* area() const { return area_; }

signals:
    // The area was closed (not emitted when the PIN was refused).
    void closed();

private:
    TeacherAreaSetup setup_;
    QPointer<TeacherArea> area_;
};

// Ctrl+Shift+I in `window` (and its child widgets) calls `open`; no control
// shows it, so a child does not come across it.
void installTeacherShortcut(QWidget& window, std::function<void()> open);

}  // namespace quorvia::teacher
