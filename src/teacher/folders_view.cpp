// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/folders_view.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvia::teacher {

namespace {

QLabel* selectableLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

QString shownFolder(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

}  // namespace

QString resourceSourceText(FolderSource source)
{
    switch (source) {
    case FolderSource::Option: return QStringLiteral("scelta all'avvio con l'opzione --risorse");
    case FolderSource::Variable: return QStringLiteral("scelta con la variabile d'ambiente QUORVIA_RISORSE");
    case FolderSource::Generale: return QStringLiteral("indicata da GENERALE.INI");
    case FolderSource::Default:
        return QStringLiteral("la cartella RISORSE del programma (nessuna cartella scelta con --risorse o "
                              "QUORVIA_RISORSE)");
    }
    return QString();
}

QString progressSourceText(FolderSource source)
{
    switch (source) {
    case FolderSource::Generale:
        return QStringLiteral("indicata dalla chiave CARTELLA_PROGRESSI di GENERALE.INI, sezione [AREA_PROGRAMMA]");
    case FolderSource::Default:
        return QStringLiteral("la cartella dei dati di questo utente (GENERALE.INI non indica CARTELLA_PROGRESSI)");
    case FolderSource::Option:
    case FolderSource::Variable: break;
    }
    return QString();
}

FoldersView::FoldersView(const FolderInForce& resources, const FolderInForce& progress, bool resourcesReadOnly,
                         QWidget* parent)
    : QWidget(parent), progress_(progress), shown_progress_(progress.folder)
{
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto* resourceFolder =
        selectableLabel(shownFolder(resources.folder), QStringLiteral("resourceFolderLabel"), this);
    resourceFolder->setAccessibleName(QStringLiteral("Cartella delle risorse: %1").arg(resourceFolder->text()));
    form->addRow(QStringLiteral("Cartella delle risorse:"), resourceFolder);
    QString why = resourceSourceText(resources.source);
    if (resourcesReadOnly)
        why += QStringLiteral(". È di sola lettura: i file non si possono modificare da qui.");
    auto* resourceSource = selectableLabel(QStringLiteral("Perché: ") + why, QStringLiteral("resourceSourceLabel"), this);
    resourceSource->setAccessibleName(resourceSource->text());
    form->addRow(QString(), resourceSource);

    progress_folder_ = selectableLabel(QString(), QStringLiteral("progressFolderLabel"), this);
    form->addRow(QStringLiteral("Cartella dei progressi:"), progress_folder_);
    progress_source_ = selectableLabel(QString(), QStringLiteral("progressSourceLabel"), this);
    form->addRow(QString(), progress_source_);

    auto* choose = new QPushButton(QStringLiteral("&Scegli un'altra cartella dei progressi..."), this);
    choose->setObjectName(QStringLiteral("chooseProgressFolderButton"));
    choose->setToolTip(QStringLiteral("Legge i progressi da un'altra cartella, per esempio quella condivisa di "
                                      "una classe; i bambini continuano a scrivere nella cartella in uso"));
    back_ = new QPushButton(QStringLiteral("&Torna alla cartella in uso"), this);
    back_->setObjectName(QStringLiteral("progressFolderInForceButton"));
    connect(choose, &QPushButton::clicked, this, &FoldersView::chooseProgressFolder);
    connect(back_, &QPushButton::clicked, this, [this] { setProgressFolder(progress_.folder); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(back_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch(1);
    showProgress();
}

void FoldersView::chooseProgressFolder()
{
    const QString folder = platform::dialogs().existingFolder(
        this, QStringLiteral("Scegli la cartella dei progressi"), shown_progress_);
    if (!folder.isEmpty())
        setProgressFolder(folder);
}

void FoldersView::setProgressFolder(const QString& folder)
{
    if (folder == shown_progress_)
        return;
    shown_progress_ = folder;
    showProgress();
    emit progressFolderChosen(folder);
}

void FoldersView::showProgress()
{
    progress_folder_->setText(shownFolder(shown_progress_));
    progress_folder_->setAccessibleName(QStringLiteral("Cartella dei progressi: %1").arg(progress_folder_->text()));
    const bool inForce = QDir::cleanPath(shown_progress_) == QDir::cleanPath(progress_.folder);
    progress_source_->setText(
        inForce ? QStringLiteral("Perché: ") + progressSourceText(progress_.source)
                : QStringLiteral("Scelta qui, solo per quest'area. I bambini continuano a scrivere in %1 (%2).")
                      .arg(shownFolder(progress_.folder), progressSourceText(progress_.source)));
    progress_source_->setAccessibleName(progress_source_->text());
    back_->setVisible(!inForce);
}

}  // namespace quorvia::teacher
