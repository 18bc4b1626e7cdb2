// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class's progress in a window: the figures of quorvia-report from the
// progress folder in force, narrowed to a child, a mode, a scheme and a
// period; exported as PDF and CSV and printed as shown. A record written by
// a child on any computer shows up on its own: the folder is watched, and a
// shared folder that sends no notice is read again every minute.

#include "progress/class_report.h"
#include "progress/progress_file.h"
#include "progress/report_filter.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTimer;

namespace quorvia::report {
struct Table;
}

namespace quorvia::teacher {

class ClassChart;

class ClassView : public QWidget {
    Q_OBJECT
public:
    ClassView(const QString& resourceFolder, const QString& progressFolder, QWidget* parent = nullptr);

    QString progressFolder() const { return progressFolder_; }
    // The choices of the filters as they stand.
    progress::ReportFilter filter() const;
    // The figures shown, with the filters applied.
    const progress::ClassReport& shownReport() const { return report_; }

    // A shared folder without notifications is read again this often.
    static constexpr int kRereadMilliseconds = 60 * 1000;

public slots:
    void setProgressFolder(const QString& folder);
    // Reads the folder again and shows what changed.
    void reread();
    void exportPdf();
    void exportCsv();
    void print();

signals:
    // The figures shown changed (a record arrived, a filter moved).
    void figuresChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildLayout();
    void watchFolder();
    void updateChildChoices();
    void showFigures();
    void fillTable(QTableWidget* table, const report::Table& rows);
    QString scopeText() const;
    QString saveName(const QString& caption, const QString& name, const QString& filter);

    QString resourceFolder_;
    QString progressFolder_;
    QString folderProblem_;  // why the folder cannot be read; empty when it can
    std::vector<progress::ProgressFile> files_;
    progress::ClassReport report_;
    QByteArray shownFigures_;  // the JSON of what is on screen, to skip a re-read that changed nothing

    QComboBox* child_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* scheme_ = nullptr;
    QComboBox* period_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* status_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* children_ = nullptr;
    QTableWidget* problems_ = nullptr;
    QTableWidget* review_ = nullptr;
    ClassChart* chart_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* print_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* settle_ = nullptr;   // gathers the notices of one write into one re-read
    QTimer* reread_ = nullptr;   // the minute's re-read while shown
};

}  // namespace quorvia::teacher
