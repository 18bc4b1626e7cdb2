// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One page per problem: a field for every key a problem of the scheme may
// hold, grouped by the steps of the scheme as the child meets them. The keys
// come from the tables the windows and the checker are built from; nothing
// here knows a scheme by heart.

#include "content/scheme.h"
#include "editor/live_check.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace quorvia::editor {

class ProblemDocument;

class ProblemForm : public QWidget {
    Q_OBJECT
public:
    ProblemForm(Mode mode, Scheme scheme, QWidget* parent = nullptr);

    // Every field shows the problem's value; no edited() is sent.
    void load(const ProblemDocument& document, int problem);
    // Findings under their fields, and the rest in `general`.
    void showFindings(const std::vector<FieldFinding>& findings);
    void showFormulas(const FormulaPreview& preview);
    // The picture file found in the folder (empty: none).
    void showPicture(const QString& path);

    // Keys in the order of the page.
    const QStringList& keys() const { return order_; }
    // The field's own widget (a QLineEdit or a QPlainTextEdit); null for a
    // key the page has no field for.
    QWidget* editorOf(const QString& key) const;
    QString labelOf(const QString& key) const;
    // As the teacher sees it: "|" shown as a line break where it is one.
    QString textOf(const QString& key) const;
    // As if typed: the field changes and edited() is sent.
    void type(const QString& key, const QString& text);
    // The finding texts shown under a field.
    QString notesOf(const QString& key) const;
    // Scrolls to the field and gives it the focus.
    void focusField(const QString& key);

    QPushButton* pictureButton() const { return picture_button_; }

signals:
    // The value as it goes into the file ("|" for each line break).
    void edited(const QString& key, const QString& value);
    void pictureRequested();

private:
    struct Field {
        QWidget* editor = nullptr;
        QLabel* label = nullptr;
        QLabel* notes = nullptr;
        bool breaks = false;  // a line break is written "|"
    };
    void build();
    QWidget* addField(QFormLayout* layout, const std::string& key, const QString& label, bool breaks,
                      int lines = 1);
    void addStep(QVBoxLayout* page, int step);
    void addOperationStep(QFormLayout* layout);
    void setFieldText(Field& field, const QString& text);

    Mode mode_;
    Scheme scheme_;
    std::map<QString, Field> fields_;
    QStringList order_;
    QLabel* r1_result_ = nullptr;
    QLabel* r2_result_ = nullptr;
    QLabel* scheme_rows_ = nullptr;
    QLabel* picture_preview_ = nullptr;
    QPushButton* picture_button_ = nullptr;
    bool loading_ = false;
};

}  // namespace quorvia::editor
