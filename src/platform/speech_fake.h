// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A voice for the tests: records what it was asked to say and when it was
// silenced, and can play a computer without a voice.

#include "platform/speech.h"

#include <QStringList>

namespace quorvia::platform {

class RecordingSpeechService : public SpeechService {
public:
    // What happened, in order: the texts said, and "<stop>" for each stop.
    static inline const QString kStop = QStringLiteral("<stop>");

    void setVoiceMissing(bool missing) { missing_ = missing; }
    QStringList said() const;  // the texts alone
    const QStringList& events() const { return events_; }
    int stops() const { return int(events_.count(kStop)); }
    void clear() { events_.clear(); }

    bool canSpeak() const override { return !missing_; }
    QString whyNot() const override;
    void say(const QString& text) override;
    void stop() override { events_.append(kStop); }

private:
    bool missing_ = false;
    QStringList events_;
};

// Installs a recording voice for a test's scope, with automatic reading as
// asked, and puts the silent default and reading off back afterwards.
class ScopedFakeSpeech {
public:
    explicit ScopedFakeSpeech(bool automatic = false)
    {
        setSpeechService(&fake_);
        setAutomaticReading(automatic);
    }
    ~ScopedFakeSpeech()
    {
        setSpeechService(nullptr);
        setAutomaticReading(false);
    }
    ScopedFakeSpeech(const ScopedFakeSpeech&) = delete;
    ScopedFakeSpeech& operator=(const ScopedFakeSpeech&) = delete;
    RecordingSpeechService& operator*() { return fake_; }
    RecordingSpeechService* operator->() { return &fake_; }

private:
    RecordingSpeechService fake_;
};

}  // namespace quorvia::platform
