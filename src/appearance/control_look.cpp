#include "appearance/control_look.h"

#include "shell/controls.h"

#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

namespace quorvia::appearance {

namespace {

// Where a label and a memo keep their background and text colours.
QPalette::ColorRole backgroundRole(const QWidget* control)
{
    return restylableKind(control) == Restylable::Memo ? QPalette::Base : QPalette::Window;
}

QPalette::ColorRole textRole(const QWidget* control)
{
    return restylableKind(control) == Restylable::Memo ? QPalette::Text : QPalette::WindowText;
}

// Qt fonts have no character set; the one read from a file rides along.
const char* const kCharsetProperty = "fontCharset";

}  // namespace

Restylable restylableKind(const QWidget* control)
{
    if (!control)
        return Restylable::None;
    if (qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QTextEdit*>(control))
        return Restylable::Memo;
    if (controlKind(control) == ControlKind::Label)
        return Restylable::Label;
    return Restylable::None;
}

QColor backgroundOf(const QWidget* control)
{
    return control->palette().color(backgroundRole(control));
}

void setBackground(QWidget* control, const QColor& colour)
{
    QPalette pal = control->palette();
    const QPalette::ColorRole role = backgroundRole(control);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, role, colour);
    control->setPalette(pal);
    if (role == QPalette::Window)
        control->setAutoFillBackground(true);
}

TextStyle textStyleOf(const QWidget* control)
{
    TextStyle style;
    style.font = control->font();
    style.colour = control->palette().color(textRole(control));
    style.charset = control->property(kCharsetProperty).toInt();
    return style;
}

void setTextStyle(QWidget* control, const TextStyle& style)
{
    control->setFont(style.font);
    QPalette pal = control->palette();
    pal.setColor(QPalette::Active, textRole(control), style.colour);
    pal.setColor(QPalette::Inactive, textRole(control), style.colour);
    control->setPalette(pal);
    control->setProperty(kCharsetProperty, style.charset);
}

}  // namespace quorvia::appearance
