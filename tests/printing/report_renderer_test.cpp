// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a report: read back off a recording device for what is drawn and
// where, and written to a real PDF file for the printer's path.

#include "recording_device.h"

#include "printing/report_renderer.h"
#include "printing/report_template_reader.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorvia::testing {
namespace {

ReportTemplate parse(const QByteArray& bytes)
{
    TemplateReading reading = parseReportTemplate(bytes);
    EXPECT_TRUE(reading.report) << reading.error.toStdString();
    return reading.report ? *reading.report : ReportTemplate();
}

std::unique_ptr<RecordingDevice> drawFirstPage(const ReportTemplate& report, const QString& folder = QString())
{
    auto device = std::make_unique<RecordingDevice>();
    QPainter painter(device.get());
    if (!report.pages.empty())
        paintReportPage(painter, report.pages.front(), folder);
    return device;
}

QStringList drawnTexts(const RecordingDevice& device)
{
    QStringList texts;
    for (const DrawnItem& item : device.texts())
        texts.append(item.text);
    return texts;
}

TEST(ReportRenderer, DrawsFilledObjectsAndCaptionsWhereTheTemplatePutsThem)
{
    ReportTemplate report = parse(R"(<report><page>
        <text x="20" y="30" width="60" height="10" size="12">Alunno/a:</text>
        <text name="memo7" x="80" y="30" width="100" height="10" size="12"/>
        <text name="memo1" x="150" y="10" width="40" height="10" align="right">1/1</text>
        </page></report>)");
    report.findText(QStringLiteral("memo7"))->text = QStringLiteral("Giulia ha risolto da solo  ERR=0");
    report.findText(QStringLiteral("memo1"))->text = QStringLiteral("2/4");

    const auto device = drawFirstPage(report);
    EXPECT_EQ(drawnTexts(*device),
              (QStringList{"Alunno/a:", "Giulia ha risolto da solo  ERR=0", "2/4"}));

    const std::vector<DrawnItem> texts = device->texts();
    // Left-aligned from the box's left edge plus the default padding of 1 mm.
    EXPECT_NEAR(texts[1].origin.x(), RecordingDevice::pixels(81), 1.5);
    EXPECT_GT(texts[1].origin.y(), RecordingDevice::pixels(30));
    EXPECT_LT(texts[1].origin.y(), RecordingDevice::pixels(40));
    EXPECT_DOUBLE_EQ(texts[1].font.pointSizeF(), 12);
    // Right-aligned: the run ends at the right edge less the padding.
    EXPECT_GT(texts[2].origin.x(), RecordingDevice::pixels(170));
}

TEST(ReportRenderer, LineBreaksOfTheWindowsStartNewLines)
{
    ReportTemplate report = parse(R"(<report><page>
        <text name="memo3" x="10" y="10" width="150" height="40"/></page></report>)");
    // Captions from problem files carry CR LF where the teacher wrote "|".
    report.findText(QStringLiteral("memo3"))->text =
        QStringLiteral("Luca ha 12 bustine.\r\nIn ogni bustina ci sono 3 figurine.\nQuante figurine ha?");

    const auto device = drawFirstPage(report);
    const std::vector<DrawnItem> lines = device->texts();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, QStringLiteral("Luca ha 12 bustine."));
    EXPECT_EQ(lines[1].text, QStringLiteral("In ogni bustina ci sono 3 figurine."));
    EXPECT_EQ(lines[2].text, QStringLiteral("Quante figurine ha?"));
    EXPECT_LT(lines[0].origin.y(), lines[1].origin.y());
    EXPECT_LT(lines[1].origin.y(), lines[2].origin.y());
}

TEST(ReportRenderer, EmptyObjectsDrawOnlyTheirFrame)
{
    const ReportTemplate report = parse(R"(<report><page>
        <text name="E17" x="10" y="10" width="30" height="10" frame="all" background="#ffffff"/>
        <text name="memo6" x="10" y="30" width="30" height="10"/></page></report>)");
    const auto device = drawFirstPage(report);
    EXPECT_TRUE(device->texts().empty());
    int lines = 0;
    for (const DrawnItem& item : device->items())
        lines += item.kind == DrawnItem::Kind::Line ? 1 : 0;
    EXPECT_EQ(lines, 4);
}

