// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs.h"

#include "platform/font_colour_dialog.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace quorvia::platform {
namespace {

QString applicationTitle()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Quorvia") : name;
}

}  // namespace

void fitFileDialogColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view || !view->model())
        return;
    QHeaderView* header = view->header();
    const QFontMetrics metrics(header->font());
    // The header's own margins and sort arrow around the words.
    const int room = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                     header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + 8;
    for (int section = 1; section < header->count(); ++section) {
        const QString words = view->model()->headerData(section, Qt::Horizontal).toString();
        const int wanted = metrics.horizontalAdvance(words) + room;
        if (header->sectionSize(section) < wanted)
            header->resizeSection(section, wanted);
    }
}

namespace {

class QtDialogs : public Dialogs {
public:
    void showMessage(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    void showError(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool askYesNo(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, applicationTitle(), text,
                        QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }

    std::optional<QString> inputText(QWidget* parent, const QString& caption,
                                     const QString& prompt, const QString& initial) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override
    {
        return fileName(parent, caption, directory, filter, QFileDialog::AcceptOpen);
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override
    {
        return fileName(parent, caption, directory, filter, QFileDialog::AcceptSave);
    }

    QString existingFolder(QWidget* parent, const QString& caption, const QString& directory) override
    {
        QFileDialog dialog(parent, caption, directory);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        QTimer::singleShot(0, &dialog, [&dialog] { fitFileDialogColumns(dialog); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QString> inputSecret(QWidget* parent, const QString& caption, const QString& prompt) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Password, QString(), &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    static QString fileName(QWidget* parent, const QString& caption, const QString& directory,
                            const QString& filter, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, caption, directory, filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // Qt's own dialog (where the desktop offers none) sizes its columns
        // for English headers; the view exists once the dialog is shown.
        QTimer::singleShot(0, &dialog, [&dialog] { fitFileDialogColumns(dialog); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        const QColor color = QColorDialog::getColor(initial, parent);
        if (!color.isValid())
            return std::nullopt;
        return color;
    }

    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override
    {
        return chooseFontAndColour(parent, initial);
    }

    void showAbout(QWidget* parent, const QString& title, const QString& version,
                   const QString& credits) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
        box.setText(QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(),
                                                           version.toHtmlEscaped()));
        box.setInformativeText(credits);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    void showPrintPreview(QWidget* parent, const QString& caption,
                          const std::function<void(QPrinter*)>& paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(caption);
        preview.setWindowModality(Qt::ApplicationModal);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&paint](QPrinter* target) { paint(target); });
        addSavePdfAction(preview, paint);
        // Full size also where no window manager honours the maximised state.
        if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            preview.setGeometry(screen->availableGeometry());
        preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
        preview.exec();
    }
};

Dialogs* g_replacement = nullptr;

}  // namespace

QAction* addSavePdfAction(QPrintPreviewDialog& preview, const std::function<void(QPrinter*)>& paint)
{
    auto* action = new QAction(preview.style()->standardIcon(QStyle::SP_DialogSaveButton),
                               QStringLiteral("Salva PDF"), &preview);
    action->setObjectName(QStringLiteral("savePdfAction"));
    action->setToolTip(QStringLiteral("Salva il foglio come documento PDF"));
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        bar->addAction(action);
        // The preview's own buttons are bare icons; this one says what it does.
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
        preview.addAction(action);
    }
    QObject::connect(action, &QAction::triggered, &preview, [&preview, paint] {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QString file = dialogs().saveFileName(
            &preview, QStringLiteral("Salva come PDF"),
            QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(QStringLiteral("problema.pdf")),
            QStringLiteral("Documenti PDF (*.pdf)"));
        if (file.isEmpty())
            return;
        if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            file += QLatin1String(".pdf");
        // The PDF writer fails without a word when it cannot create the file.
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly)) {
            dialogs().showMessage(&preview, QStringLiteral("Non è stato possibile salvare il file %1.")
                                                .arg(QDir::toNativeSeparators(file)));
            return;
        }
        probe.close();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setDocName(preview.windowTitle());
        paint(&printer);
    });
    return action;
}

Dialogs& dialogs()
{
    static QtDialogs real;
    return g_replacement ? *g_replacement : real;
}

void setDialogs(Dialogs* replacement)
{
    g_replacement = replacement;
}

}  // namespace quorvia::platform
