// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report component an exercise window owns (`frReport1`): it loads a
// template by path, lets the program write the texts of its named objects,
// prepares the report and shows it in the modal print preview, from which
// it is printed or saved as PDF.

#include "printing/report_template.h"

#include <QObject>
#include <QString>

#include <stdexcept>

class QWidget;

namespace quorvia {

// A failure that stops a print: the template file is missing, or an object
// is not in it. what() is the message for the user, in UTF-8.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message);
};

class Report final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Report)
public:
    // The component is named "frReport1" and belongs to `owner`, whose name
    // qualifies it in the messages.
    explicit Report(QObject* owner = nullptr);

    // "FormA5.frReport1".
    QString qualifiedName() const;

    // Replaces the loaded report by the template at `path`. A missing file
    // throws ReportError and leaves no report loaded. A file that is not a
    // template is kept as a failed load: its objects cannot be found or
    // written, and preparing tells why.
    void loadFromFile(const QString& path);

    // The first text object of any page whose name matches without regard
    // to case; nullptr when there is none.
    ReportText* findObject(const QString& name);
    // Replaces the text of that object. A template without it throws
    // ReportError; after a failed load nothing is written.
    void setObjectText(const QString& name, const QString& text);

    // Lays the report out for printing: an empty string, or the text of
    // what prevents it.
    QString prepareReport();
    // The modal, maximised print preview of the prepared report, captioned
    // "Anteprima" and the report's title.
    void showPreparedReport(QWidget* parent);

    bool isLoaded() const { return loaded_; }
    const ReportTemplate& document() const { return document_; }

private:
    // The folder of the loaded template, where its pictures are found.
    QString pictureFolder() const;
    QString previewCaption() const;

    ReportTemplate document_;
    QString path_;
    QString load_error_;
    bool loaded_ = false;
};

}  // namespace quorvia
