// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/read_aloud_switch.h"

#include "base/resource_folder.h"
#include "content/ini_file.h"
#include "platform/speech.h"
#include "shell/comic_font.h"

#include <QCheckBox>

namespace quorvia {

QCheckBox* addReadAloudSwitch(QWidget* parent, const QString& resourceFolder)
{
    auto* box = new QCheckBox(QStringLiteral("Leggi ad alta voce"), parent);
    box->setObjectName(QStringLiteral("LeggiAdAltaVoce"));
    box->setFont(comicFont(16));
    box->setToolTip(QStringLiteral("Legge ad alta voce gli aiuti, i messaggi e le frasi scelte"));
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(palette);

    const bool voice = platform::speechService().canSpeak();
    const IniFile ini =
        IniFile::read(resourceFile(resourceFolder, QLatin1String(generale::kFileName)).toStdString());
    const bool on = voice && ini.readInteger(generale::kProgramSection, kReadAloudKey, 0) == 1;
    box->setChecked(on);
    box->setVisible(voice);
    platform::setAutomaticReading(on);
    QObject::connect(box, &QCheckBox::toggled, box, [](bool checked) { platform::setAutomaticReading(checked); });
    return box;
}

}  // namespace quorvia
