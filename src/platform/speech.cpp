// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/speech.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <atomic>
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

// The computer's voice. Reaching the speech daemon can take seconds (it is
// started on demand, the first time after a login), so the voice is made
// and driven on a thread of its own: the windows take typing meanwhile and
// show their read-aloud controls when it answers.
class QtSpeechService : public SpeechService {
public:
    QtSpeechService()
    {
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("voce"));
        QObject::connect(thread_, &QThread::started, thread_, [this] { startOnVoiceThread(); },
                         Qt::DirectConnection);
        // The thread is left to end with the process should the daemon still
        // keep it when the run ends; the wait only lets a voice that is
        // speaking stop cleanly.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread_, [this] {
            ending_ = true;
            thread_->quit();
            thread_->wait(1000);
        });
        thread_->start();
    }

    bool canSpeak() const override { return answered_ && reason_.isEmpty(); }
    QString whyNot() const override
    {
        return answered_ ? reason_ : QStringLiteral("la voce si sta ancora avviando");
    }
    void say(const QString& text) override
    {
        if (!canSpeak())
            return;
        QMetaObject::invokeMethod(voice_, [voice = voice_, text] {
            voice->stop(QTextToSpeech::BoundaryHint::Immediate);
            if (!text.trimmed().isEmpty())
                voice->say(text);
        }, Qt::QueuedConnection);
    }
    void stop() override
    {
        if (canSpeak()) {
            QMetaObject::invokeMethod(voice_, [voice = voice_] { voice->stop(QTextToSpeech::BoundaryHint::Immediate); },
                                      Qt::QueuedConnection);
        }
    }
    bool isSpeaking() const override { return canSpeak() && speaking_; }

private:
    // On the voice thread: everything that may wait on the daemon.
    void startOnVoiceThread()
    {
        QString reason;
        if (QTextToSpeech::availableEngines().isEmpty()) {
            reason = QStringLiteral("nessun motore di sintesi vocale (pacchetto qt6-speech-speechd-plugin)");
        } else {
            voice_ = new QTextToSpeech;
            if (voice_->state() == QTextToSpeech::Error) {
                reason = QStringLiteral("il motore di sintesi vocale non risponde (%1)").arg(voice_->errorString());
            } else if (const std::optional<QLocale> italian = italianLocale(voice_->availableLocales())) {
                voice_->setLocale(*italian);
                voice_->setRate(kChildRate);
                QObject::connect(voice_, &QTextToSpeech::stateChanged, voice_,
                                 [this](QTextToSpeech::State state) { speaking_ = state == QTextToSpeech::Speaking; });
            } else {
                reason = QStringLiteral("nessuna voce italiana (pacchetto speech-dispatcher-espeak-ng)");
            }
        }
        // The answer reaches the windows on their own thread, through an
        // object that outlives the application: a run may end before the
        // daemon answered.
        if (ending_)
            return;
        QMetaObject::invokeMethod(&voiceAnswers(), [this, reason] {
            reason_ = reason;
            answered_ = true;
            if (!reason_.isEmpty())
                std::cerr << "quorvia: lettura ad alta voce non disponibile: " << reason_.toStdString() << '\n';
            announceVoiceAnswered();
        }, Qt::QueuedConnection);
    }

    QThread* thread_ = nullptr;        // never destroyed: see the constructor
    QTextToSpeech* voice_ = nullptr;   // lives on thread_
    // Read and written on the window thread only, once the voice answered.
    bool answered_ = false;
    QString reason_;
    std::atomic<bool> speaking_{false};
    std::atomic<bool> ending_{false};
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
    // Never destroyed: the voice lives until the end of the run.
    g_system = new QtSpeechService;
}

VoiceAnswers& voiceAnswers()
{
    static VoiceAnswers answers;
    return answers;
}

void announceVoiceAnswered()
{
    emit voiceAnswers().answered();
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
