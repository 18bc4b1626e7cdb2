// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report.h"

#include "platform/dialogs.h"
#include "printing/report_renderer.h"
#include "printing/report_template_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <memory>

namespace quorvia {

ReportError::ReportError(const QString& message)
    : std::runtime_error(message.toUtf8().toStdString())
{
}

Report::Report(QObject* owner) : QObject(owner)
{
    setObjectName(QStringLiteral("frReport1"));
}

QString Report::qualifiedName() const
{
    const QString owner = parent() ? parent()->objectName() : QString();
    return owner.isEmpty() ? objectName() : owner + QLatin1Char('.') + objectName();
}

void Report::loadFromFile(const QString& path)
{
    document_ = ReportTemplate();
    path_ = path;
    load_error_.clear();
    loaded_ = false;

    const QFileInfo info(path);
    if (!info.isFile()) {
        throw ReportError(QStringLiteral("Si è tentato di caricare da disco il report '%1'. \r\n"
                                         "Ma il file '%2' è inesistente")
                              .arg(qualifiedName(), path));
    }
    loaded_ = true;
    if (info.size() > kMaxTemplateBytes) {
        load_error_ = QStringLiteral("il file è troppo grande per un modello di stampa");
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        load_error_ = QStringLiteral("il file non si può leggere (%1)").arg(file.errorString());
        return;
    }
    TemplateReading reading = parseReportTemplate(file.readAll());
    if (reading.report)
        document_ = std::move(*reading.report);
    else
        load_error_ = reading.error;
}

ReportText* Report::findObject(const QString& name)
{
    return document_.findText(name);
}

void Report::setObjectText(const QString& name, const QString& text)
{
    // A template that could not be read has no objects to look for; its
    // fault is told once, when the report is prepared.
    if (!loaded_ || !load_error_.isEmpty())
        return;
    ReportText* object = findObject(name);
    if (!object) {
        throw ReportError(QStringLiteral("Non è stato trovato nel report l'oggetto: ") + qualifiedName() +
                          QLatin1Char('.') + name);
    }
    object->text = text;
}

QString Report::prepareReport()
{
    if (!loaded_)
        return QStringLiteral("Nessun modello di stampa è stato caricato.");
    if (!load_error_.isEmpty()) {
        QString why = load_error_;
        if (!why.isEmpty())
            why[0] = why[0].toUpper();
        return QStringLiteral("Il modello di stampa %1 non si può usare.\n%2.")
            .arg(QDir::toNativeSeparators(path_), why);
    }
    return QString();
}

QString Report::pictureFolder() const
{
    if (path_.isEmpty())
        return QString();
    return QFileInfo(path_).absolutePath() + QLatin1Char('/');
}

QString Report::previewCaption() const
{
    const QString caption = QStringLiteral("Anteprima");
    return document_.title.isEmpty() ? caption : caption + QStringLiteral(" - ") + document_.title;
}

void Report::showPreparedReport(QWidget* parent)
{
    // The preview repaints whenever the user zooms or prints, and a test may
    // keep the painter after the report is loaded again: it draws its own copy.
    auto document = std::make_shared<const ReportTemplate>(document_);
    const QString folder = pictureFolder();
    platform::dialogs().showPrintPreview(parent, previewCaption(), [document, folder](QPrinter* printer) {
        printReport(*document, folder, printer);
    });
}

}  // namespace quorvia
