// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/check_view.h"

#include "base/resource_folder.h"
#include "check/folder_check.h"
#include "check/generale_lint.h"
#include "check/report_format.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "shell/locale_separator.h"
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvia::teacher {

namespace {

constexpr int kGroupRole = Qt::UserRole;
constexpr int kFindingRole = Qt::UserRole + 1;

// The calls the check will report, for a bar that knows its end: GENERALE.INI,
// each problem file and each problem it offers, CONFIGURE.INI and the media.
int plannedSteps(const QString& folder)
{
    const check::GeneraleLint general = check::lintGenerale(folder.toStdString());
    int steps = 3;
    for (const check::NamedProblemFile& named : general.problem_files)
        steps += 1 + check::offeredProblems(named.max);
    return steps;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// While the check runs the window is kept drawn by handing Qt its events
// between problems, so the teacher's clicks and keys would arrive too. The
// gate lets through only the Stop button's, and the solver's own, which it
// sends to the check's hidden windows; Esc stops as Stop does.
class InputGate : public QObject {
public:
    InputGate(const QWidget& checkWindows, const QWidget& stop, std::function<void()> onEscape)
        : check_windows_(checkWindows), stop_(stop), on_escape_(std::move(onEscape))
    {
        qApp->installEventFilter(this);
    }
    ~InputGate() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!isUserInput(event->type()))
            return false;
        const bool escape =
            (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) ||
            (event->type() == QEvent::Shortcut &&
             static_cast<QShortcutEvent*>(event)->key() == QKeySequence(Qt::Key_Escape));
        if (escape) {
            on_escape_();
            return true;
        }
        if (event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride)
            return true;
        auto* widget = qobject_cast<QWidget*>(receiver);
        // A window of the system hands its input on to a widget: judged there.
        if (!widget)
            return false;
        return widget != &stop_ && !insideCheckWindows(widget);
    }

    // Across windows: the exercise windows and their menus are windows of
    // their own under the check's main window.
    bool insideCheckWindows(const QWidget* widget) const
    {
        for (; widget; widget = widget->parentWidget()) {
            if (widget == &check_windows_)
                return true;
        }
        return false;
    }

private:
    const QWidget& check_windows_;
    const QWidget& stop_;
    std::function<void()> on_escape_;
};

QString severityWord(check::Severity severity)
{
    return severity == check::Severity::Error ? QStringLiteral("errore") : QStringLiteral("avviso");
}

}  // namespace

QStringList folderStamp(const QString& folder)
{
    QStringList stamp;
    QDirIterator files(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        const QFileInfo info = files.fileInfo();
        stamp << QStringLiteral("%1|%2|%3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    stamp.sort();
    return stamp;
}

CheckView::CheckView(const QString& resourceFolder, QWidget* parent)
    : QWidget(parent), folder_(withTrailingSeparator(resourceFolder))
{
    run_ = new QPushButton(QStringLiteral("&Controlla la cartella"), this);
    run_->setObjectName(QStringLiteral("runCheckButton"));
    run_->setToolTip(QStringLiteral("Prova ogni problema come lo farebbe un bambino e cerca gli errori nei file"));
    stop_ = new QPushButton(QStringLiteral("&Ferma"), this);
    stop_->setObjectName(QStringLiteral("stopCheckButton"));
    stop_->setToolTip(QStringLiteral("Ferma il controllo (Esc)"));
    copy_ = new QPushButton(QStringLiteral("C&opia"), this);
    copy_->setObjectName(QStringLiteral("copyFindingButton"));
    copy_->setToolTip(QStringLiteral("Copia l'osservazione scelta (Ctrl+C)"));
    edit_ = new QPushButton(QStringLiteral("&Apri nell'editor"), this);
    edit_->setObjectName(QStringLiteral("openFindingButton"));
    edit_->setToolTip(QStringLiteral("Apre l'editor dei problemi a questo problema"));
    edit_->hide();

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("checkProgress"));
    bar_->setAccessibleName(QStringLiteral("Avanzamento del controllo"));
    bar_->setFormat(QStringLiteral("%p%"));
    bar_->setValue(0);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("checkStatus"));
    status_->setAccessibleName(QStringLiteral("Stato del controllo"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("checkSummary"));
    summary_->setAccessibleName(QStringLiteral("Riepilogo del controllo"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("checkFindings"));
    tree_->setAccessibleName(QStringLiteral("Osservazioni del controllo, per file e problema"));
    tree_->setColumnCount(3);
    tree_->setHeaderLabels({QStringLiteral("File e problema"), QStringLiteral("Riga"), QStringLiteral("Osservazione")});
    tree_->setWordWrap(true);
    tree_->setUniformRowHeights(false);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->header()->setStretchLastSection(true);
    tree_->setColumnWidth(0, 260);
    tree_->setColumnWidth(1, 50);

    // The view's own Ctrl+C would copy one column's text: the filter below
    // takes the key first, and the action shows it in the menu.
    auto* copyAction = new QAction(QStringLiteral("Copia"), tree_);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    tree_->installEventFilter(this);
    connect(copyAction, &QAction::triggered, this, &CheckView::copySelection);
    auto* openAction = new QAction(QStringLiteral("Apri nell'editor"), tree_);
    connect(openAction, &QAction::triggered, this, &CheckView::openSelection);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this, copyAction, openAction](const QPoint& at) {
        QMenu menu(tree_);
        menu.addAction(copyAction);
        if (opener_)
            menu.addAction(openAction);
        menu.exec(tree_->viewport()->mapToGlobal(at));
    });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (findingAt(item) && opener_)
            openSelection();
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    connect(run_, &QPushButton::clicked, this, &CheckView::runCheck);
    connect(stop_, &QPushButton::clicked, this, &CheckView::requestStop);
    connect(copy_, &QPushButton::clicked, this, &CheckView::copySelection);
    connect(edit_, &QPushButton::clicked, this, &CheckView::openSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(stop_);
    buttons->addWidget(bar_, 1);
    buttons->addWidget(copy_);
    buttons->addWidget(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);

    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &CheckView::noticeFolderChange);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &CheckView::noticeFolderChange);

    showMessage(QStringLiteral("Il controllo prova ogni problema della cartella come lo farebbe un bambino, "
                               "passo per passo, e cerca gli errori nei file. Premi «Controlla la cartella»."));
    updateButtons();
}

