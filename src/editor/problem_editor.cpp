// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/problem_editor.h"

#include "base/resource_folder.h"
#include "check/problem_keys.h"
#include "content/generale_keys.h"
#include "content/mistake_messages.h"
#include "content/problem_file.h"
#include "content/resource_path.h"
#include "editor/live_check.h"
#include "editor/problem_form.h"
#include "editor/try_out.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

namespace quorvia::editor {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString modeLabel(Mode mode)
{
    return mode == Mode::Beginner ? QStringLiteral("Principiante (frasi da scegliere)")
                                  : QStringLiteral("Avanzato (frasi da scrivere)");
}

constexpr int kFieldEdit = 1;  // QUndoCommand::id of a field's typing, merged while typing goes on

}  // namespace

// One change of the files: both as they were before and after, so undo and
// redo are exact whatever the change was (a field, a renumbering).
class EditCommand : public QUndoCommand {
public:
    EditCommand(ProblemEditor& editor, const QString& text, ProblemDocument::Snapshot before, int problemBefore,
                int problemAfter, QString field)
        : QUndoCommand(text), editor_(editor), before_(std::move(before)), after_(editor.document_.snapshot()),
          problem_before_(problemBefore), problem_after_(problemAfter), field_(std::move(field))
    {
    }
    int id() const override { return field_.isEmpty() ? -1 : kFieldEdit; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const EditCommand*>(other);
        if (next->field_ != field_ || next->problem_after_ != problem_after_)
            return false;
        after_ = next->after_;
        return true;
    }
    void undo() override { editor_.restoreState(before_, problem_before_); }
    void redo() override
    {
        // Pushed after the change was made: the first redo has nothing to do.
        if (first_) {
            first_ = false;
            return;
        }
        editor_.restoreState(after_, problem_after_);
    }

private:
    ProblemEditor& editor_;
    ProblemDocument::Snapshot before_;
    ProblemDocument::Snapshot after_;
    int problem_before_;
    int problem_after_;
    QString field_;
    bool first_ = true;
};

