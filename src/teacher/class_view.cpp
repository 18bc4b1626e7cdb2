// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_view.h"

#include "platform/dialogs.h"
#include "report/report_format.h"
#include "teacher/class_chart.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <ctime>
#include <memory>
#include <set>

namespace quorvia::teacher {

namespace {

QTableWidget* makeTable(const QString& name, const QString& accessibleName, const QString& description,
                        QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setAccessibleDescription(description);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move inside it
    return table;
}

QComboBox* makeFilter(const QString& name, const QString& label, QLabel*& buddy, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    buddy = new QLabel(label, parent);
    buddy->setBuddy(combo);
    QString spoken = label;
    combo->setAccessibleName(spoken.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    // Sized once, so a name arriving later does not shift the row under the mouse.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    combo->setMinimumContentsLength(12);
    return combo;
}

QString capitalised(const char* text)
{
    QString s = QString::fromUtf8(text);
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

}  // namespace

ClassView::ClassView(const QString& resourceFolder, const QString& progressFolder, QWidget* parent)
    : QWidget(parent), resourceFolder_(resourceFolder)
{
    setObjectName(QStringLiteral("classView"));
    setAccessibleName(QStringLiteral("La classe"));
    buildLayout();

    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setObjectName(QStringLiteral("settleTimer"));
    settle_->setSingleShot(true);
    // A child's append arrives as several notices (file, folder, metadata).
    settle_->setInterval(250);
    connect(settle_, &QTimer::timeout, this, &ClassView::reread);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    reread_ = new QTimer(this);
    reread_->setObjectName(QStringLiteral("rereadTimer"));
    reread_->setInterval(kRereadMilliseconds);
    connect(reread_, &QTimer::timeout, this, &ClassView::reread);

    setProgressFolder(progressFolder);
}

void ClassView::buildLayout()
{
    QLabel *childLabel = nullptr, *modeLabel = nullptr, *schemeLabel = nullptr, *periodLabel = nullptr;
    child_ = makeFilter(QStringLiteral("childFilter"), QStringLiteral("&Bambino:"), childLabel, this);
    child_->addItem(QStringLiteral("Tutti i bambini"), QString());
    mode_ = makeFilter(QStringLiteral("modeFilter"), QStringLiteral("&Modo:"), modeLabel, this);
    mode_->addItem(QStringLiteral("Tutti i modi"), -1);
    for (Mode m : {Mode::Beginner, Mode::Advanced})
        mode_->addItem(capitalised(modeName(m)), static_cast<int>(m));
    scheme_ = makeFilter(QStringLiteral("schemeFilter"), QStringLiteral("&Schema:"), schemeLabel, this);
    scheme_->addItem(QStringLiteral("Tutti gli schemi"), -1);
    for (Scheme s : kAllSchemes)
        scheme_->addItem(QStringLiteral("Schema %1").arg(QString::fromLatin1(schemeName(s))), static_cast<int>(s));
    period_ = makeFilter(QStringLiteral("periodFilter"), QStringLiteral("P&eriodo:"), periodLabel, this);
    for (progress::Period p : progress::kAllPeriods)
        period_->addItem(capitalised(progress::periodText(p)), static_cast<int>(p));
    period_->setCurrentIndex(period_->count() - 1);  // everything, as quorvia-report
    for (QComboBox* combo : {child_, mode_, scheme_, period_})
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, &ClassView::showFigures);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pdf_ = new QPushButton(QStringLiteral("Esporta &PDF…"), this);
    pdf_->setObjectName(QStringLiteral("exportPdfButton"));
    pdf_->setToolTip(QStringLiteral("Salva in un file PDF il resoconto come è mostrato, con le scelte fatte"));
    csv_ = new QPushButton(QStringLiteral("Esporta &CSV…"), this);
    csv_->setObjectName(QStringLiteral("exportCsvButton"));
    csv_->setToolTip(QStringLiteral("Salva una riga per bambino e problema, per un foglio di calcolo"));
    print_ = new QPushButton(QStringLiteral("S&tampa…"), this);
    print_->setObjectName(QStringLiteral("printButton"));
    print_->setToolTip(QStringLiteral("Mostra l'anteprima di stampa del resoconto come è mostrato"));
    connect(pdf_, &QPushButton::clicked, this, &ClassView::exportPdf);
    connect(csv_, &QPushButton::clicked, this, &ClassView::exportCsv);
    connect(print_, &QPushButton::clicked, this, &ClassView::print);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("classTabs"));
    tabs_->setAccessibleName(QStringLiteral("Resoconto della classe"));
    children_ = makeTable(QStringLiteral("childTable"), QStringLiteral("Per bambino"),
                          QStringLiteral("Problemi provati e come sono finiti; errori per tipo di passo; aiuti "
                                         "aperti; tempo di lavoro."),
                          tabs_);
    problems_ = makeTable(QStringLiteral("problemTable"), QStringLiteral("Per problema"),
                          QStringLiteral("Bambini che l'hanno provato, risolto (anche con la soluzione) e risolto "
                                         "da soli; il passo dove sono caduti più errori."),
                          tabs_);
    review_ = makeTable(QStringLiteral("reviewTable"), QStringLiteral("Da ripassare oggi"),
                        QStringLiteral("Problemi risolti con la soluzione, lasciati o con molti errori, che tornano "
                                       "dopo 1, 3 e 7 giorni."),
                        tabs_);
    chart_ = new ClassChart(tabs_);
    auto* chartArea = new QScrollArea(tabs_);
    chartArea->setObjectName(QStringLiteral("chartArea"));
    chartArea->setWidget(chart_);
    chartArea->setWidgetResizable(true);
    chartArea->setFrameShape(QFrame::NoFrame);
    chartArea->setFocusPolicy(Qt::NoFocus);
    tabs_->addTab(children_, QStringLiteral("Per bambino"));
    tabs_->addTab(problems_, QStringLiteral("Per problema"));
    tabs_->addTab(chartArea, QStringLiteral("Errori per tipo di passo"));
    tabs_->addTab(review_, QStringLiteral("Da ripassare oggi"));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLabel"));
    status_->setWordWrap(true);

