// SPDX-License-Identifier: GPL-3.0-or-later
// The child's own path on the main window: for the name typed, the marks of
// the problems of the chosen mode and scheme, how many were solved alone,
// the problem to go on from, and the problems that come back for review
// today with a "Ripassa" button that starts them one after the other. The
// name box completes from the names of the progress folder and its class
// list. The records are read away from the interface thread; a child
// without records, or a folder that cannot be read, leaves the main window
// as it is.

#pragma once

#include "progress/child_path.h"

#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <vector>

class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStringListModel;
class QTimer;

namespace quorvia {

class TForm1;
class PathMarks;

class ChildPathPanel : public QWidget {
    Q_OBJECT
public:
    // Placed in `client`, the main window's client area, beside its name box
    // and spinners, which it finds by name. `progressFolder` is the folder
    // in force; the path is shown unless GENERALE.INI says PERCORSO=0.
    ChildPathPanel(TForm1& main, QWidget* client, const QString& progressFolder);
    ~ChildPathPanel() override;

    // Runs on the reading thread before every reading: the program waits
    // there for the records still being written.
    void setBeforeReading(std::function<void()> beforeReading) { before_reading_ = std::move(beforeReading); }
    // The day the reviews are counted for; today unless replaced (tests).
    void setToday(std::function<progress::CivilDate()> today) { today_ = std::move(today); }

    bool pathEnabled() const { return enabled_; }
    // Reads the records of the name in the name box again, and the names.
    void refresh();
    // Every reading asked for so far has been shown (tests).
    void waitForReading();

    // What the panel shows, for the tests and the screen reader.
    QString solvedLine() const;
    QString reviewLine() const;
    QStringList completionNames() const;
    // The due problems that this folder's GENERALE.INI still offers.
    const std::vector<progress::ProblemKey>& reviewList() const { return due_; }

    // "Ripassa": the due problems one after the other in their windows, as
    // long as the child finishes them alone.
    void startReview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Reading;
    void askReading(bool withNames);
    void showReading(const Reading& reading);
    void showPath();
    void applyStartingProblem();
    bool offered(const progress::ProblemKey& key) const;

    TForm1& main_;
    QString folder_;
    // The problem files and counts GENERALE.INI offers, per mode and scheme.
    std::vector<progress::ProblemKey> offered_;  // problem: the count
    bool enabled_ = true;
    QLineEdit* name_box_ = nullptr;
    QSpinBox* mode_ = nullptr;
    QSpinBox* scheme_ = nullptr;
    QSpinBox* problem_ = nullptr;
    PathMarks* marks_ = nullptr;
    QLabel* solved_ = nullptr;
    QLabel* review_ = nullptr;
    QPushButton* review_button_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStringListModel* names_ = nullptr;
    QTimer* typing_ = nullptr;

    QThreadPool reader_;
    int asked_ = 0;  // the latest reading asked for; older answers are dropped
    std::function<void()> before_reading_;
    std::function<progress::CivilDate()> today_;

    QString shown_key_;  // the child whose path is shown
    progress::ChildPath path_;
    std::vector<progress::ProblemKey> due_;
    bool reviewing_ = false;
};

}  // namespace quorvia
