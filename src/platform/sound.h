// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simple sound service: a wave held in memory, played once without
// waiting or in an endless loop; a new sound replaces the one playing.

#include <QByteArray>
#include <QObject>
#include <QString>

namespace quorvia::platform {

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void playOnce(const QByteArray& wave) = 0;
    virtual void playLoop(const QByteArray& wave) = 0;
    virtual void stopAll() = 0;

    // The same requests made by a named player (WavePlayer passes its object
    // name), so a recording service can tell "nooo" from "bravo". They play
    // the wave as the plain forms do unless a service wants the name.
    virtual void playNamedOnce(const QString& player, const QByteArray& wave);
    virtual void playNamedLoop(const QString& player, const QByteArray& wave);
};

// The wave is one the service plays: a RIFF WAVE file with sound data in a
// sample format it knows. Others are passed over in silence.
bool isPlayableWave(const QByteArray& wave);

// The service in use: Qt Multimedia unless a test installed another.
SoundService& soundService();
void setSoundService(SoundService* replacement);  // not owned; nullptr restores

// A named sound of a window ("bravo", "nooo", ...): holds a wave in memory.
// Found by object name, so the main window can fill the players of any window.
class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(const QString& name, QObject* parent = nullptr);
    // Loads the file into memory; false (content unchanged) when unreadable.
    bool loadFile(const QString& path);
    void setWave(const QByteArray& wave) { wave_ = wave; }
    const QByteArray& wave() const { return wave_; }
    bool isEmpty() const { return wave_.isEmpty(); }

    // Each request goes to the service with the player's object name, also
    // when the player is empty (the real service stays silent then; a
    // recording service still sees that the window asked for the sound).
    void play() const;      // once, without waiting; silent when empty
    void playLoop() const;  // endless loop
    void stop() const;      // stops all playback

private:
    QByteArray wave_;
};

}  // namespace quorvia::platform
