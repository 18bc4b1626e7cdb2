// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/problem_form.h"

#include "check/problem_keys.h"
#include "content/mistake_messages.h"
#include "content/problem_file.h"
#include "editor/problem_document.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quorvia::editor {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString schemeMistakeLabel(MistakeKind kind)
{
    switch (kind) {
    case MistakeKind::Sign: return QStringLiteral("Messaggio se un segno è sbagliato");
    case MistakeKind::Order: return QStringLiteral("Messaggio se i numeri giusti sono nelle caselle sbagliate");
    case MistakeKind::UnknownNumber: return QStringLiteral("Messaggio se un numero non è del problema");
    case MistakeKind::Calculation: return QStringLiteral("Messaggio se un risultato è sbagliato");
    default: return {};
    }
}

}  // namespace

ProblemForm::ProblemForm(Mode mode, Scheme scheme, QWidget* parent) : QWidget(parent), mode_(mode), scheme_(scheme)
{
    build();
}

QWidget* ProblemForm::addField(QFormLayout* layout, const std::string& key, const QString& label, bool breaks,
                               int lines)
{
    Field field;
    field.breaks = breaks;
    const QString name = q(key);
    if (breaks || lines > 1) {
        auto* edit = new QPlainTextEdit;
        edit->setTabChangesFocus(true);
        const int lineHeight = edit->fontMetrics().lineSpacing();
        edit->setFixedHeight(lineHeight * std::max(lines, 2) + 12);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, name, edit] {
            if (!loading_)
                emit edited(name, edit->toPlainText().replace(QLatin1Char('\n'), QLatin1Char('|')));
        });
        field.editor = edit;
    } else {
        auto* edit = new QLineEdit;
        connect(edit, &QLineEdit::textChanged, this, [this, name](const QString& text) {
            if (!loading_)
                emit edited(name, text);
        });
        field.editor = edit;
    }
    field.editor->setObjectName(name);
    field.editor->setAccessibleName(label);
    field.editor->setToolTip(QStringLiteral("Chiave %1 nel file").arg(name));
    field.label = new QLabel(QStringLiteral("%1 <span style='color:#555'>(%2)</span>").arg(label.toHtmlEscaped(), name));
    field.label->setBuddy(field.editor);
    field.label->setWordWrap(true);
    field.notes = new QLabel;
    field.notes->setWordWrap(true);
    field.notes->setStyleSheet(QStringLiteral("color:#a00000;"));
    field.notes->setAccessibleName(QStringLiteral("Avvisi per %1").arg(label));
    field.notes->hide();
    layout->addRow(field.label);
    layout->addRow(field.editor);
    layout->addRow(field.notes);
    fields_[name] = field;
    order_.append(name);
    return field.editor;
}

void ProblemForm::build()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);

    auto* textGroup = new QGroupBox(QStringLiteral("Il problema"));
    auto* text = new QFormLayout(textGroup);
    text->setRowWrapPolicy(QFormLayout::WrapAllRows);
    addField(text, "TESTO", QStringLiteral("Testo del problema (ogni riga come la vedrà il bambino)"), true, 4);

    Field picture;
    auto* pictureRow = new QWidget;
    auto* pictureLayout = new QHBoxLayout(pictureRow);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    auto* pictureName = new QLineEdit;
    pictureName->setObjectName(QStringLiteral("JPG_PROBLEMA"));
    pictureName->setAccessibleName(QStringLiteral("Immagine del problema"));
    connect(pictureName, &QLineEdit::textChanged, this, [this](const QString& value) {
        if (!loading_)
            emit edited(QStringLiteral("JPG_PROBLEMA"), value);
    });
    picture_button_ = new QPushButton(QStringLiteral("Scegli &immagine…"));
    picture_button_->setAccessibleName(QStringLiteral("Scegli l'immagine del problema"));
    connect(picture_button_, &QPushButton::clicked, this, &ProblemForm::pictureRequested);
    picture_preview_ = new QLabel;
    picture_preview_->setFixedSize(120, 80);
    picture_preview_->setAlignment(Qt::AlignCenter);
    picture_preview_->setFrameShape(QFrame::StyledPanel);
    picture_preview_->setAccessibleName(QStringLiteral("Anteprima dell'immagine"));
    pictureLayout->addWidget(pictureName, 1);
    pictureLayout->addWidget(picture_button_);
    pictureLayout->addWidget(picture_preview_);
    picture.editor = pictureName;
    picture.label = new QLabel(QStringLiteral("Immagine accanto al testo, facoltativa <span style='color:#555'>(JPG_PROBLEMA)</span>"));
    picture.label->setBuddy(pictureName);
    picture.label->setWordWrap(true);
    picture.notes = new QLabel;
    picture.notes->setWordWrap(true);
    picture.notes->setStyleSheet(QStringLiteral("color:#a00000;"));
    picture.notes->hide();
    text->addRow(picture.label);
    text->addRow(pictureRow);
    text->addRow(picture.notes);
    fields_[QStringLiteral("JPG_PROBLEMA")] = picture;
    order_.append(QStringLiteral("JPG_PROBLEMA"));

    addField(text, "HELP_GENERALE", QStringLiteral("Aiuto sul problema (pulsante dell'aiuto)"), true, 2);
    page->addWidget(textGroup);

    for (int s = 1; s <= stepCount(scheme_); ++s)
        addStep(page, s);
    page->addStretch(1);
}

