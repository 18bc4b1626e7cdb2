// SPDX-License-Identifier: GPL-3.0-or-later
// Reading templates: what a well-formed file gives, what a teacher's slips
// are told as, and that no damaged file can bring the reader down.

#include "printing/report_template_reader.h"
#include "printing/worked_problem_report.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace quorvia::testing {
namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray example()
{
    return fileBytes(QStringLiteral(QUORVIA_TEST_DATA "/esempio.frf"));
}

// A template of one page holding `items`, with one style "s".
QByteArray onePage(const QByteArray& items)
{
    return "<report><style name=\"s\" size=\"12\"/><page>" + items + "</page></report>";
}

TEST(TemplateReader, ReadsPagesItemsAndStylesInTheirOrder)
{
    const TemplateReading reading = parseReportTemplate(example());
    ASSERT_TRUE(reading.report) << reading.error.toStdString();
    const ReportTemplate& report = *reading.report;
    EXPECT_EQ(report.title, QStringLiteral("Esempio"));
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0].size, QSizeF(210, 297));
    EXPECT_EQ(report.pages[1].size, QSizeF(210, 148));  // A5 turned to landscape

    const std::vector<ReportItem>& items = report.pages[0].items;
    ASSERT_EQ(items.size(), 7u);
    ASSERT_TRUE(std::holds_alternative<ReportPicture>(items[0]));
    EXPECT_EQ(std::get<ReportPicture>(items[0]).file, QStringLiteral("logo.png"));
    EXPECT_EQ(std::get<ReportPicture>(items[0]).rect, QRectF(15, 10, 16, 16));
    ASSERT_TRUE(std::holds_alternative<ReportLine>(items[3]));
    EXPECT_EQ(std::get<ReportLine>(items[3]).color, QColor(0x1f, 0x4e, 0x79));
    ASSERT_TRUE(std::holds_alternative<ReportBox>(items[4]));
    EXPECT_DOUBLE_EQ(std::get<ReportBox>(items[4]).radius, 2);

    // A caption: no name, its own attribute over its style's.
    const auto& caption = std::get<ReportText>(items[1]);
    EXPECT_TRUE(caption.name.isEmpty());
    EXPECT_TRUE(caption.style.bold);
    EXPECT_EQ(caption.style.font_families, (QStringList{"Comic Neue", "DejaVu Sans"}));

    // A style based on another keeps what it does not change.
    const auto& counter = std::get<ReportText>(items[2]);
    EXPECT_EQ(counter.name, QStringLiteral("memo1"));
    EXPECT_DOUBLE_EQ(counter.style.font_size, 14);
    EXPECT_EQ(counter.style.font_families, (QStringList{"Comic Neue", "DejaVu Sans"}));
    EXPECT_EQ(counter.style.align, HorizontalAlignment::Center);
    EXPECT_EQ(counter.style.valign, VerticalAlignment::Middle);
    EXPECT_TRUE(counter.style.frame.left && counter.style.frame.top && counter.style.frame.right &&
                counter.style.frame.bottom);

    // The indentation of the file is not part of the text; its line breaks are.
    const auto& memo3 = std::get<ReportText>(items[5]);
    EXPECT_EQ(memo3.text, QStringLiteral("Qui va il testo del problema.\nAnche su due righe."));
    EXPECT_TRUE(memo3.style.shrink);
}

TEST(TemplateReader, FindsTheFirstObjectOfThatNameInAnyCase)
{
    TemplateReading reading = parseReportTemplate(example());
    ASSERT_TRUE(reading.report);
    ReportTemplate& report = *reading.report;
    ReportText* memo6 = report.findText(QStringLiteral("MEMO6"));
    ASSERT_NE(memo6, nullptr);
    EXPECT_EQ(memo6, &std::get<ReportText>(report.pages[0].items[6]));
    ASSERT_NE(report.findText(QStringLiteral("memo1")), nullptr);
    EXPECT_EQ(report.findText(QStringLiteral("memo99")), nullptr);
    // Captions have no name and are never found.
    EXPECT_EQ(report.findText(QString()), nullptr);
}

// The example that teachers read first must itself be a good template.
TEST(TemplateReader, TheDocumentedExampleIsATemplate)
{
    const QString doc = QString::fromUtf8(fileBytes(QStringLiteral(QUORVIA_TEST_DATA "/../../../docs/report_templates.md")));
    const qsizetype start = doc.indexOf(QStringLiteral("```xml\n"));
    ASSERT_GE(start, 0);
    const qsizetype end = doc.indexOf(QStringLiteral("```"), start + 7);
    ASSERT_GT(end, start);
    const TemplateReading reading = parseReportTemplate(doc.mid(start + 7, end - start - 7).toUtf8());
    ASSERT_TRUE(reading.report) << reading.error.toStdString();
    EXPECT_NE(reading.report->findText(QStringLiteral("memo6")), nullptr);
}

