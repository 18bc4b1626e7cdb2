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
    // White on a dark teal of its own: on the window's light gradient the
    // white text could not be read. A style sheet, which the window's own
    // palette does not cover.
    box->setStyleSheet(QStringLiteral("QCheckBox { color: white; background-color: rgb(0, 96, 96); padding: 0 4px; }"));

    const IniFile ini =
        IniFile::read(resourceFile(resourceFolder, QLatin1String(generale::kFileName)).toStdString());
    const bool wanted = ini.readInteger(generale::kProgramSection, kReadAloudKey, 0) == 1;
    // The voice may answer only after the window is up: the switch then
    // appears, set as GENERALE.INI asks.
    const auto followVoice = [box, wanted] {
        const bool voice = platform::speechService().canSpeak();
        box->setChecked(voice && wanted);
        box->setVisible(voice);
        platform::setAutomaticReading(voice && wanted);
    };
    followVoice();
    QObject::connect(box, &QCheckBox::toggled, box, [](bool checked) { platform::setAutomaticReading(checked); });
    QObject::connect(&platform::voiceAnswers(), &platform::VoiceAnswers::answered, box, followVoice);
    return box;
}

}  // namespace quorvia
