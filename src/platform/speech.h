// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The voice that reads texts aloud. Speaking never waits: a new text
// replaces the one being read, and stop() silences it at once. Where the
// computer has no speech engine or no Italian voice the service says so
// once and stays silent; the windows then hide their read-aloud controls.

#include <QObject>
#include <QString>

namespace quorvia::platform {

class SpeechService {
public:
    virtual ~SpeechService() = default;
    // Whether a voice can read aloud; when it cannot, why, in one line.
    virtual bool canSpeak() const = 0;
    virtual QString whyNot() const = 0;
    // `text` is what the voice is to say, numbers already written out.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    // The engine's own word that it is speaking now.
    virtual bool isSpeaking() const { return false; }
};

// The service in use: a test's replacement, else the computer's voice once
// the program has started it, else a silent service that has no voice (so
// tests and tools never wait on a speech daemon).
SpeechService& speechService();
void setSpeechService(SpeechService* replacement);  // not owned; nullptr restores

// Starts the computer's voice (Qt's text to speech, an Italian voice) for the
// rest of the run, without waiting for it: until it answers the service
// cannot speak. Where there is none it prints one line on stderr saying why
// when it answers, and stays silent.
void startSystemSpeech();

// Tells when the voice has answered, able to speak or not: the windows then
// show or hide their read-aloud controls.
class VoiceAnswers : public QObject {
    Q_OBJECT
signals:
    void answered();
};
VoiceAnswers& voiceAnswers();
// The voice's answer, on the window thread; tests give it for their fakes.
void announceVoiceAnswered();

// Whether hints, messages and the child's choices are read as they appear:
// the main window's switch, off at the start of every run.
bool automaticReading();
void setAutomaticReading(bool on);

}  // namespace quorvia::platform