struct Slip {
    const char* name;
    QByteArray bytes;
    const char* told;  // a piece of the message
    int line;          // the line the message names; 0: not checked
};

class TemplateSlips : public ::testing::TestWithParam<Slip> {};

TEST_P(TemplateSlips, AreToldWithTheirPlace)
{
    const Slip& slip = GetParam();
    const TemplateReading reading = parseReportTemplate(slip.bytes);
    EXPECT_FALSE(reading.report);
    EXPECT_TRUE(reading.error.contains(QString::fromUtf8(slip.told))) << reading.error.toStdString();
    if (slip.line > 0) {
        EXPECT_TRUE(reading.error.startsWith(QStringLiteral("riga %1,").arg(slip.line)))
            << reading.error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, TemplateSlips,
    ::testing::Values(
        Slip{"EmptyFile", "  \n", "il file è vuoto", 0},
        Slip{"OnlyAComment", "<!-- stampa -->", "manca l'elemento <report>", 0},
        Slip{"PlainText", "stampa del problema", "non è XML corretto", 1},
        Slip{"OtherRoot", "<fastreport><page/></fastreport>", "deve essere <report>", 1},
        Slip{"CutShort", "<report>\n<page>\n<text x=\"1\" y=\"1\" width=\"5\" height=\"5\">ciao", "finisce", 0},
        Slip{"BadXml", "<report><page></report>", "non è XML corretto", 1},
        Slip{"NoPage", "<report title=\"vuoto\"></report>", "nessuna pagina", 0},
        Slip{"UnknownElement", "<report>\n<page>\n<circle x=\"1\"/></page></report>", "<circle>", 3},
        Slip{"MisspeltAttribute",
             onePage("\n<text x=\"1\" y=\"1\" widht=\"5\" width=\"5\" height=\"5\"/>"),
             "attributo sconosciuto \"widht\" in <text>", 2},
        Slip{"MissingPlace", onePage("<text x=\"1\" width=\"5\" height=\"5\"/>"), "manca l'attributo \"y\"", 1},
        Slip{"CommaDecimal", onePage("<text x=\"1,5\" y=\"1\" width=\"5\" height=\"5\"/>"), "si usa il punto", 1},
        Slip{"NotANumber", onePage("<text x=\"uno\" y=\"1\" width=\"5\" height=\"5\"/>"), "non è un numero", 1},
        Slip{"NotFinite", onePage("<text x=\"nan\" y=\"1\" width=\"5\" height=\"5\"/>"), "non è un numero", 1},
        Slip{"Infinite", onePage("<line x1=\"1e400\" y1=\"1\" x2=\"5\" y2=\"5\"/>"), "non è un numero", 1},
        Slip{"NoWidth", onePage("<box x=\"1\" y=\"1\" width=\"0\" height=\"5\"/>"), "fuori dai limiti", 1},
        Slip{"FarAway", onePage("<box x=\"1\" y=\"99999\" width=\"5\" height=\"5\"/>"), "fuori dai limiti", 1},
        Slip{"HugeFont", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\" size=\"5000\"/>"), "fuori dai limiti", 1},
        Slip{"UnknownStyle", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\" style=\"titolo\"/>"),
             "lo stile \"titolo\" non esiste", 1},
        Slip{"StyleTwice", "<report><style name=\"a\"/><style name=\"a\"/><page/></report>", "già stato definito", 1},
        Slip{"StyleAfterPages", "<report><page/><style name=\"a\"/></report>", "prima delle pagine", 1},
        Slip{"StyleWithoutName", "<report><style size=\"3\"/><page/></report>", "\"name\"", 1},
        Slip{"BadColour", onePage("<line x1=\"1\" y1=\"1\" x2=\"5\" y2=\"5\" color=\"blu scuro\"/>"), "non è un colore", 1},
        Slip{"BadAlignment", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\" align=\"middle\"/>"),
             "left, center o right", 1},
        Slip{"BadFrameSide", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\" frame=\"top sopra\"/>"),
             "lato sconosciuto \"sopra\"", 1},
        Slip{"BadFlag", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\" bold=\"forse\"/>"), "yes oppure no", 1},
        Slip{"MarkupInText", onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\">il <b>dato</b></text>"),
             "contiene solo testo", 1},
        Slip{"ChildOfLine", onePage("<line x1=\"1\" y1=\"1\" x2=\"5\" y2=\"5\"><line/></line>"),
             "non può contenere altri elementi", 1},
        Slip{"StrayText", onePage("memo6"), "testo fuori posto", 1},
        Slip{"PictureWithoutFile", onePage("<picture x=\"1\" y=\"1\" width=\"5\" height=\"5\"/>"), "\"file\"", 1},
        Slip{"PaperUnknown", "<report><page size=\"B5\"/></report>", "formati noti", 1},
        Slip{"HalfAPaper", "<report><page width=\"100\"/></report>", "width e di height", 1},
        Slip{"TinyPaper", "<report><page width=\"1\" height=\"100\"/></report>", "fuori dai limiti", 1},
        Slip{"LaterVersion", "<report version=\"2\"><page/></report>", "versione 2", 1},
        Slip{"SomethingAfterTheRoot", "<report><page/></report><report/>", "", 0},
        Slip{"EntityBomb",
             "<?xml version=\"1.0\"?>\n<!DOCTYPE report [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
             "<report><page><text x=\"1\" y=\"1\" width=\"5\" height=\"5\">&b;&b;&b;</text></page></report>",
             "<!DOCTYPE>", 0}),
    [](const ::testing::TestParamInfo<Slip>& info) { return std::string(info.param.name); });

