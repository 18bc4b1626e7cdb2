// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which resource folder and which progress folder are in force and why, and
// the choice of another progress folder for the area (a class's share).

#include "base/resource_folder.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace quorvia::teacher {

// "scelta con --risorse", "indicata da CARTELLA_PROGRESSI in GENERALE.INI", ...
QString resourceSourceText(FolderSource source);
QString progressSourceText(FolderSource source);

class FoldersView : public QWidget {
    Q_OBJECT
public:
    FoldersView(const FolderInForce& resources, const FolderInForce& progress, bool resourcesReadOnly,
                QWidget* parent = nullptr);

    QString progressFolder() const { return shown_progress_; }

public slots:
    // Asks for a folder through the platform's dialogs; nothing when cancelled.
    void chooseProgressFolder();
    void setProgressFolder(const QString& folder);

signals:
    void progressFolderChosen(const QString& folder);

private:
    void showProgress();

    FolderInForce progress_;
    QString shown_progress_;
    QLabel* progress_folder_ = nullptr;
    QLabel* progress_source_ = nullptr;
    QPushButton* back_ = nullptr;
};

}  // namespace quorvia::teacher
