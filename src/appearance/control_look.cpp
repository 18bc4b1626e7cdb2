// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/control_look.h"

#include "widgets/controls.h"

#include <QLabel>
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

// The designed look, kept on the control itself so it lives as long as it.
const char* const kDesignedPalette = "designedPalette";
const char* const kDesignedFont = "designedFont";
const char* const kDesignedFill = "designedAutoFill";
const char* const kDesignedCharset = "designedCharset";
const char* const kDesignedCaption = "designedCaption";
const char* const kCaptionFromSettings = "captionFromSettings";

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

void rememberDesignedLook(QWidget* control)
{
    if (!control || control->property(kDesignedPalette).isValid())
        return;
    control->setProperty(kDesignedPalette, QVariant::fromValue(control->palette()));
    control->setProperty(kDesignedFont, QVariant::fromValue(control->font()));
    control->setProperty(kDesignedFill, control->autoFillBackground());
    control->setProperty(kDesignedCharset, control->property(kCharsetProperty).toInt());
    if (auto* label = qobject_cast<QLabel*>(control))
        control->setProperty(kDesignedCaption, label->text());
}

void restoreDesignedLook(QWidget* control)
{
    if (!control || !control->property(kDesignedPalette).isValid())
        return;
    control->setPalette(control->property(kDesignedPalette).value<QPalette>());
    control->setFont(control->property(kDesignedFont).value<QFont>());
    control->setAutoFillBackground(control->property(kDesignedFill).toBool());
    control->setProperty(kCharsetProperty, control->property(kDesignedCharset).toInt());
    auto* label = qobject_cast<QLabel*>(control);
    if (label && control->property(kCaptionFromSettings).toBool()) {
        label->setText(control->property(kDesignedCaption).toString());
        control->setProperty(kCaptionFromSettings, false);
    }
}

void setCaptionFromSettings(QWidget* label, const QString& caption)
{
    if (auto* l = qobject_cast<QLabel*>(label)) {
        l->setText(caption);
        label->setProperty(kCaptionFromSettings, true);
    }
}

}  // namespace quorvia::appearance