    auto* filters = new QHBoxLayout;
    for (auto [label, combo] : {std::pair{childLabel, child_}, std::pair{modeLabel, mode_},
                                std::pair{schemeLabel, scheme_}, std::pair{periodLabel, period_}}) {
        filters->addWidget(label);
        filters->addWidget(combo);
        filters->addSpacing(8);
    }
    filters->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(summary_, 1);
    actions->addWidget(pdf_);
    actions->addWidget(csv_);
    actions->addWidget(print_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(actions);
    layout->addWidget(tabs_, 1);
    layout->addWidget(status_);

    // Reading order: what to show, what to do with it, then the figures.
    QWidget* order[] = {child_, mode_, scheme_, period_, pdf_, csv_, print_, tabs_, children_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

progress::ReportFilter ClassView::filter() const
{
    progress::ReportFilter f;
    f.child = child_->currentData().toString().toStdString();
    if (const int m = mode_->currentData().toInt(); m >= 0)
        f.mode = static_cast<Mode>(m);
    if (const int s = scheme_->currentData().toInt(); s >= 0)
        f.scheme = static_cast<Scheme>(s);
    f.period = static_cast<progress::Period>(period_->currentData().toInt());
    return f;
}

void ClassView::setProgressFolder(const QString& folder)
{
    progressFolder_ = folder.isEmpty() ? folder : QDir(folder).absolutePath();
    shownFigures_.clear();
    // The old folder's files stop being watched even when the new one is missing.
    const QStringList watched = watcher_->files() + watcher_->directories();
    if (!watched.isEmpty())
        watcher_->removePaths(watched);
    reread();
}

void ClassView::reread()
{
    files_.clear();
    folderProblem_.clear();
    const QFileInfo info(progressFolder_);
    if (progressFolder_.isEmpty()) {
        folderProblem_ = QStringLiteral("Nessuna cartella dei progressi scelta.");
    } else if (info.exists() && !info.isDir()) {
        folderProblem_ = QStringLiteral("%1 è un file, non una cartella dei progressi.").arg(progressFolder_);
    } else if (!info.isDir()) {
        folderProblem_ = QStringLiteral("La cartella dei progressi %1 non c'è: nessun bambino ha ancora lavorato qui?")
                             .arg(progressFolder_);
    } else {
        std::string error;
        files_ = progress::readProgressFolder(progressFolder_.toStdString(), &error);
        if (!error.empty())
            folderProblem_ = QString::fromStdString(error);
    }
    updateChildChoices();
    showFigures();
    watchFolder();
}

void ClassView::watchFolder()
{
    if (progressFolder_.isEmpty())
        return;
    if (!QFileInfo(progressFolder_).isDir()) {
        // Before the first record the folder is not there yet: the nearest
        // folder above it tells when it is made, one level at a time.
        QString above = QDir::cleanPath(QDir(progressFolder_).absolutePath());
        while (!QFileInfo(above).isDir() && above != QDir::rootPath())
            above = QFileInfo(above).absolutePath();
        if (QFileInfo(above).isDir() && !watcher_->directories().contains(above))
            watcher_->addPath(above);
        return;
    }
    // A new file shows as a change of the folder, a record appended as a
    // change of its file.
    QStringList wanted;
    if (!watcher_->directories().contains(progressFolder_))
        wanted << progressFolder_;
    const QStringList files = watcher_->files();
    for (const progress::ProgressFile& file : files_) {
        const QString path = QString::fromStdString(file.path);
        if (!files.contains(path))
            wanted << path;
    }
    if (!wanted.isEmpty())
        watcher_->addPaths(wanted);
}

void ClassView::updateChildChoices()
{
    // Every child of the folder, whatever the other filters: the names come
    // from the whole report, by the report's order.
    const progress::ClassReport whole = progress::buildClassReport(files_);
    QStringList names;
    for (const progress::ChildSummary& c : whole.children)
        names << QString::fromStdString(c.name);
    const QString chosen = child_->currentData().toString();
    // A child chosen whose records went away stays chosen, with no figures,
    // rather than the view jumping to the whole class under the teacher's eyes.
    if (!chosen.isEmpty()) {
        bool present = false;
        for (const QString& name : names)
            present = present || progress::childKey(name.toStdString()) == progress::childKey(chosen.toStdString());
        if (!present)
            names << chosen;
    }
    QStringList current;
    for (int i = 1; i < child_->count(); ++i)
        current << child_->itemData(i).toString();
    if (current == names)
        return;
    const QSignalBlocker quiet(child_);
    while (child_->count() > 1)
        child_->removeItem(1);
    int index = 0;
    for (const QString& name : names) {
        child_->addItem(name, name);
        if (!chosen.isEmpty() && progress::childKey(name.toStdString()) == progress::childKey(chosen.toStdString()))
            index = child_->count() - 1;
    }
    child_->setCurrentIndex(index);
}

void ClassView::showFigures()
{
    report_ = progress::buildClassReport(files_, filter(), progress::localDate(std::time(nullptr)));
    progress::addProblemOpenings(report_, resourceFolder_.toStdString());
    QByteArray figures = report::jsonReport(report_, progressFolder_);
    figures += folderProblem_.toUtf8();
    if (figures == shownFigures_)
        return;  // a re-read that found nothing new leaves the screen alone
    shownFigures_ = figures;

    setUpdatesEnabled(false);
    summary_->setText(folderProblem_.isEmpty()
                          ? QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(progressFolder_),
                                                         report::summaryLine(report_))
                          : folderProblem_);
    summary_->setAccessibleName(summary_->text());
    fillTable(children_, report::childTable(report_));
    fillTable(problems_, report::problemTable(report_));
    fillTable(review_, report::reviewTable(report_));
    chart_->setReport(report_);
    const bool readable = folderProblem_.isEmpty();
    pdf_->setEnabled(readable);
    csv_->setEnabled(readable);
    print_->setEnabled(readable);
    setUpdatesEnabled(true);
    emit figuresChanged();
}

void ClassView::fillTable(QTableWidget* table, const report::Table& t)
{
    // Filled in place: the rows the teacher was reading stay where they were.
    const int scroll = table->verticalScrollBar()->value();
    const int row = table->currentRow(), column = table->currentColumn();
    const bool fresh = table->columnCount() != t.headers.size();
    table->setColumnCount(static_cast<int>(t.headers.size()));
    table->setHorizontalHeaderLabels(t.headers);
    table->setRowCount(static_cast<int>(t.rows.size()));
    for (int r = 0; r < t.rows.size(); ++r) {
        for (int c = 0; c < t.rows[r].size(); ++c) {
            QTableWidgetItem* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
                const bool numeric = c < t.numeric.size() && t.numeric[c];
                item->setTextAlignment((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
                table->setItem(r, c, item);
            }
            item->setText(t.rows[r][c]);
        }
    }
    if (fresh || table->rowCount() > 0)
        table->resizeColumnsToContents();
    if (row >= 0 && row < table->rowCount())
        table->setCurrentCell(row, column);
    table->verticalScrollBar()->setValue(scroll);
}

QString ClassView::scopeText() const
{
    return QString::fromStdString(progress::filterText(filter()));
}

QString ClassView::saveName(const QString& caption, const QString& name, const QString& filter)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = documents.isEmpty() || !QFileInfo(documents).isDir() ? QDir::homePath() : documents;
    QString file = platform::dialogs().saveFileName(this, caption, QDir(folder).filePath(name), filter);
    const QString suffix = name.mid(name.lastIndexOf(QLatin1Char('.')));
    if (!file.isEmpty() && !file.endsWith(suffix, Qt::CaseInsensitive))
        file += suffix;
    return file;
}

void ClassView::exportPdf()
{
    const QString file = saveName(QStringLiteral("Esporta il resoconto in PDF"), QStringLiteral("resoconto-classe.pdf"),
                                  QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!report::writePdfReport(report_, progressFolder_, file, &error, scopeText())) {
        platform::dialogs().showError(this, QStringLiteral("Esporta PDF"), error);
        return;
    }
    status_->setText(QStringLiteral("Resoconto salvato in %1.").arg(QDir::toNativeSeparators(file)));
}

void ClassView::exportCsv()
{
    const QString file = saveName(QStringLiteral("Esporta il resoconto in CSV"), QStringLiteral("resoconto-classe.csv"),
                                  QStringLiteral("Fogli di calcolo CSV (*.csv)"));
    if (file.isEmpty())
        return;
    QFile out(file);
    const QByteArray bytes = report::csvReport(report_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() || !out.flush()) {
        platform::dialogs().showError(
            this, QStringLiteral("Esporta CSV"),
            QStringLiteral("Impossibile scrivere il file %1: %2").arg(QDir::toNativeSeparators(file), out.errorString()));
        return;
    }
    status_->setText(QStringLiteral("Righe salvate in %1.").arg(QDir::toNativeSeparators(file)));
}

void ClassView::print()
{
    // The preview paints again on every zoom and on the printer: it keeps
    // its own copy of what was shown when it opened.
    auto shown = std::make_shared<const progress::ClassReport>(report_);
    const QString folder = progressFolder_;
    const QString scope = scopeText();
    platform::dialogs().showPrintPreview(this, QStringLiteral("Anteprima - Resoconto della classe"),
                                         [shown, folder, scope](QPrinter* printer) {
                                             report::paintClassReport(*printer, *shown, folder, scope);
                                         });
}

void ClassView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reread();
    reread_->start();
}

void ClassView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    reread_->stop();
}

}  // namespace quorvia::teacher
