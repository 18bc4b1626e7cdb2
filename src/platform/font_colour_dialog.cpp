// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_colour_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvia::platform {

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent),
      font_(new QFontDialog(initial.font, this)),
      colour_button_(new QPushButton(QStringLiteral("Colore del testo..."), this))
{
    setWindowTitle(QStringLiteral("Carattere e colore del testo"));
    // Qt's own font dialog, as a part of this one: its lists and sample
    // without its buttons.
    font_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    font_->setWindowFlags(Qt::Widget);
    colour_button_->setObjectName(QStringLiteral("colourButton"));
    connect(colour_button_, &QPushButton::clicked, this, &FontColourDialog::pickColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(colour_button_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(font_);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setColour(initial.colour.isValid() ? initial.colour : QColor(Qt::black));
}

FontChoice FontColourDialog::choice() const
{
    return FontChoice(font_->currentFont(), colour_);
}

void FontColourDialog::setColour(const QColor& colour)
{
    colour_ = colour;
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    colour_button_->setIcon(QIcon(swatch));
    // The sample line shows the text in the colour chosen.
    QPalette pal = font_->palette();
    pal.setColor(QPalette::Text, colour);
    font_->setPalette(pal);
}

void FontColourDialog::pickColour()
{
    const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Colore del testo"));
    if (chosen.isValid())
        setColour(chosen);
}

std::optional<FontChoice> chooseFontAndColour(QWidget* parent, const FontChoice& initial)
{
    FontColourDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

}  // namespace quorvia::platform
