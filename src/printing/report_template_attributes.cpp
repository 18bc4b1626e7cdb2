// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report_template_attributes.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <utility>
#include <vector>

namespace quorvia {

const QStringList& textLookAttributes()
{
    static const QStringList names = {
        "font", "size", "bold", "italic", "underline", "color", "background", "align", "valign",
        "frame", "frame-width", "frame-color", "padding", "wrap", "shrink"};
    return names;
}

namespace {

[[noreturn]] void refuse(const QString& text)
{
    throw TemplateAttributeError{text};
}

// One of a few words, without regard to case.
template <class T>
T oneOf(const QString& name, const QString& value, const std::vector<std::pair<const char*, T>>& words)
{
    const QString v = value.trimmed();
    QStringList known;
    for (const auto& [word, meaning] : words) {
        if (v.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return meaning;
        known.append(QLatin1String(word));
    }
    const QString last = known.takeLast();
    refuse(QStringLiteral("\"%1=%2\": si scrive %3 o %4").arg(name, value, known.join(QStringLiteral(", ")), last));
}

FrameSides frameSides(const QString& value)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("none"))
        return FrameSides{};
    if (v == QLatin1String("all"))
        return FrameSides{true, true, true, true};
    const QStringList words = v.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        refuse(QStringLiteral("\"frame\" è vuoto: si scrive all, none o i lati left top right bottom"));
    FrameSides sides;
    for (const QString& w : words) {
        if (w == QLatin1String("left"))
            sides.left = true;
        else if (w == QLatin1String("top"))
            sides.top = true;
        else if (w == QLatin1String("right"))
            sides.right = true;
        else if (w == QLatin1String("bottom"))
            sides.bottom = true;
        else
            refuse(QStringLiteral("\"frame\": lato sconosciuto \"%1\" (si scrive all, none, left, top, right, bottom)").arg(w));
    }
    return sides;
}

}  // namespace

TemplateAttributes::TemplateAttributes(const QXmlStreamAttributes& list, const QString& element,
                                       const QStringList& allowed)
    : list_(list), element_(element)
{
    for (const QXmlStreamAttribute& a : list_) {
        if (!allowed.contains(a.qualifiedName().toString()))
            refuse(QStringLiteral("attributo sconosciuto \"%1\" in <%2>").arg(a.qualifiedName().toString(), element));
    }
}

std::optional<QString> TemplateAttributes::text(const QString& name) const
{
    for (const QXmlStreamAttribute& a : list_) {
        if (a.qualifiedName() == name)
            return a.value().toString();
    }
    return std::nullopt;
}

double TemplateAttributes::number(const QString& name, double min, double max) const
{
    const std::optional<QString> raw = text(name);
    if (!raw)
        refuse(QStringLiteral("in <%1> manca l'attributo \"%2\"").arg(element_, name));
    const QString value = raw->trimmed();
    bool ok = false;
    const double number = QLocale::c().toDouble(value, &ok);
    if (!ok || !std::isfinite(number)) {
        if (value.contains(QLatin1Char(',')))
            refuse(QStringLiteral("\"%1=%2\": per i decimali si usa il punto, come in 12.5").arg(name, value));
        refuse(QStringLiteral("\"%1=%2\" non è un numero").arg(name, value));
    }
    if (number < min || number > max) {
        refuse(QStringLiteral("\"%1=%2\" è fuori dai limiti (da %3 a %4)")
                   .arg(name, value, QString::number(min), QString::number(max)));
    }
    return number;
}

double TemplateAttributes::number(const QString& name, double min, double max, double fallback) const
{
    return text(name) ? number(name, min, max) : fallback;
}

QRectF TemplateAttributes::rect() const
{
    return QRectF(number(QStringLiteral("x"), kMinCoordinate, kMaxCoordinate),
                  number(QStringLiteral("y"), kMinCoordinate, kMaxCoordinate),
                  number(QStringLiteral("width"), 0.1, kMaxCoordinate),
                  number(QStringLiteral("height"), 0.1, kMaxCoordinate));
}

bool TemplateAttributes::flag(const QString& name, bool fallback) const
{
    const std::optional<QString> value = text(name);
    if (!value)
        return fallback;
    const QString v = value->trimmed().toLower();
    if (v == QLatin1String("yes") || v == QLatin1String("true") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("no") || v == QLatin1String("false") || v == QLatin1String("0"))
        return false;
    refuse(QStringLiteral("\"%1=%2\": si scrive yes oppure no").arg(name, *value));
}

QColor TemplateAttributes::colour(const QString& name, const QColor& fallback, bool noneAllowed) const
{
    const std::optional<QString> value = text(name);
    if (!value)
        return fallback;
    const QString v = value->trimmed();
    if (noneAllowed && v.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return QColor();
    const QColor c = QColor::fromString(v);
    if (!c.isValid())
        refuse(QStringLiteral("\"%1=%2\" non è un colore (si scrive per esempio #1f4e79 o navy)").arg(name, *value));
    return c;
}

Qt::PenStyle TemplateAttributes::dash(Qt::PenStyle fallback) const
{
    const std::optional<QString> value = text(QStringLiteral("dash"));
    if (!value)
        return fallback;
    return oneOf<Qt::PenStyle>(QStringLiteral("dash"), *value,
                               {{"solid", Qt::SolidLine}, {"dash", Qt::DashLine}, {"dot", Qt::DotLine}});
}

void TemplateAttributes::readLooks(TextStyle& style) const
{
    if (const auto font = text(QStringLiteral("font"))) {
        QStringList families;
        for (const QString& f : font->split(QLatin1Char(','))) {
            if (!f.trimmed().isEmpty())
                families.append(f.trimmed());
        }
        if (families.isEmpty())
            refuse(QStringLiteral("\"font\" è vuoto"));
        style.font_families = families;
    }
    style.font_size = number(QStringLiteral("size"), 1, 200, style.font_size);
    style.bold = flag(QStringLiteral("bold"), style.bold);
    style.italic = flag(QStringLiteral("italic"), style.italic);
    style.underline = flag(QStringLiteral("underline"), style.underline);
    style.color = colour(QStringLiteral("color"), style.color, false);
    style.background = colour(QStringLiteral("background"), style.background, true);
    if (const auto align = text(QStringLiteral("align"))) {
        style.align = oneOf<HorizontalAlignment>(QStringLiteral("align"), *align,
                                                 {{"left", HorizontalAlignment::Left},
                                                  {"center", HorizontalAlignment::Center},
                                                  {"right", HorizontalAlignment::Right}});
    }
    if (const auto valign = text(QStringLiteral("valign"))) {
        style.valign = oneOf<VerticalAlignment>(QStringLiteral("valign"), *valign,
                                                {{"top", VerticalAlignment::Top},
                                                 {"middle", VerticalAlignment::Middle},
                                                 {"bottom", VerticalAlignment::Bottom}});
    }
    if (const auto frame = text(QStringLiteral("frame")))
        style.frame = frameSides(*frame);
    style.frame_width = number(QStringLiteral("frame-width"), 0.05, 20, style.frame_width);
    style.frame_color = colour(QStringLiteral("frame-color"), style.frame_color, false);
    style.padding = number(QStringLiteral("padding"), 0, 100, style.padding);
    style.wrap = flag(QStringLiteral("wrap"), style.wrap);
    style.shrink = flag(QStringLiteral("shrink"), style.shrink);
}

}  // namespace quorvia