CheckView::~CheckView() = default;

void CheckView::setEditorOpener(EditorOpener opener)
{
    opener_ = std::move(opener);
    edit_->setVisible(static_cast<bool>(opener_));
    updateButtons();
}

const PlacedFinding* CheckView::findingAt(const QTreeWidgetItem* item) const
{
    if (!item || !item->data(0, kFindingRole).isValid())
        return nullptr;
    const int group = item->data(0, kGroupRole).toInt();
    const int finding = item->data(0, kFindingRole).toInt();
    if (group < 0 || group >= static_cast<int>(groups_.size()) || finding < 0 ||
        finding >= static_cast<int>(groups_[group].findings.size()))
        return nullptr;
    return &groups_[group].findings[finding];
}

void CheckView::runCheck()
{
    if (running_)
        return;
    if (const QString problem = folderProblem(folder_); !problem.isEmpty()) {
        showMessage(QStringLiteral("Non si può controllare: %1.").arg(problem));
        return;
    }
    if (check::findGenerale(folder_.toStdString()).empty()) {
        showMessage(QStringLiteral("%1 non è una cartella di risorse di Quorvia: manca GENERALE.INI.").arg(folder_));
        return;
    }
    running_ = true;
    stop_requested_ = false;
    report_.reset();
    groups_.clear();
    tree_->clear();
    summary_->clear();
    const int planned = plannedSteps(folder_);
    bar_->setRange(0, planned);
    bar_->setValue(0);
    updateButtons();
    stop_->setFocus();

    std::optional<check::CheckReport> result;
    {
        // The program's own main window and exercise windows, as the check
        // makes them, but never drawn: the teacher would see them flicker.
        TForm1 main(folder_);
        main.setAttribute(Qt::WA_DontShowOnScreen);
        for (ExerciseWindow* window : createExerciseWindows(main))
            window->setAttribute(Qt::WA_DontShowOnScreen);
        InputGate gate(main, *stop_, [this] { requestStop(); });
        int done = 0;
        const auto progress = [&](const std::string& what) {
            bar_->setValue(std::min(++done, planned));
            status_->setText(QStringLiteral("Controllo: %1").arg(QString::fromStdString(what)));
            // Drawn now: between two problems the check drops what waits in
            // the queue, an update request of this window with it.
            bar_->repaint();
            status_->repaint();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (stop_requested_)
                throw check::CheckStopped{};
        };
        try {
            result = check::checkResourceFolder(folder_, localeDecimalSeparator(), main, progress);
        } catch (const check::CheckStopped&) {
        }
    }
    running_ = false;
    // Any window whose update request the check dropped is drawn again.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->testAttribute(Qt::WA_DontShowOnScreen))
            window->repaint();
    }
    if (result) {
        report_ = std::move(result);
        stamp_ = folderStamp(folder_);
        watchFolder();
        showReport();
        bar_->setValue(planned);
    } else {
        showMessage(QStringLiteral("Controllo fermato prima della fine: nessun risultato."));
        bar_->setValue(0);
    }
    updateButtons();
    run_->setFocus();
    emit checkFinished();
}