TEST(ReportRenderer, DrawsInTheOrderOfTheFile)
{
    const ReportTemplate report = parse(R"(<report><page>
        <box x="10" y="10" width="100" height="20" fill="#eeeeee" border="none"/>
        <text x="12" y="12" width="90" height="10">sopra il riquadro</text>
        <line x1="10" y1="40" x2="110" y2="40"/></page></report>)");
    const auto device = drawFirstPage(report);
    std::vector<DrawnItem::Kind> kinds;
    for (const DrawnItem& item : device->items())
        kinds.push_back(item.kind);
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_NE(kinds[0], DrawnItem::Kind::Text);
    EXPECT_EQ(kinds[1], DrawnItem::Kind::Text);
    EXPECT_EQ(kinds[2], DrawnItem::Kind::Line);
    EXPECT_NEAR(device->items()[2].rect.width(), RecordingDevice::pixels(100), 1);
}

TEST(ReportRenderer, ShrinksALongTextToItsBoxOnlyWhenAsked)
{
    const QString longAnswer = QStringLiteral(
        "Luca ha in tutto trentasei figurine perché ha dodici bustine e in ogni bustina ci sono tre "
        "figurine, e la mamma gli ha detto di contarle tutte prima di andare a dormire.");
    for (const bool shrink : {false, true}) {
        ReportTemplate report = parse(QStringLiteral(R"(<report><page>
            <text name="memo29" x="10" y="10" width="80" height="10" size="12" shrink="%1"/></page></report>)")
                                          .arg(shrink ? "yes" : "no")
                                          .toUtf8());
        report.findText(QStringLiteral("memo29"))->text = longAnswer;
        const auto device = drawFirstPage(report);
        ASSERT_FALSE(device->texts().empty());
        const double size = device->texts().front().font.pointSizeF();
        if (shrink) {
            EXPECT_LT(size, 12);
            EXPECT_GE(size, 12 * 0.4 - 0.01);
            // The last word fits inside the box.
            EXPECT_LT(device->texts().back().origin.y(), RecordingDevice::pixels(20));
        } else {
            EXPECT_DOUBLE_EQ(size, 12);
        }
    }
}

TEST(ReportRenderer, DrawsPicturesOfTheTemplatesFolderAndSkipsMissingOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(dir.filePath(QStringLiteral("logo.png"))));

    const ReportTemplate report = parse(R"(<report><page>
        <picture x="10" y="10" width="40" height="40" file="LOGO.PNG"/>
        <picture x="60" y="10" width="40" height="40" file="manca.png"/></page></report>)");
    const auto device = drawFirstPage(report, dir.path() + QLatin1Char('/'));
    ASSERT_EQ(device->items().size(), 1u);
    const DrawnItem& picture = device->items().front();
    EXPECT_EQ(picture.kind, DrawnItem::Kind::Image);
    // Kept in proportion (2:1) and centred in its place.
    EXPECT_NEAR(picture.rect.width(), RecordingDevice::pixels(40), 1);
    EXPECT_NEAR(picture.rect.height(), RecordingDevice::pixels(20), 1);
    EXPECT_NEAR(picture.rect.center().y(), RecordingDevice::pixels(30), 1);
}

TEST(ReportRenderer, WritesEveryPageToAPdfFileOnPaperOfItsSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("problema.pdf"));
    const ReportTemplate report = parse(R"(<report title="Prova"><page size="A4">
        <text name="memo0" x="15" y="15" width="180" height="12" size="18">Problema</text></page>
        <page size="A5" orientation="landscape"><text x="10" y="10" width="100" height="10">due</text></page>
        </report>)");
    {
        QPdfWriter pdf(path);
        ASSERT_TRUE(printReport(report, QString(), &pdf));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    // One media box a page: A4 portrait, then A5 landscape, in points.
    QList<QSize> boxes;
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    for (auto match = mediaBox.globalMatch(QString::fromLatin1(bytes)); match.hasNext();) {
        const QRegularExpressionMatch box = match.next();
        boxes.append(QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())));
    }
    EXPECT_EQ(boxes, (QList<QSize>{QSize(595, 842), QSize(595, 420)}));
}

TEST(ReportRenderer, TellsWhenTheFileCannotBeWritten)
{
    QPdfWriter pdf(QStringLiteral("/nonexistent-folder/problema.pdf"));
    const ReportTemplate report = parse("<report><page/></report>");
    EXPECT_FALSE(printReport(report, QString(), &pdf));
}

}  // namespace
}  // namespace quorvia::testing
