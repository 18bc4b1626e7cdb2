// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/teacher_area.h"

#include "teacher/class_view.h"
#include "teacher/folders_view.h"
#include "teacher/pin_questions.h"
#include "widgets/window_fit.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvia::teacher {

bool folderReadOnly(const QString& folder)
{
    return !QFileInfo(folder).isWritable();
}

TeacherArea::TeacherArea(const TeacherAreaSetup& setup, bool resourcesReadOnly, QWidget* parent)
    : QWidget(parent, Qt::Window), setup_(setup), read_only_(resourcesReadOnly)
{
    setObjectName(QStringLiteral("teacherArea"));
    setWindowTitle(QStringLiteral("Quorvia - Area insegnante"));
    setAccessibleName(QStringLiteral("Area insegnante"));

    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("readOnlyNotice"));
    notice->setWordWrap(true);
    notice->setText(QStringLiteral("La cartella delle risorse è di sola lettura: puoi controllarla, ma i suoi file "
                                   "non si possono modificare. Per scrivere i problemi, copiala in una cartella "
                                   "tua e apri Quorvia con quella."));
    notice->setAccessibleName(notice->text());
    notice->setStyleSheet(QStringLiteral("QLabel { background: #fff4c2; color: #3a2e00; padding: 6px; "
                                         "border: 1px solid #c9a400; }"));
    notice->setVisible(read_only_);

    check_ = new CheckView(setup.resources.folder, this);
    check_->setEditorOpener(setup.open_editor);
    class_tab_ = new ClassView(setup.resources.folder, setup.progress.folder, this);
    folders_ = new FoldersView(setup.resources, setup.progress, read_only_, this);
    connect(folders_, &FoldersView::progressFolderChosen, this, [this](const QString& folder) {
        class_tab_->setProgressFolder(folder);
    });

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("teacherTabs"));
    tabs_->setAccessibleName(QStringLiteral("Sezioni dell'area insegnante"));
    tabs_->addTab(check_, QStringLiteral("Co&ntrollo della cartella"));
    tabs_->addTab(class_tab_, QStringLiteral("La c&lasse"));
    tabs_->addTab(folders_, QStringLiteral("Le cartell&e in uso"));

    auto* buttons = new QHBoxLayout;
    if (setup_.open_editor) {
        auto* write = new QPushButton(QStringLiteral("Scrivi i &problemi"), this);
        write->setObjectName(QStringLiteral("openEditorButton"));
        write->setToolTip(QStringLiteral("Apre l'editor dei problemi"));
        connect(write, &QPushButton::clicked, this, [this] { setup_.open_editor(Mode::Beginner, Scheme::S3, 0, {}); });
        buttons->addWidget(write);
    }
    auto* pin = new QPushButton(QStringLiteral("P&IN dell'area..."), this);
    pin->setObjectName(QStringLiteral("pinButton"));
    pin->setToolTip(QStringLiteral("Imposta, cambia o toglie il PIN chiesto prima di entrare in quest'area"));
    connect(pin, &QPushButton::clicked, this, [this] { offerPin(this, setup_.resources.folder); });
    buttons->addWidget(pin);
    buttons->addStretch(1);
    auto* closeButton = new QPushButton(QStringLiteral("C&hiudi"), this);
    closeButton->setObjectName(QStringLiteral("closeAreaButton"));
    closeButton->setToolTip(QStringLiteral("Chiude l'area insegnante (Esc)"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(check_, &CheckView::checkFinished, this, [this] {
        if (close_after_check_)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    resize(960, 560);
}

void TeacherArea::closeEvent(QCloseEvent* event)
{
    // The check is on the stack below this event: it ends first.
    if (check_->running()) {
        close_after_check_ = true;
        check_->requestStop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TeacherArea::changeEvent(QEvent* event)
{
    // A shared folder may send no notice of a change: looked at again when
    // the teacher comes back to the window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        check_->noticeFolderChange();
    QWidget::changeEvent(event);
}

void TeacherArea::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        fitWindowOnScreen(*this);
    }
    QWidget::showEvent(event);
}

TeacherAreaLauncher::TeacherAreaLauncher(TeacherAreaSetup setup, QObject* parent)
    : QObject(parent), setup_(std::move(setup))
{
}

TeacherAreaLauncher::~TeacherAreaLauncher()
{
    delete area_.data();
}

TeacherArea* TeacherAreaLauncher::open(QWidget* asking)
{
    if (area_) {
        area_->showNormal();
        area_->raise();
        area_->activateWindow();
        return area_;
    }
    if (!askPinToEnter(asking, setup_.resources.folder))
        return nullptr;
    area_ = new TeacherArea(setup_, folderReadOnly(setup_.resources.folder));
    area_->setAttribute(Qt::WA_DeleteOnClose);
    connect(area_, &QObject::destroyed, this, &TeacherAreaLauncher::closed);
    area_->show();
    area_->activateWindow();
    return area_;
}

void installTeacherShortcut(QWidget& window, std::function<void()> open)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), &window);
    shortcut->setObjectName(QStringLiteral("teacherAreaShortcut"));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(open));
}

}  // namespace quorvia::teacher