TEST(TemplateReader, RefusesWhatWouldDrawWithoutEnd)
{
    QByteArray pages = "<report>";
    for (int i = 0; i <= kMaxTemplatePages; ++i)
        pages += "<page/>";
    pages += "</report>";
    EXPECT_TRUE(parseReportTemplate(pages).error.contains(QStringLiteral("troppe pagine")));

    QByteArray items;
    for (int i = 0; i <= kMaxItemsPerPage; ++i)
        items += "<line x1=\"1\" y1=\"1\" x2=\"5\" y2=\"5\"/>";
    EXPECT_TRUE(parseReportTemplate(onePage(items)).error.contains(QStringLiteral("troppi oggetti")));

    const QByteArray longText(kMaxTemplateTextLength + 1, 'a');
    EXPECT_TRUE(parseReportTemplate(onePage("<text x=\"1\" y=\"1\" width=\"5\" height=\"5\">" + longText + "</text>"))
                    .error.contains(QStringLiteral("testo troppo lungo")));

    const QByteArray huge = onePage(QByteArray(kMaxTemplateBytes, ' '));
    EXPECT_TRUE(parseReportTemplate(huge).error.contains(QStringLiteral("troppo grande")));
}

// Every byte of a good template damaged in turn, at random: the answer is a
// whole template or an error, never a crash.
TEST(TemplateReader, DamagedBytesGiveATemplateOrAnError)
{
    const QByteArray good = example();
    QRandomGenerator random(20240611);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = good;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes; ++c) {
            const int at = int(random.bounded(damaged.size()));
            switch (random.bounded(3)) {
            case 0: damaged[at] = char(random.bounded(256)); break;
            case 1: damaged.remove(at, 1 + int(random.bounded(8))); break;
            default: damaged.insert(at, damaged.mid(int(random.bounded(damaged.size())), 12)); break;
            }
        }
        const TemplateReading reading = parseReportTemplate(damaged);
        ASSERT_NE(reading.report.has_value(), !reading.error.isEmpty()) << damaged.toStdString();
    }
}

// The bundled templates hold every object their scheme's print writes.
class BundledTemplate : public ::testing::TestWithParam<Scheme> {};

TEST_P(BundledTemplate, HoldsEveryObjectItsSchemeWrites)
{
    const WorkedProblemLayout& layout = workedProblemLayout(GetParam());
    const TemplateReading reading =
        parseReportTemplate(fileBytes(QStringLiteral(QUORVIA_RESOURCES "/") + QLatin1String(layout.template_file)));
    ASSERT_TRUE(reading.report) << reading.error.toStdString();
    EXPECT_FALSE(reading.report->title.isEmpty());
    ASSERT_EQ(reading.report->pages.size(), 1u);
    EXPECT_EQ(reading.report->pages[0].size, QSizeF(210, 297));
    for (const char* common : {"memo0", "memo1", "memo3", "memo7"})
        EXPECT_NE(reading.report->findText(QLatin1String(common)), nullptr) << common;
    for (const ReportField& field : layout.fields)
        EXPECT_NE(reading.report->findText(QLatin1String(field.object)), nullptr) << field.object;
}

std::string schemeName(const ::testing::TestParamInfo<Scheme>& info)
{
    const char* const names[] = {"Scheme3", "Scheme4a", "Scheme4b", "Scheme5"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Printing, BundledTemplate,
                         ::testing::Values(Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5), schemeName);

}  // namespace
}  // namespace quorvia::testing
