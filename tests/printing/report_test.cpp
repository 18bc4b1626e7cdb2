// SPDX-License-Identifier: GPL-3.0-or-later
// The report component: loading by path, writing objects, preparing and the
// preview, with the messages a failure shows.

#include "printing/report.h"

#include "platform/fakes.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace quorvia::testing {
namespace {

class ReportComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        owner_.setObjectName(QStringLiteral("FormA5"));
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray pdfOf(const platform::ScriptedDialogs::PrintPreview& preview, const QString& path)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        preview.paint(&printer);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    QObject owner_;
    platform::ScopedFakeDialogs dialogs_;
};

const QByteArray kTwoPages = R"(<report title="Problema con una operazione">
  <page><text name="memo6" x="10" y="10" width="100" height="10">domanda</text></page>
  <page><text name="MEMO6" x="10" y="10" width="100" height="10">seconda</text>
        <text name="memo1" x="10" y="30" width="100" height="10"/></page>
</report>)";

TEST_F(ReportComponent, IsTheWindowsFrReport1)
{
    Report report(&owner_);
    EXPECT_EQ(report.objectName(), QStringLiteral("frReport1"));
    EXPECT_EQ(report.qualifiedName(), QStringLiteral("FormA5.frReport1"));
}

TEST_F(ReportComponent, AMissingFileStopsWithItsNameAndPath)
{
    Report report(&owner_);
    const QString path = dir_.filePath(QStringLiteral("stampa.frf"));
    try {
        report.loadFromFile(path);
        FAIL() << "no error";
    } catch (const ReportError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  QStringLiteral("Si è tentato di caricare da disco il report 'FormA5.frReport1'. \r\n"
                                 "Ma il file '") + path + QStringLiteral("' è inesistente"));
    }
    EXPECT_FALSE(report.isLoaded());
}

TEST_F(ReportComponent, LoadingReplacesTheReportLoadedBefore)
{
    Report report(&owner_);
    report.loadFromFile(write("uno.frf", kTwoPages));
    report.setObjectText(QStringLiteral("memo1"), QStringLiteral("3/4"));
    report.loadFromFile(write("due.frf", "<report><page><text name=\"memo1\" x=\"1\" y=\"1\" width=\"9\" height=\"9\"/></page></report>"));
    EXPECT_TRUE(report.document().title.isEmpty());
    ASSERT_NE(report.findObject(QStringLiteral("memo1")), nullptr);
    EXPECT_TRUE(report.findObject(QStringLiteral("memo1"))->text.isEmpty());
    EXPECT_EQ(report.findObject(QStringLiteral("memo6")), nullptr);
}

TEST_F(ReportComponent, WritesTheFirstObjectOfThatNameInAnyCase)
{
    Report report(&owner_);
    report.loadFromFile(write("stampa.frf", kTwoPages));
    report.setObjectText(QStringLiteral("Memo6"), QStringLiteral("Quante figurine ha Luca?"));
    const auto& pages = report.document().pages;
    EXPECT_EQ(std::get<ReportText>(pages[0].items[0]).text, QStringLiteral("Quante figurine ha Luca?"));
    EXPECT_EQ(std::get<ReportText>(pages[1].items[0]).text, QStringLiteral("seconda"));
}

TEST_F(ReportComponent, AnObjectNotInTheTemplateStopsWithItsQualifiedName)
{
    Report report(&owner_);
    report.loadFromFile(write("stampa.frf", kTwoPages));
    report.setObjectText(QStringLiteral("memo1"), QStringLiteral("1/2"));
    try {
        report.setObjectText(QStringLiteral("memo20"), QStringLiteral("X"));
        FAIL() << "no error";
    } catch (const ReportError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  QStringLiteral("Non è stato trovato nel report l'oggetto: FormA5.frReport1.memo20"));
    }
    // What was written before stays written.
    EXPECT_EQ(report.findObject(QStringLiteral("memo1"))->text, QStringLiteral("1/2"));
}

TEST_F(ReportComponent, ATemplateThatCannotBeReadIsAPreparationError)
{
    Report report(&owner_);
    const QString path = write("stampa.frf", "<report>\n<page>\n<text x=\"1\" y=\"1\" width=\"5\" heigth=\"5\"/>\n</page></report>");
    report.loadFromFile(path);
    // Nothing to find in it; the fault is told once, by the preparation.
    EXPECT_NO_THROW(report.setObjectText(QStringLiteral("memo6"), QStringLiteral("domanda")));
    const QString error = report.prepareReport();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Il modello di stampa ") + path + QStringLiteral(" non si può usare.\n")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Riga 3,"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("\"heigth\""))) << error.toStdString();
}

TEST_F(ReportComponent, ThePreviewIsCaptionedWithTheTitleAndDrawsTheFilledReport)
{
    Report report(&owner_);
    report.loadFromFile(write("stampa.frf", kTwoPages));
    report.setObjectText(QStringLiteral("memo1"), QStringLiteral("1/2"));
    EXPECT_TRUE(report.prepareReport().isEmpty());
    report.showPreparedReport(nullptr);
    ASSERT_EQ(dialogs_->printPreviews().size(), 1);
    EXPECT_EQ(dialogs_->printPreviews()[0].caption, QStringLiteral("Anteprima - Problema con una operazione"));

    // The preview keeps its own copy: a later load does not change what it prints.
    report.loadFromFile(write("altro.frf", "<report><page/></report>"));
    const QByteArray pdf = pdfOf(dialogs_->printPreviews()[0], dir_.filePath(QStringLiteral("anteprima.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 2);

    report.showPreparedReport(nullptr);
    EXPECT_EQ(dialogs_->printPreviews()[1].caption, QStringLiteral("Anteprima"));
}

// The preview's own button saves the report as a PDF file.
TEST_F(ReportComponent, ThePreviewSavesThePdfWhereTheUserSays)
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    int painted = 0;
    const auto paint = [&painted](QPrinter* target) {
        ++painted;
        QPainter painter(target);
        painter.drawText(100, 100, QStringLiteral("Problema"));
    };
    QAction* save = platform::addSavePdfAction(preview, paint);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Salva PDF"));
    auto* bar = preview.findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(save));

    // Cancelled: nothing written.
    save->trigger();
    EXPECT_EQ(painted, 0);
    ASSERT_EQ(dialogs_->saveFileRequests().size(), 1);
    EXPECT_EQ(dialogs_->saveFileRequests()[0].filter, QStringLiteral("Documenti PDF (*.pdf)"));

    // A name without the extension gets it.
    dialogs_->setNextSaveFile(dir_.filePath(QStringLiteral("Giulia problema 3")));
    save->trigger();
    EXPECT_EQ(painted, 1);
    QFile file(dir_.filePath(QStringLiteral("Giulia problema 3.pdf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));

    // A place that cannot be written is told, not passed over.
    dialogs_->setNextSaveFile(QStringLiteral("/nonexistent-folder/problema.pdf"));
    save->trigger();
    EXPECT_EQ(painted, 1);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages()[0].contains(QStringLiteral("problema.pdf")));
}

}  // namespace
}  // namespace quorvia::testing