ProblemEditor::ProblemEditor(const QString& resourceFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(withTrailingSeparator(resourceFolder))
{
    setObjectName(QStringLiteral("ProblemEditor"));
    setAccessibleName(QStringLiteral("Editor dei problemi"));
    undo_ = new QUndoStack(this);
    check_timer_ = new QTimer(this);
    check_timer_->setSingleShot(true);
    check_timer_->setInterval(kCheckDelay);
    connect(check_timer_, &QTimer::timeout, this, &ProblemEditor::checkNow);

    auto* top = new QHBoxLayout;
    mode_box_ = new QComboBox;
    mode_box_->setAccessibleName(QStringLiteral("Modo"));
    for (Mode mode : generale::kModes)
        mode_box_->addItem(modeLabel(mode));
    scheme_box_ = new QComboBox;
    scheme_box_->setAccessibleName(QStringLiteral("Schema"));
    for (Scheme scheme : kAllSchemes)
        scheme_box_->addItem(QStringLiteral("Schema %1").arg(QLatin1String(schemeName(scheme))));
    auto* modeLabelWidget = new QLabel(QStringLiteral("&Modo:"));
    modeLabelWidget->setBuddy(mode_box_);
    auto* schemeLabelWidget = new QLabel(QStringLiteral("&Schema:"));
    schemeLabelWidget->setBuddy(scheme_box_);
    file_label_ = new QLabel;
    file_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(modeLabelWidget);
    top->addWidget(mode_box_);
    top->addWidget(schemeLabelWidget);
    top->addWidget(scheme_box_);
    top->addWidget(file_label_, 1);

    list_ = new QListWidget;
    list_->setAccessibleName(QStringLiteral("Problemi del file"));
    list_->setMinimumWidth(240);
    list_->setMaximumWidth(300);
    limit_ = new QLabel;
    limit_->setWordWrap(true);
    limit_->setMaximumWidth(300);
    add_ = new QPushButton(QStringLiteral("&Nuovo"));
    duplicate_ = new QPushButton(QStringLiteral("&Duplica"));
    delete_ = new QPushButton(QStringLiteral("&Elimina"));
    up_ = new QPushButton(QStringLiteral("S&u"));
    down_ = new QPushButton(QStringLiteral("&Giù"));
    add_->setAccessibleName(QStringLiteral("Nuovo problema"));
    duplicate_->setAccessibleName(QStringLiteral("Duplica il problema"));
    delete_->setAccessibleName(QStringLiteral("Elimina il problema"));
    up_->setAccessibleName(QStringLiteral("Sposta il problema in su"));
    down_->setAccessibleName(QStringLiteral("Sposta il problema in giù"));
    auto* listButtons = new QGridLayout;
    listButtons->addWidget(add_, 0, 0);
    listButtons->addWidget(duplicate_, 0, 1);
    listButtons->addWidget(delete_, 0, 2);
    listButtons->addWidget(up_, 1, 0);
    listButtons->addWidget(down_, 1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(limit_);
    left->addLayout(listButtons);

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("riepilogo"));
    summary_->setWordWrap(true);
    summary_->setAccessibleName(QStringLiteral("Riepilogo del controllo"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFocusPolicy(Qt::StrongFocus);
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    // The form follows the width of the window; its labels wrap.
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setAccessibleName(QStringLiteral("Modulo del problema"));
    self_play_ = new QLabel;
    self_play_->setObjectName(QStringLiteral("controlloAutomatico"));
    self_play_->setWordWrap(true);
    self_play_->setAccessibleName(QStringLiteral("Esito del controllo automatico"));
    self_play_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    self_play_->hide();

    auto* undoButton = new QPushButton(QStringLiteral("&Annulla"));
    auto* redoButton = new QPushButton(QStringLiteral("&Ripeti"));
    auto* tryButton = new QPushButton(QStringLiteral("&Prova come un bambino"));
    auto* selfPlayButton = new QPushButton(QStringLiteral("&Controllo automatico"));
    save_ = new QPushButton(QStringLiteral("Sal&va"));
    auto* closeButton = new QPushButton(QStringLiteral("C&hiudi"));
    undoButton->setToolTip(QStringLiteral("Annulla l'ultima modifica (Ctrl+Z)"));
    redoButton->setToolTip(QStringLiteral("Ripeti la modifica annullata (Ctrl+Y)"));
    tryButton->setToolTip(QStringLiteral("Apre la finestra del bambino su questo problema, senza salvare (F5)"));
    selfPlayButton->setToolTip(QStringLiteral("Risolve il problema come un bambino che sa le risposte (F6)"));
    save_->setToolTip(QStringLiteral("Salva il file dei problemi (Ctrl+S)"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(undoButton);
    bottom->addWidget(redoButton);
    bottom->addStretch(1);
    bottom->addWidget(tryButton);
    bottom->addWidget(selfPlayButton);
    bottom->addWidget(save_);
    bottom->addWidget(closeButton);

    auto* right = new QVBoxLayout;
    right->addWidget(summary_);
    right->addWidget(scroll_, 1);
    right->addWidget(self_play_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(middle, 1);
    page->addLayout(bottom);

    connect(add_, &QPushButton::clicked, this, &ProblemEditor::addProblem);
    connect(duplicate_, &QPushButton::clicked, this, &ProblemEditor::duplicateProblem);
    connect(delete_, &QPushButton::clicked, this, &ProblemEditor::deleteProblem);
    connect(up_, &QPushButton::clicked, this, [this] { moveProblem(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveProblem(1); });
    connect(undoButton, &QPushButton::clicked, undo_, &QUndoStack::undo);
    connect(redoButton, &QPushButton::clicked, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, undoButton, &QPushButton::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoButton, &QPushButton::setEnabled);
    connect(undo_, &QUndoStack::cleanChanged, this, &ProblemEditor::updateTitle);
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);
    connect(tryButton, &QPushButton::clicked, this, &ProblemEditor::tryAsChild);
    connect(selfPlayButton, &QPushButton::clicked, this, &ProblemEditor::runSelfPlay);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!updating_ && row >= 0)
            selectProblem(row + 1);
    });
    const auto chooseFile = [this] {
        if (updating_)
            return;
        openFile(generale::kModes[static_cast<std::size_t>(mode_box_->currentIndex())],
                 kAllSchemes[static_cast<std::size_t>(scheme_box_->currentIndex())]);
    };
    connect(mode_box_, qOverload<int>(&QComboBox::currentIndexChanged), this, chooseFile);
    connect(scheme_box_, qOverload<int>(&QComboBox::currentIndexChanged), this, chooseFile);

    const auto shortcut = [this](const QKeySequence& keys, const std::function<void()>& action) {
        auto* s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Save, [this] { save(); });
    shortcut(QKeySequence::Undo, [this] { undo_->undo(); });
    shortcut(QKeySequence::Redo, [this] { undo_->redo(); });
    shortcut(QKeySequence(QStringLiteral("Ctrl+Y")), [this] { undo_->redo(); });
    shortcut(QKeySequence(QStringLiteral("Ctrl+N")), [this] { addProblem(); });
    shortcut(QKeySequence(QStringLiteral("F5")), [this] { tryAsChild(); });
    shortcut(QKeySequence(QStringLiteral("F6")), [this] { runSelfPlay(); });
    shortcut(QKeySequence(QStringLiteral("F8")), [this] { nextFinding(); });
    shortcut(QKeySequence(QStringLiteral("Alt+Up")), [this] { moveProblem(-1); });
    shortcut(QKeySequence(QStringLiteral("Alt+Down")), [this] { moveProblem(1); });
    shortcut(QKeySequence(QStringLiteral("Ctrl+W")), [this] { close(); });

    resize(1000, 580);
    openFile(Mode::Beginner, Scheme::S3);
}

ProblemEditor::~ProblemEditor()
{
    // The stack says it is clean again as it goes, after the document it
    // would have the title read.
    disconnect(undo_, nullptr, this, nullptr);
}

void ProblemEditor::openAt(Mode mode, Scheme scheme, int problem, const QString& key)
{
    if (!opened_ || document_.mode() != mode || document_.scheme() != scheme)
        openFile(mode, scheme);
    if (!opened_ || document_.mode() != mode || document_.scheme() != scheme)
        return;
    selectProblem(std::clamp(problem, 1, document_.count()));
    if (!key.isEmpty())
        form_->focusField(key.toUpper());
}

void ProblemEditor::openFile(Mode mode, Scheme scheme)
{
    if (opened_ && !settleChanges()) {
        updating_ = true;
        mode_box_->setCurrentIndex(document_.mode() == Mode::Beginner ? 0 : 1);
        scheme_box_->setCurrentIndex(static_cast<int>(document_.scheme()));
        updating_ = false;
        return;
    }
    ProblemDocument document;
    std::string error;
    if (!document.open(folder_.toStdString(), mode, scheme, &error)) {
        platform::dialogs().showError(this, QStringLiteral("Editor dei problemi"),
                                      QStringLiteral("Il file non si può aprire: %1").arg(q(error)));
        if (!opened_)
            return;
    } else {
        document_ = std::move(document);
        opened_ = true;
        undo_->clear();
        rebuildForm();
    }
    updating_ = true;
    mode_box_->setCurrentIndex(document_.mode() == Mode::Beginner ? 0 : 1);
    scheme_box_->setCurrentIndex(static_cast<int>(document_.scheme()));
    updating_ = false;
    problem_ = 1;
    self_play_->hide();
    refreshAll();
}

void ProblemEditor::rebuildForm()
{
    form_ = new ProblemForm(document_.mode(), document_.scheme());
    connect(form_, &ProblemForm::edited, this, &ProblemEditor::applyEdit);
    connect(form_, &ProblemForm::pictureRequested, this, &ProblemEditor::choosePicture);
    scroll_->setWidget(form_);  // the old form goes
}

void ProblemEditor::refreshAll()
{
    if (!opened_)
        return;
    problem_ = std::clamp(problem_, 1, document_.count());
    form_->load(document_, problem_);
    showPicturePreview();
    refreshList();
    checkNow();
    updateTitle();
    updateButtons();
}

QString ProblemEditor::listText(int problem) const
{
    const ProblemState state = stateOf(lintFindings(document_, problem));
    const QString mark = state == ProblemState::Clean      ? QStringLiteral("✔")
                         : state == ProblemState::Warnings ? QStringLiteral("⚠")
                                                           : QStringLiteral("✖");
    QString opening = q(problemOpening(document_.problems(), problem, 6));
    if (opening.isEmpty())
        opening = QStringLiteral("(senza testo)");
    return QStringLiteral("%1 %2. %3").arg(mark).arg(problem).arg(opening);
}

void ProblemEditor::refreshList()
{
    updating_ = true;
    list_->clear();
    for (int n = 1; n <= document_.count(); ++n) {
        const ProblemState state = stateOf(lintFindings(document_, n));
        auto* item = new QListWidgetItem(listText(n), list_);
        const QString said = state == ProblemState::Clean      ? QStringLiteral("a posto")
                             : state == ProblemState::Warnings ? QStringLiteral("con avvisi")
                                                               : QStringLiteral("con errori");
        item->setData(Qt::AccessibleTextRole, QStringLiteral("Problema %1, %2: %3")
                                                  .arg(n)
                                                  .arg(said, q(problemOpening(document_.problems(), n, 6))));
    }
    list_->setCurrentRow(problem_ - 1);
    updating_ = false;
    const int count = document_.count();
    limit_->setText(count >= kMaxProblems
                        ? QStringLiteral("Il file ha %1 problemi: è il massimo che una finestra può tenere, "
                                         "non se ne possono aggiungere altri.")
                              .arg(count)
                        : QStringLiteral("%1 problemi su un massimo di %2.").arg(count).arg(kMaxProblems));
}

void ProblemEditor::updateTitle()
{
    const bool changed = opened_ && document_.modified();
    setWindowTitle(QStringLiteral("%1%2 — Editor dei problemi")
                       .arg(changed ? QStringLiteral("*") : QString(), q(document_.fileName())));
    file_label_->setText(QStringLiteral("File: %1").arg(q(document_.problemPath())));
}

void ProblemEditor::updateButtons()
{
    const int count = document_.count();
    add_->setEnabled(count < kMaxProblems);
    duplicate_->setEnabled(count < kMaxProblems);
    delete_->setEnabled(count > 1);
    up_->setEnabled(problem_ > 1);
    down_->setEnabled(problem_ < count);
}

void ProblemEditor::selectProblem(int problem)
{
    if (!opened_ || problem < 1 || problem > document_.count())
        return;
    problem_ = problem;
    form_->load(document_, problem_);
    showPicturePreview();
    updating_ = true;
    list_->setCurrentRow(problem_ - 1);
    updating_ = false;
    checkNow();
    updateButtons();
}

void ProblemEditor::restoreState(const ProblemDocument::Snapshot& snapshot, int problem)
{
    document_.restore(snapshot);
    problem_ = problem;
    refreshAll();
}

void ProblemEditor::pushChange(const QString& text, const ProblemDocument::Snapshot& before, int problemBefore,
                               int problemAfter)
{
    undo_->push(new EditCommand(*this, text, before, problemBefore, problemAfter, {}));
}

void ProblemEditor::applyEdit(const QString& key, const QString& value)
{
    ProblemDocument::Snapshot before = document_.snapshot();
    if (!document_.setValue(problem_, key.toStdString(), value.toStdString()))
        return;
    undo_->push(new EditCommand(*this, QStringLiteral("Modifica di %1").arg(key), std::move(before), problem_,
                                problem_, key));
    if (key == QLatin1String("JPG_PROBLEMA"))
        showPicturePreview();
    if (key == QLatin1String("TESTO") && list_->item(problem_ - 1))
        list_->item(problem_ - 1)->setText(listText(problem_));
    updateTitle();
    check_timer_->start();
}

void ProblemEditor::checkNow()
{
    check_timer_->stop();
    if (!opened_)
        return;
    const std::vector<FieldFinding> findings = fieldFindings(document_, problem_);
    form_->showFindings(findings);
    form_->showFormulas(previewFormulas(document_, problem_));
    int errors = 0, warnings = 0;
    QStringList general;
    finding_keys_.clear();
    for (const FieldFinding& finding : findings) {
        (finding.finding.severity == check::Severity::Error ? errors : warnings)++;
        if (finding.key.empty())
            general.append(QStringLiteral("• ") + q(finding.finding.message));
    }
    for (const QString& key : form_->keys()) {
        if (std::any_of(findings.begin(), findings.end(),
                        [&](const FieldFinding& finding) { return q(finding.key) == key; }))
            finding_keys_.append(key);
    }
    QString text;
    if (errors == 0 && warnings == 0) {
        text = QStringLiteral("Problema %1: il controllo non trova nulla da correggere.").arg(problem_);
    } else {
        text = QStringLiteral("Problema %1: %2 %3 e %4 %5; ciascuno è scritto sotto il suo campo (F8 porta al "
                              "prossimo).")
                   .arg(problem_)
                   .arg(errors)
                   .arg(errors == 1 ? QStringLiteral("errore") : QStringLiteral("errori"))
                   .arg(warnings)
                   .arg(warnings == 1 ? QStringLiteral("avviso") : QStringLiteral("avvisi"));
    }
    if (!general.isEmpty())
        text += QLatin1Char('\n') + general.join(QLatin1Char('\n'));
    summary_->setText(text);
    summary_->setStyleSheet(errors ? QStringLiteral("color:#a00000;") : QString());
    if (auto* item = list_->item(problem_ - 1)) {
        const QString shown = listText(problem_);
        if (item->text() != shown)
            item->setText(shown);
    }
}

void ProblemEditor::nextFinding()
{
    if (!opened_)
        return;
    checkNow();
    if (finding_keys_.isEmpty())
        return;
    const QStringList& order = form_->keys();
    int from = -1;
    for (int i = 0; i < order.size(); ++i) {
        QWidget* editor = form_->editorOf(order.at(i));
        if (editor && editor == focusWidget())
            from = i;
    }
    for (const QString& key : finding_keys_) {
        if (order.indexOf(key) > from) {
            form_->focusField(key);
            return;
        }
    }
    form_->focusField(finding_keys_.front());
}

void ProblemEditor::showPicturePreview()
{
    const std::string name = document_.value(problem_, "JPG_PROBLEMA");
    form_->showPicture(name.empty() ? QString() : q(findResourceFile(document_.folder(), name)));
}

void ProblemEditor::choosePicture()
{
    if (!opened_)
        return;
    const QString chosen = platform::dialogs().openFileName(
        this, QStringLiteral("Scegli l'immagine del problema"), folder_,
        QStringLiteral("Immagini (*.jpg *.jpeg *.png *.gif *.bmp *.JPG *.JPEG *.PNG *.GIF *.BMP)"));
    if (chosen.isEmpty())
        return;
    const QFileInfo source(chosen);
    const QString folder = QFileInfo(folder_).canonicalFilePath() + QLatin1Char('/');
    QString name;
    if (source.canonicalFilePath().startsWith(folder)) {
        name = source.canonicalFilePath().mid(folder.size());
    } else {
        // A picture from elsewhere travels with the folder: copied into it,
        // under a name of its own when the folder has another by that name.
        name = source.fileName();
        for (int n = 2; QFileInfo::exists(folder_ + name); ++n) {
            QFile existing(folder_ + name), incoming(chosen);
            if (existing.open(QIODevice::ReadOnly) && incoming.open(QIODevice::ReadOnly) &&
                existing.readAll() == incoming.readAll())
                break;
            name = QStringLiteral("%1_%2.%3").arg(source.completeBaseName()).arg(n).arg(source.suffix());
        }
        if (!QFileInfo::exists(folder_ + name) && !QFile::copy(chosen, folder_ + name)) {
            platform::dialogs().showError(this, QStringLiteral("Immagine"),
                                          QStringLiteral("Non si riesce a copiare %1 nella cartella %2.")
                                              .arg(chosen, folder_));
            return;
        }
    }
    form_->type(QStringLiteral("JPG_PROBLEMA"), name);
}

void ProblemEditor::addProblem()
{
    if (!opened_)
        return;
    if (document_.count() >= kMaxProblems) {
        platform::dialogs().showMessage(
            this, QStringLiteral("Il file ha già %1 problemi: una finestra ne tiene al massimo %1. "
                                 "Per aggiungerne uno, eliminane prima un altro o usa un altro file.")
                      .arg(kMaxProblems));
        return;
    }
    const int before = problem_;
    ProblemDocument::Snapshot snapshot = document_.snapshot();
    if (!document_.add())
        return;
    problem_ = document_.count();
    pushChange(QStringLiteral("Nuovo problema"), snapshot, before, problem_);
    refreshAll();
    form_->focusField(QStringLiteral("TESTO"));
}

void ProblemEditor::duplicateProblem()
{
    if (!opened_)
        return;
    if (document_.count() >= kMaxProblems) {
        addProblem();  // says why not
        return;
    }
    const int before = problem_;
    ProblemDocument::Snapshot snapshot = document_.snapshot();
    if (!document_.duplicate(problem_)) {
        platform::dialogs().showMessage(
            this, QStringLiteral("Il problema %1 non si può duplicare: nel file c'è già una sezione [%2] che "
                                 "Quorvia non mostra. Usa Nuovo per vederla.")
                      .arg(problem_)
                      .arg(q(problemSection(document_.count() + 1))));
        return;
    }
    problem_ = document_.count();
    pushChange(QStringLiteral("Duplica il problema %1").arg(before), snapshot, before, problem_);
    refreshAll();
}

void ProblemEditor::deleteProblem()
{
    if (!opened_)
        return;
    if (document_.count() <= 1) {
        platform::dialogs().showMessage(this, QStringLiteral("È l'unico problema del file: non si può eliminare."));
        return;
    }
    const QString opening = q(problemOpening(document_.problems(), problem_, 6));
    if (!platform::dialogs().askYesNo(
            this, QStringLiteral("Eliminare il problema %1 («%2»)? I problemi che seguono prendono il numero "
                                 "precedente. Si può annullare con Annulla finché l'editor è aperto.")
                      .arg(problem_)
                      .arg(opening)))
        return;
    const int before = problem_;
    ProblemDocument::Snapshot snapshot = document_.snapshot();
    if (!document_.remove(problem_))
        return;
    problem_ = std::min(before, document_.count());
    pushChange(QStringLiteral("Elimina il problema %1").arg(before), snapshot, before, problem_);
    refreshAll();
}

void ProblemEditor::moveProblem(int by)
{
    if (!opened_)
        return;
    const int target = problem_ + by;
    if (target < 1 || target > document_.count())
        return;
    const int before = problem_;
    ProblemDocument::Snapshot snapshot = document_.snapshot();
    if (!document_.swapWithNext(std::min(problem_, target)))
        return;
    problem_ = target;
    pushChange(QStringLiteral("Sposta il problema %1").arg(before), snapshot, before, problem_);
    refreshAll();
    list_->setFocus();
}

bool ProblemEditor::save()
{
    if (!opened_)
        return true;
    std::string error;
    switch (document_.save(&error)) {
    case ProblemDocument::SaveResult::Saved:
        undo_->setClean();
        updateTitle();
        return true;
    case ProblemDocument::SaveResult::Conflict:
        resolveConflict();
        return false;
    case ProblemDocument::SaveResult::Failed:
        platform::dialogs().showError(this, QStringLiteral("Salvataggio non riuscito"),
                                      QStringLiteral("Il file non è stato salvato: %1. Il file di prima è "
                                                     "rimasto com'era.")
                                          .arg(q(error)));
        return false;
    }
    return false;
}

void ProblemEditor::resolveConflict()
{
    const QString name = q(document_.fileName());
    if (platform::dialogs().askYesNo(
            this, QStringLiteral("Qualcun altro ha cambiato %1 (o GENERALE.INI) dopo che l'hai aperto, forse un "
                                 "collega sulla cartella condivisa. Per non cancellare il suo lavoro il file non "
                                 "è stato salvato.\n\nVuoi ricaricare il file com'è ora? Le tue modifiche "
                                 "andranno perse.")
                      .arg(name))) {
        const int problem = problem_;
        ProblemDocument reloaded;
        std::string error;
        if (!reloaded.open(folder_.toStdString(), document_.mode(), document_.scheme(), &error)) {
            platform::dialogs().showError(this, QStringLiteral("Editor dei problemi"), q(error));
            return;
        }
        document_ = std::move(reloaded);
        undo_->clear();
        problem_ = problem;
        refreshAll();
        return;
    }
    if (!platform::dialogs().askYesNo(this, QStringLiteral("Vuoi salvare le tue modifiche in una copia, con un "
                                                           "altro nome? Il file del collega resta com'è.")))
        return;
    const QString path = platform::dialogs().saveFileName(this, QStringLiteral("Salva una copia"),
                                                          folder_ + QStringLiteral("copia_") + name,
                                                          QStringLiteral("Problemi (*.INI *.ini)"));
    if (path.isEmpty())
        return;
    std::string error;
    if (!document_.saveCopy(path.toStdString(), &error)) {
        platform::dialogs().showError(this, QStringLiteral("Salvataggio non riuscito"), q(error));
        return;
    }
    platform::dialogs().showMessage(this, QStringLiteral("Le tue modifiche sono in %1.").arg(path));
}

bool ProblemEditor::settleChanges()
{
    if (!opened_ || !document_.modified())
        return true;
    if (platform::dialogs().askYesNo(this, QStringLiteral("%1 ha modifiche non salvate. Vuoi salvarle?")
                                               .arg(q(document_.fileName()))))
        return save();
    return platform::dialogs().askYesNo(
        this, QStringLiteral("Uscire senza salvare? Le modifiche andranno perse."));
}

void ProblemEditor::closeEvent(QCloseEvent* event)
{
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    try_out_.reset();
    event->accept();
}

void ProblemEditor::tryAsChild()
{
    if (!opened_)
        return;
    try_out_.reset();
    try_out_ = std::make_unique<TryOut>(document_, problem_);
    if (!try_out_->ok()) {
        platform::dialogs().showError(this, QStringLiteral("Prova come un bambino"),
                                      QStringLiteral("La prova non si può aprire: %1.").arg(try_out_->error()));
        try_out_.reset();
    }
}

void ProblemEditor::runSelfPlay()
{
    if (!opened_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const check::ProblemReport report = selfPlay(document_, problem_, locale_separator_);
    QApplication::restoreOverrideCursor();

    QStringList lines;
    if (report.outcome == check::Outcome::Solved) {
        lines.append(QStringLiteral("Controllo automatico: un bambino che sa le risposte arriva in fondo al "
                                    "problema %1.")
                         .arg(problem_));
    } else if (report.outcome == check::Outcome::NotSolved) {
        lines.append(QStringLiteral("Controllo automatico: un bambino si fermerebbe al passo %1 (%2).")
                         .arg(report.failed_step)
                         .arg(q(stepName(document_.scheme(), report.failed_step))));
    } else {
        lines.append(QStringLiteral("Controllo automatico: il problema non si è potuto provare."));
    }
    std::vector<std::string> unshownLines;
    for (const check::Finding& finding : report.findings) {
        if (finding.code == "not-solvable" || finding.code == "mistake-message" || finding.code == "window-message" ||
            finding.code == "try-out-folder")
            lines.append(QStringLiteral("• ") + q(finding.message));
        if (finding.code == "mistake-message")
            unshownLines.push_back(finding.message);
    }
    // The foreseen mistakes the solver made, and the message each showed.
    const MistakeMessages messages = readMistakeMessages(document_.problems(), problemSection(problem_));
    QStringList shown;
    for (int s = 1; s <= stepCount(document_.scheme()); ++s) {
        for (int k = 2; k <= kVariants && document_.mode() == Mode::Beginner; ++k) {
            const std::string& message = messages.wrong_variant[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
            if (!message.empty())
                shown.append(QStringLiteral("passo %1, frase sbagliata %2 → «%3»").arg(s).arg(k).arg(q(message)));
        }
        for (int j = 1; j <= kForeseenSentences && document_.mode() == Mode::Advanced; ++j) {
            const auto si = static_cast<std::size_t>(s), ji = static_cast<std::size_t>(j);
            if (!messages.foreseen_sentence[si][ji].empty() && !messages.foreseen_message[si][ji].empty())
                shown.append(QStringLiteral("passo %1, «%2» → «%3»")
                                 .arg(s)
                                 .arg(q(messages.foreseen_sentence[si][ji]), q(messages.foreseen_message[si][ji])));
        }
    }
    for (std::size_t kind = 0; kind < kSchemeMistakeKinds.size(); ++kind) {
        for (int row = 0; row <= kSchemeRows; ++row) {
            const std::string& message = messages.scheme[kind][static_cast<std::size_t>(row)];
            if (!message.empty())
                shown.append(QStringLiteral("%1 → «%2»").arg(q(schemeMistakeKey(kSchemeMistakeKinds[kind], row)),
                                                            q(message)));
        }
    }
    if (!shown.isEmpty() && unshownLines.empty() && report.outcome == check::Outcome::Solved)
        lines.append(QStringLiteral("Errori previsti provati, ognuno con il suo messaggio: ") +
                     shown.join(QStringLiteral("; ")));
    self_play_->setText(lines.join(QLatin1Char('\n')));
    self_play_->setStyleSheet(report.outcome == check::Outcome::Solved && unshownLines.empty()
                                  ? QStringLiteral("color:#005a00;")
                                  : QStringLiteral("color:#a00000;"));
    self_play_->show();
}

}  // namespace quorvia::editor
