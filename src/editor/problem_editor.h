// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's problem editor: the problems of one mode and scheme in a
// list, the chosen one in a form checked as it is typed, tried as a child
// would meet it, and saved safely.

#include "content/scheme.h"
#include "editor/problem_document.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QCloseEvent;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTimer;
class QUndoStack;

namespace quorvia::editor {

class ProblemForm;
class TryOut;

class ProblemEditor : public QWidget {
    Q_OBJECT
public:
    // Milliseconds of quiet after a keystroke before the problem is checked.
    static constexpr int kCheckDelay = 400;

    ProblemEditor(const QString& resourceFolder, QWidget* parent = nullptr);
    ~ProblemEditor() override;

    // Opens the file of `mode` and `scheme` at `problem`, with the focus in
    // the field of `key` when given (a finding of the folder check).
    void openAt(Mode mode, Scheme scheme, int problem, const QString& key = {});

    // The decimal separator of the computer, for the self-play (the folder's
    // own SEPARATORE_DECIMALE wins, as in the program).
    void setLocaleSeparator(char separator) { locale_separator_ = separator; }

    const ProblemDocument& document() const { return document_; }
    int currentProblem() const { return problem_; }
    ProblemForm* form() const { return form_; }
    QUndoStack* undoStack() const { return undo_; }
    QListWidget* problemList() const { return list_; }
    QLabel* summary() const { return summary_; }
    QLabel* selfPlayResult() const { return self_play_; }
    TryOut* tryOut() const { return try_out_.get(); }

    // The actions behind the buttons, for the keyboard and for tests.
    void addProblem();
    void duplicateProblem();
    void deleteProblem();
    void moveProblem(int by);  // -1 up, +1 down
    // False when the teacher chose to stay, or the save failed.
    bool save();
    void tryAsChild();
    void runSelfPlay();
    // Puts the focus in the next field with a finding (F8), from the field
    // that has it now; round to the first.
    void nextFinding();
    // Runs the pending check at once (it otherwise waits for kCheckDelay).
    void checkNow();

    // The state a mark in the list shows, for a problem.
    QString listText(int problem) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class EditCommand;
    void applyEdit(const QString& key, const QString& value);
    void choosePicture();
    void selectProblem(int problem);
    void restoreState(const ProblemDocument::Snapshot& snapshot, int problem);
    void pushChange(const QString& text, const ProblemDocument::Snapshot& before, int problemBefore,
                    int problemAfter);
    void refreshList();
    void refreshAll();
    void updateTitle();
    void updateButtons();
    void openFile(Mode mode, Scheme scheme);
    // Unsaved changes: asks whether to save them. False when the teacher
    // chose to stay.
    bool settleChanges();
    void resolveConflict();
    void showPicturePreview();
    void rebuildForm();

    QString folder_;
    char locale_separator_ = ',';
    ProblemDocument document_;
    bool opened_ = false;
    int problem_ = 1;

    QComboBox* mode_box_ = nullptr;
    QComboBox* scheme_box_ = nullptr;
    QLabel* file_label_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* limit_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* duplicate_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* self_play_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ProblemForm* form_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QTimer* check_timer_ = nullptr;
    std::unique_ptr<TryOut> try_out_;
    QStringList finding_keys_;  // fields with a finding, in the order of the form
    bool updating_ = false;
};

}  // namespace quorvia::editor
