// SPDX-License-Identifier: GPL-3.0-or-later
// The template file is XML written by hand, so the reader is strict where a
// slip of the pen would otherwise go unseen (an unknown attribute such as
// "widht", a comma as decimal point, a style that does not exist) and says
// where the slip is.

#include "printing/report_template_reader.h"

#include "printing/report_template_attributes.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace quorvia {

namespace {

constexpr double kMinPageSide = 20;
constexpr double kMaxPageSide = 2000;

struct ParseFailure {
    QString text;
};

struct NamedSize {
    const char* name;
    double width;
    double height;
};

const NamedSize kPaperSizes[] = {
    {"A3", 297, 420}, {"A4", 210, 297}, {"A5", 148, 210}, {"Letter", 215.9, 279.4},
};

// The attributes each element may carry.
const QStringList kReportAttributes = {"title", "version"};
const QStringList kPageAttributes = {"size", "width", "height", "orientation"};
const QStringList kLineAttributes = {"x1", "y1", "x2", "y2", "width", "color", "dash"};
const QStringList kBoxAttributes = {"x", "y", "width", "height", "fill", "border", "border-width", "radius"};
const QStringList kPictureAttributes = {"x", "y", "width", "height", "file"};

QStringList styleAttributes()
{
    return QStringList{"name", "based-on"} + textLookAttributes();
}

QStringList textAttributes()
{
    return QStringList{"name", "x", "y", "width", "height", "style"} + textLookAttributes();
}

class TemplateParser {
public:
    explicit TemplateParser(const QByteArray& bytes) : xml_(bytes) {}

    ReportTemplate run()
    {
        try {
            findRoot();
            ReportTemplate report;
            readReport(report);
            // Only comments and blanks may follow the root; the XML reader
            // refuses anything else.
            while (!xml_.atEnd())
                xml_.readNext();
            failOnXmlError();
            if (report.pages.empty())
                fail(QStringLiteral("il modello non ha nessuna pagina <page>"));
            return report;
        } catch (const TemplateAttributeError& error) {
            // The attributes are read at the start of their element, where
            // the reader still stands.
            fail(error.text);
        }
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw ParseFailure{QStringLiteral("riga %1, colonna %2: %3")
                               .arg(xml_.lineNumber())
                               .arg(xml_.columnNumber())
                               .arg(what)};
    }

    void failOnXmlError() const
    {
        if (!xml_.hasError())
            return;
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            fail(QStringLiteral("il file finisce prima di chiudere tutti gli elementi"));
        fail(QStringLiteral("il file non è XML corretto (%1)").arg(xml_.errorString()));
    }

    void findRoot()
    {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.tokenType() == QXmlStreamReader::DTD)
                fail(QStringLiteral("le dichiarazioni <!DOCTYPE> non sono ammesse"));
            if (xml_.isStartElement()) {
                if (xml_.name() != QLatin1String("report"))
                    fail(QStringLiteral("l'elemento principale deve essere <report>, non <%1>")
                             .arg(xml_.name().toString()));
                return;
            }
        }
        // Ended before any element: a file of comments, say.
        if (!xml_.hasError() || xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            fail(QStringLiteral("manca l'elemento <report>"));
        failOnXmlError();
    }