void ProblemForm::addStep(QVBoxLayout* page, int step)
{
    const bool operation = step == operationStep(scheme_);
    auto* group = new QGroupBox(QStringLiteral("Passo %1: %2")
                                    .arg(step)
                                    .arg(operation ? QStringLiteral("schema dell'operazione")
                                                   : q(stepName(scheme_, step))));
    auto* layout = new QFormLayout(group);
    layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
    if (operation) {
        addOperationStep(layout);
    } else {
        for (int k = 1; k <= kVariants; ++k) {
            const std::string key = variantKey(scheme_, step, k);
            QString label;
            if (mode_ == Mode::Beginner)
                label = k == 1 ? QStringLiteral("Frase giusta") : QStringLiteral("Frase sbagliata %1 dell'elenco").arg(k);
            else
                label = k == 1 ? QStringLiteral("Frase giusta (compare con la soluzione)")
                               : QStringLiteral("Altro modo giusto di scriverla (%1)").arg(k);
            addField(layout, key, label, false);
            if (mode_ == Mode::Beginner && k > 1) {
                addField(layout, wrongVariantKey(step, k),
                         QStringLiteral("Messaggio se il bambino sceglie la frase sbagliata %1 (facoltativo)").arg(k),
                         false);
            }
        }
        if (mode_ == Mode::Advanced) {
            for (int j = 1; j <= kForeseenSentences; ++j) {
                addField(layout, foreseenSentenceKey(step, j),
                         QStringLiteral("Frase sbagliata prevista %1 (facoltativa)").arg(j), false);
                addField(layout, foreseenMessageKey(step, j),
                         QStringLiteral("Messaggio per la frase sbagliata prevista %1").arg(j), false);
            }
        }
    }
    addField(layout, "MSG_HELP" + std::to_string(step), QStringLiteral("Suggerimento del passo (facoltativo)"), false);
    addField(layout, "VERIFICA_MSG_NO" + std::to_string(step), QStringLiteral("Messaggio a ogni errore del passo"),
             false);
    page->addWidget(group);
}

void ProblemForm::addOperationStep(QFormLayout* layout)
{
    const std::vector<check::KeyInfo> keys = check::problemKeys(scheme_);
    const bool two = hasSecondFormula(scheme_);
    addField(layout, "R1",
             two ? QStringLiteral("Formula della prima operazione, per esempio 15 + 10")
                 : QStringLiteral("Formula dell'operazione, per esempio 12 x 3"),
             false);
    r1_result_ = new QLabel;
    r1_result_->setObjectName(QStringLiteral("risultatoR1"));
    r1_result_->setWordWrap(true);
    layout->addRow(r1_result_);
    if (two) {
        addField(layout, "R2",
                 QStringLiteral("Formula della seconda operazione: R1 sta per il risultato della prima, per esempio R1 - 18"),
                 false);
        r2_result_ = new QLabel;
        r2_result_->setObjectName(QStringLiteral("risultatoR2"));
        r2_result_->setWordWrap(true);
        layout->addRow(r2_result_);
    }
    scheme_rows_ = new QLabel;
    scheme_rows_->setObjectName(QStringLiteral("righeSchema"));
    scheme_rows_->setWordWrap(true);
    scheme_rows_->setAccessibleName(QStringLiteral("Che cosa il bambino deve scrivere nello schema"));
    layout->addRow(scheme_rows_);

    for (const check::KeyInfo& key : keys) {
        if (key.role == check::KeyRole::DataValue) {
            addField(layout, key.name,
                     QStringLiteral("Valore del dato %1 (facoltativo)").arg(q(key.name.substr(4, key.name.find('_') - 4))),
                     false);
        }
    }
    for (const check::KeyInfo& key : keys) {
        if (key.role != check::KeyRole::Caption)
            continue;
        QString label;
        if (key.name == "MSG_RISULTATO_PARZIALE")
            label = QStringLiteral("Scritta sotto il risultato della prima operazione");
        else if (key.name == "MSG_RISULTATO_FINALE")
            label = QStringLiteral("Scritta sotto il risultato finale");
        else
            label = QStringLiteral("Scritta sotto il dato %1").arg(q(key.name.substr(8)));
        if (!key.breaks)
            label += QStringLiteral(" (una riga sola: qui «|» non va a capo)");
        addField(layout, key.name, label, key.breaks);
    }
    for (std::size_t kind = 0; kind < kSchemeMistakeKinds.size(); ++kind) {
        for (int row = 0; row <= (two ? kSchemeRows : 0); ++row) {
            QString label = schemeMistakeLabel(kSchemeMistakeKinds[kind]);
            if (two)
                label += row == 0 ? QStringLiteral(", in una riga qualsiasi") : QStringLiteral(", nella riga %1").arg(row);
            addField(layout, schemeMistakeKey(kSchemeMistakeKinds[kind], row), label + QStringLiteral(" (facoltativo)"),
                     false);
        }
    }
}

