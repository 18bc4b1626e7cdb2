// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/speech_fake.h"

namespace quorvia::platform {

QStringList RecordingSpeechService::said() const
{
    QStringList texts = events_;
    texts.removeAll(kStop);
    return texts;
}

QString RecordingSpeechService::whyNot() const
{
    return missing_ ? QStringLiteral("nessuna voce italiana") : QString();
}

void RecordingSpeechService::say(const QString& text)
{
    if (!missing_)
        events_.append(text);
}

}  // namespace quorvia::platform