    // Moves to the next child element of the current one: true on its start,
    // false at the end of the current element.
    bool nextChild()
    {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement())
                return true;
            if (xml_.isEndElement())
                return false;
            if (xml_.isCharacters() && !xml_.isWhitespace())
                fail(QStringLiteral("testo fuori posto: \"%1\"").arg(xml_.text().toString().trimmed().left(40)));
        }
        failOnXmlError();
        fail(QStringLiteral("il file finisce prima di chiudere tutti gli elementi"));
    }

    void expectNoChildren(const QString& element)
    {
        if (nextChild())
            fail(QStringLiteral("<%1> non può contenere altri elementi").arg(element));
    }

    TemplateAttributes attributes(const QString& element, const QStringList& allowed) const
    {
        return TemplateAttributes(xml_.attributes(), element, allowed);
    }

    void readReport(ReportTemplate& report)
    {
        const TemplateAttributes a = attributes(QStringLiteral("report"), kReportAttributes);
        report.title = a.text(QStringLiteral("title")).value_or(QString()).trimmed();
        if (const auto version = a.text(QStringLiteral("version"))) {
            if (version->trimmed() != QLatin1String("1"))
                fail(QStringLiteral("versione %1 del modello sconosciuta: questo programma legge la versione 1").arg(*version));
        }
        while (nextChild()) {
            if (xml_.name() == QLatin1String("style")) {
                if (!report.pages.empty())
                    fail(QStringLiteral("gli stili <style> vanno scritti prima delle pagine"));
                readStyle();
            } else if (xml_.name() == QLatin1String("page")) {
                if (int(report.pages.size()) >= kMaxTemplatePages)
                    fail(QStringLiteral("troppe pagine (al massimo %1)").arg(kMaxTemplatePages));
                report.pages.push_back(readPage());
            } else {
                fail(QStringLiteral("elemento sconosciuto <%1> in <report> (si usano <style> e <page>)")
                         .arg(xml_.name().toString()));
            }
        }
    }

    void readStyle()
    {
        if (styles_.size() >= kMaxTemplateStyles)
            fail(QStringLiteral("troppi stili (al massimo %1)").arg(kMaxTemplateStyles));
        const TemplateAttributes a = attributes(QStringLiteral("style"), styleAttributes());
        const QString name = a.text(QStringLiteral("name")).value_or(QString()).trimmed();
        if (name.isEmpty())
            fail(QStringLiteral("ogni <style> ha bisogno di un attributo \"name\""));
        if (styles_.contains(name))
            fail(QStringLiteral("lo stile \"%1\" è già stato definito").arg(name));
        TextStyle style;
        if (const auto base = a.text(QStringLiteral("based-on")))
            style = namedStyle(*base);
        a.readLooks(style);
        expectNoChildren(QStringLiteral("style"));
        styles_.insert(name, style);
    }

    TextStyle namedStyle(const QString& name) const
    {
        const auto found = styles_.constFind(name.trimmed());
        if (found == styles_.constEnd())
            fail(QStringLiteral("lo stile \"%1\" non esiste (gli stili si definiscono prima, con <style>)").arg(name));
        return *found;
    }

    QSizeF paperSize(const TemplateAttributes& a) const
    {
        QSizeF size(210, 297);
        if (const auto name = a.text(QStringLiteral("size"))) {
            const auto known = std::find_if(std::begin(kPaperSizes), std::end(kPaperSizes), [&](const NamedSize& s) {
                return name->trimmed().compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0;
            });
            if (known == std::end(kPaperSizes))
                fail(QStringLiteral("\"size=%1\": formati noti A3, A4, A5, Letter; altrimenti width e height").arg(*name));
            size = QSizeF(known->width, known->height);
        }
        const bool width = a.text(QStringLiteral("width")).has_value();
        if (width != a.text(QStringLiteral("height")).has_value())
            fail(QStringLiteral("una pagina ha bisogno di width e di height insieme"));
        if (width) {
            size = QSizeF(a.number(QStringLiteral("width"), kMinPageSide, kMaxPageSide),
                          a.number(QStringLiteral("height"), kMinPageSide, kMaxPageSide));
        }
        if (const auto orientation = a.text(QStringLiteral("orientation"))) {
            const QString o = orientation->trimmed().toLower();
            if (o == QLatin1String("landscape"))
                size = QSizeF(std::max(size.width(), size.height()), std::min(size.width(), size.height()));
            else if (o != QLatin1String("portrait"))
                fail(QStringLiteral("\"orientation=%1\": si scrive portrait o landscape").arg(*orientation));
        }
        return size;
    }

    ReportPage readPage()
    {
        ReportPage page;
        page.size = paperSize(attributes(QStringLiteral("page"), kPageAttributes));
        while (nextChild()) {
            if (int(page.items.size()) >= kMaxItemsPerPage)
                fail(QStringLiteral("troppi oggetti in una pagina (al massimo %1)").arg(kMaxItemsPerPage));
            const auto element = xml_.name();
            if (element == QLatin1String("text"))
                page.items.emplace_back(readText());
            else if (element == QLatin1String("line"))
                page.items.emplace_back(readLine());
            else if (element == QLatin1String("box"))
                page.items.emplace_back(readBox());
            else if (element == QLatin1String("picture"))
                page.items.emplace_back(readPicture());
            else
                fail(QStringLiteral("elemento sconosciuto <%1> in <page> (si usano <text>, <line>, <box>, <picture>)")
                         .arg(element.toString()));
        }
        return page;
    }

    ReportText readText()
    {
        const TemplateAttributes a = attributes(QStringLiteral("text"), textAttributes());
        ReportText text;
        text.name = a.text(QStringLiteral("name")).value_or(QString()).trimmed();
        text.rect = a.rect();
        if (const auto style = a.text(QStringLiteral("style")))
            text.style = namedStyle(*style);
        a.readLooks(text.style);
        text.text = elementText();
        return text;
    }

    // The text of a <text> element: each line without the blanks of the
    // file's indentation, and no empty lines before or after.
    QString elementText()
    {
        QString raw;
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isCharacters()) {
                raw += xml_.text();
                if (raw.size() > kMaxTemplateTextLength)
                    fail(QStringLiteral("testo troppo lungo (al massimo %1 caratteri)").arg(kMaxTemplateTextLength));
            } else if (xml_.isStartElement()) {
                fail(QStringLiteral("<text> contiene solo testo, non altri elementi come <%1>")
                         .arg(xml_.name().toString()));
            } else if (xml_.isEndElement()) {
                QStringList lines = raw.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
                for (QString& line : lines)
                    line = line.trimmed();
                while (!lines.isEmpty() && lines.first().isEmpty())
                    lines.removeFirst();
                while (!lines.isEmpty() && lines.last().isEmpty())
                    lines.removeLast();
                return lines.join(QLatin1Char('\n'));
            }
        }
        failOnXmlError();
        fail(QStringLiteral("il file finisce dentro un <text>"));
    }

    ReportLine readLine()
    {
        const TemplateAttributes a = attributes(QStringLiteral("line"), kLineAttributes);
        ReportLine line;
        line.from = QPointF(a.number(QStringLiteral("x1"), kMinCoordinate, kMaxCoordinate),
                            a.number(QStringLiteral("y1"), kMinCoordinate, kMaxCoordinate));
        line.to = QPointF(a.number(QStringLiteral("x2"), kMinCoordinate, kMaxCoordinate),
                          a.number(QStringLiteral("y2"), kMinCoordinate, kMaxCoordinate));
        line.width = a.number(QStringLiteral("width"), 0.05, 20, line.width);
        line.color = a.colour(QStringLiteral("color"), line.color, false);
        line.pen = a.dash(line.pen);
        expectNoChildren(QStringLiteral("line"));
        return line;
    }

    ReportBox readBox()
    {
        const TemplateAttributes a = attributes(QStringLiteral("box"), kBoxAttributes);
        ReportBox box;
        box.rect = a.rect();
        box.fill = a.colour(QStringLiteral("fill"), box.fill, true);
        box.border = a.colour(QStringLiteral("border"), box.border, true);
        box.border_width = a.number(QStringLiteral("border-width"), 0, 20, box.border_width);
        box.radius = a.number(QStringLiteral("radius"), 0, 1000, box.radius);
        expectNoChildren(QStringLiteral("box"));
        return box;
    }

    ReportPicture readPicture()
    {
        const TemplateAttributes a = attributes(QStringLiteral("picture"), kPictureAttributes);
        ReportPicture picture;
        picture.rect = a.rect();
        picture.file = a.text(QStringLiteral("file")).value_or(QString()).trimmed();
        if (picture.file.isEmpty())
            fail(QStringLiteral("<picture> ha bisogno dell'attributo \"file\""));
        expectNoChildren(QStringLiteral("picture"));
        return picture;
    }

    QXmlStreamReader xml_;
    QHash<QString, TextStyle> styles_;
};

}  // namespace

TemplateReading parseReportTemplate(const QByteArray& bytes)
{
    TemplateReading reading;
    if (bytes.size() > kMaxTemplateBytes) {
        reading.error = QStringLiteral("il file è troppo grande per un modello di stampa (più di %1 MB)")
                            .arg(kMaxTemplateBytes / (1024 * 1024));
        return reading;
    }
    if (bytes.trimmed().isEmpty()) {
        reading.error = QStringLiteral("il file è vuoto");
        return reading;
    }
    try {
        TemplateParser parser(bytes);
        reading.report = parser.run();
    } catch (const ParseFailure& failure) {
        reading.error = failure.text;
    }
    return reading;
}

}  // namespace quorvia