void ProblemForm::setFieldText(Field& field, const QString& text)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field.editor)) {
        QString shown = text;
        if (field.breaks)
            shown.replace(QLatin1Char('|'), QLatin1Char('\n'));
        if (plain->toPlainText() != shown)
            plain->setPlainText(shown);
    } else if (auto* line = qobject_cast<QLineEdit*>(field.editor)) {
        if (line->text() != text)
            line->setText(text);
    }
}

void ProblemForm::load(const ProblemDocument& document, int problem)
{
    loading_ = true;
    for (auto& [key, field] : fields_)
        setFieldText(field, q(document.value(problem, key.toStdString())));
    loading_ = false;
}

void ProblemForm::showFindings(const std::vector<FieldFinding>& findings)
{
    std::map<QString, QStringList> byKey;
    for (const FieldFinding& finding : findings) {
        if (finding.key.empty())
            continue;
        const QString prefix = finding.finding.severity == check::Severity::Error ? QStringLiteral("Errore: ")
                                                                                  : QStringLiteral("Attenzione: ");
        byKey[q(finding.key)].append(prefix + q(finding.finding.message));
    }
    for (auto& [key, field] : fields_) {
        const auto it = byKey.find(key);
        const QString text = it == byKey.end() ? QString() : it->second.join(QLatin1Char('\n'));
        field.notes->setText(text);
        field.notes->setVisible(!text.isEmpty());
        field.editor->setAccessibleDescription(text);
    }
}

void ProblemForm::showFormulas(const FormulaPreview& preview)
{
    if (!preview.ok) {
        QString why = q(preview.error);
        while (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        r1_result_->setText(QStringLiteral("Le formule non si calcolano: %1.").arg(why));
        if (r2_result_)
            r2_result_->clear();
        scheme_rows_->clear();
        return;
    }
    r1_result_->setText(QStringLiteral("R1 fa %1").arg(q(preview.r1_value)));
    if (r2_result_)
        r2_result_->setText(QStringLiteral("R2 fa %1").arg(q(preview.r2_value)));
    QStringList rows;
    for (const std::string& row : preview.rows)
        rows.append(q(row));
    scheme_rows_->setText(QStringLiteral("Nello schema il bambino scriverà: %1").arg(rows.join(QStringLiteral("   e   "))));
}

void ProblemForm::showPicture(const QString& path)
{
    QPixmap pixmap(path);
    if (path.isEmpty() || pixmap.isNull()) {
        picture_preview_->setPixmap(QPixmap());
        picture_preview_->setText(path.isEmpty() ? QStringLiteral("nessuna") : QStringLiteral("non si legge"));
        return;
    }
    picture_preview_->setPixmap(pixmap.scaled(picture_preview_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QWidget* ProblemForm::editorOf(const QString& key) const
{
    const auto it = fields_.find(key);
    return it == fields_.end() ? nullptr : it->second.editor;
}

QString ProblemForm::labelOf(const QString& key) const
{
    QWidget* editor = editorOf(key);
    return editor ? editor->accessibleName() : QString();
}

QString ProblemForm::textOf(const QString& key) const
{
    QWidget* editor = editorOf(key);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor))
        return plain->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text();
    return {};
}

void ProblemForm::type(const QString& key, const QString& text)
{
    QWidget* editor = editorOf(key);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor))
        plain->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(text);
}

QString ProblemForm::notesOf(const QString& key) const
{
    const auto it = fields_.find(key);
    return it == fields_.end() ? QString() : it->second.notes->text();
}

void ProblemForm::focusField(const QString& key)
{
    QWidget* editor = editorOf(key);
    if (!editor)
        return;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            area->ensureWidgetVisible(editor);
            break;
        }
    }
    editor->setFocus(Qt::OtherFocusReason);
}

}  // namespace quorvia::editor
