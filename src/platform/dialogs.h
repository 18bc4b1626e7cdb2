// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every modal interaction of the program goes through here, so tests can
// script the answers in advance and run without a screen.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QFileDialog;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace quorvia::platform {

// A font with the colour its text is drawn in; the font dialog offers both.
struct FontChoice {
    FontChoice(const QFont& chosenFont = QFont(), const QColor& chosenColour = Qt::black)
        : font(chosenFont), colour(chosenColour)
    {
    }
    QFont font;
    QColor colour;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Message box with the error icon, an OK button and its own title.
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes/No box with the information sign; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption,
                                             const QString& prompt, const QString& initial) = 0;
    // File dialogs; an empty string when cancelled. `filter` in Qt's form,
    // for example "Schede (*.INI *.ini)".
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& directory, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& directory, const QString& filter) = 0;
    // A folder; an empty string when cancelled. Scripted dialogs answer it
    // as an open-file request.
    virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& directory)
    {
        return openFileName(parent, caption, directory, QString());
    }
    // Input box whose text is not shown as typed (a PIN); scripted dialogs
    // answer it as any input box.
    virtual std::optional<QString> inputSecret(QWidget* parent, const QString& caption, const QString& prompt)
    {
        return inputText(parent, caption, prompt, QString());
    }
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
    // The "Credits" box.
    virtual void showAbout(QWidget* parent, const QString& title, const QString& version,
                           const QString& credits) = 0;
    // Modal, maximised print preview; `paint` draws the document on the
    // printer the preview hands it (preview, real printer or PDF). Besides
    // printing, the preview saves the document as a PDF file.
    virtual void showPrintPreview(QWidget* parent, const QString& caption,
                                  const std::function<void(QPrinter*)>& paint) = 0;
};

// The "Salva PDF" action of the print preview: asks for a file name through
// dialogs() and writes the document there with `paint`. Added to the
// preview's tool bar; returned so a test can trigger it.
QAction* addSavePdfAction(QPrintPreviewDialog& preview,
                          const std::function<void(QPrinter*)>& paint);

// Widens the columns of Qt's own file dialog to their headers: they are
// sized for English words ("Size"), which cuts "Dimensione".
void fitFileDialogColumns(QFileDialog& dialog);

// The dialogs in use: the real Qt dialogs unless a test installed others.
Dialogs& dialogs();
// Installs `replacement` (not owned); nullptr restores the real dialogs.
void setDialogs(Dialogs* replacement);

}  // namespace quorvia::platform