void CheckView::requestStop()
{
    if (running_)
        stop_requested_ = true;
}

void CheckView::showMessage(const QString& text)
{
    status_->setText(text);
    status_->setWordWrap(true);
}

void CheckView::showReport()
{
    groups_ = groupFindings(*report_);
    tree_->clear();
    for (int g = 0; g < static_cast<int>(groups_.size()); ++g) {
        const FindingGroup& group = groups_[g];
        auto* top = new QTreeWidgetItem(tree_);
        top->setText(0, group.title);
        top->setData(0, kGroupRole, g);
        if (!group.stuck.isEmpty()) {
            top->setText(2, QStringLiteral("Dove un bambino si blocca: %1").arg(group.stuck));
            QFont bold = top->font(2);
            bold.setBold(true);
            top->setFont(2, bold);
        }
        for (int f = 0; f < static_cast<int>(group.findings.size()); ++f) {
            const check::Finding& finding = group.findings[f].finding;
            auto* row = new QTreeWidgetItem(top);
            row->setText(0, severityWord(finding.severity));
            row->setText(1, finding.line > 0 ? QString::number(finding.line) : QString());
            row->setText(2, QString::fromStdString(finding.message));
            row->setToolTip(2, QString::fromStdString(finding.message));
            row->setData(0, kGroupRole, g);
            row->setData(0, kFindingRole, f);
            row->setIcon(0, style()->standardIcon(finding.severity == check::Severity::Error
                                                      ? QStyle::SP_MessageBoxCritical
                                                      : QStyle::SP_MessageBoxWarning));
        }
        top->setExpanded(true);
    }
    summary_->setText(QString::fromStdString(check::summaryLine(*report_)));
    showMessage(groups_.empty() ? QStringLiteral("Nessuna osservazione: ogni problema si può finire.")
                                : QStringLiteral("Controllo finito. Prima i problemi con errori, poi gli avvisi."));
    if (QTreeWidgetItem* first = tree_->topLevelItem(0))
        tree_->setCurrentItem(first->childCount() > 0 ? first->child(0) : first);
}

bool CheckView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tree_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CheckView::copySelection()
{
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item)
        return;
    QStringList lines;
    if (const PlacedFinding* placed = findingAt(item)) {
        lines << findingText(placed->finding);
    } else {
        const FindingGroup& group = groups_[item->data(0, kGroupRole).toInt()];
        lines << group.title + (group.stuck.isEmpty() ? QString() : QStringLiteral(": un bambino si blocca ") + group.stuck);
        for (const PlacedFinding& each : group.findings)
            lines << findingText(each.finding);
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    showMessage(QStringLiteral("Copiato negli appunti."));
}

void CheckView::openSelection()
{
    const PlacedFinding* placed = findingAt(tree_->currentItem());
    if (!opener_ || !placed || !placed->place.in_problem_file)
        return;
    opener_(placed->place.mode, placed->place.scheme, placed->place.problem, placed->place.key);
}

void CheckView::noticeFolderChange()
{
    if (running_ || !report_)
        return;
    const QStringList now = folderStamp(folder_);
    if (now == stamp_) {
        watchFolder();  // a file replaced by renaming leaves the watch
        return;
    }
    report_.reset();
    groups_.clear();
    tree_->clear();
    summary_->clear();
    bar_->setValue(0);
    showMessage(QStringLiteral("La cartella è cambiata dopo l'ultimo controllo: premi «Controlla la cartella» "
                               "per controllarla di nuovo."));
    updateButtons();
}

void CheckView::watchFolder()
{
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    QStringList paths{folder_};
    QDirIterator entries(folder_, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext())
        paths << entries.next();
    watcher_->addPaths(paths);
}

void CheckView::updateButtons()
{
    run_->setEnabled(!running_);
    run_->setText(report_ ? QStringLiteral("&Ricontrolla") : QStringLiteral("&Controlla la cartella"));
    stop_->setEnabled(running_);
    const PlacedFinding* placed = findingAt(tree_->currentItem());
    copy_->setEnabled(!running_ && tree_->currentItem());
    edit_->setEnabled(!running_ && opener_ && placed && placed->place.in_problem_file);
    tree_->setEnabled(!running_);
}

}  // namespace quorvia::teacher
