// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/speech.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

#include <iostream>
#include <optional>

namespace quorvia::platform {
namespace {

// Slower than a voice's usual pace: the listeners are learning to read.
constexpr double kChildRate = -0.25;

class SilentSpeechService : public SpeechService {
public:
    explicit SilentSpeechService(QString reason) : reason_(std::move(reason)) {}
    bool canSpeak() const override { return false; }
    QString whyNot() const override { return reason_; }
    void say(const QString&) override {}
    void stop() override {}

private:
    QString reason_;
};

// The locale of the voice: the user's own when it is Italian (it_CH, say),
// else standard Italian, else any Italian the engine offers.
std::optional<QLocale> italianLocale(const QList<QLocale>& offered)
{
    const QLocale system = QLocale::system();
    for (const QLocale& wanted : {system, QLocale(QLocale::Italian, QLocale::Italy)}) {
        if (wanted.language() == QLocale::Italian && offered.contains(wanted))
            return wanted;
    }
    for (const QLocale& locale : offered) {
        if (locale.language() == QLocale::Italian)
            return locale;
    }
    return std::nullopt;
}

class QtSpeechService : public SpeechService {
public:
    QtSpeechService()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            reason_ = QStringLiteral("nessun motore di sintesi vocale (pacchetto qt6-speech-speechd-plugin)");
            return;
        }
        voice_ = new QTextToSpeech(QCoreApplication::instance());
        if (voice_->state() == QTextToSpeech::Error) {
            reason_ = QStringLiteral("il motore di sintesi vocale non risponde (%1)").arg(voice_->errorString());
            return;
        }
        const std::optional<QLocale> italian = italianLocale(voice_->availableLocales());
        if (!italian) {
            reason_ = QStringLiteral("nessuna voce italiana (pacchetto speech-dispatcher-espeak-ng)");
            return;
        }
        voice_->setLocale(*italian);
        voice_->setRate(kChildRate);
    }

    bool canSpeak() const override { return reason_.isEmpty(); }
    QString whyNot() const override { return reason_; }
    void say(const QString& text) override
    {
        if (!canSpeak())
            return;
        voice_->stop(QTextToSpeech::BoundaryHint::Immediate);
        if (!text.trimmed().isEmpty())
            voice_->say(text);
    }
    void stop() override
    {
        if (canSpeak())
            voice_->stop(QTextToSpeech::BoundaryHint::Immediate);
    }
    bool isSpeaking() const override { return canSpeak() && voice_->state() == QTextToSpeech::Speaking; }

private:
    QTextToSpeech* voice_ = nullptr;  // owned by the application
    QString reason_;
};

SpeechService* g_replacement = nullptr;
SpeechService* g_system = nullptr;
bool g_automatic = false;

SilentSpeechService& silentService()
{
    static SilentSpeechService silent(QStringLiteral("la voce non è stata avviata"));
    return silent;
}

}  // namespace

SpeechService& speechService()
{
    if (g_replacement)
        return *g_replacement;
    if (g_system)
        return *g_system;
    return silentService();
}

void setSpeechService(SpeechService* replacement)
{
    g_replacement = replacement;
}

void startSystemSpeech()
{
    if (g_system)
        return;
    // Never destroyed: the voice object belongs to the application and
    // goes with it.
    g_system = new QtSpeechService;
    if (!g_system->canSpeak())
        std::cerr << "quorvia: lettura ad alta voce non disponibile: "
                  << g_system->whyNot().toStdString() << '\n';
}

bool automaticReading()
{
    return g_automatic;
}

void setAutomaticReading(bool on)
{
    g_automatic = on;
}

}  // namespace quorvia::platform
