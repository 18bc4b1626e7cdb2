// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include "platform/pictures.h"
#include "platform/wave_header.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>
#include <memory>

namespace quorvia::platform {
namespace {

// The sound data of a wave, read from memory once or round and round.
class WaveStream : public QIODevice {
public:
    WaveStream(QByteArray samples, bool loop) : samples_(std::move(samples)), loop_(loop) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return loop_ ? samples_.size() + QIODevice::bytesAvailable()
                     : samples_.size() - position_ + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 written = 0;
        while (written < maxSize) {
            if (position_ >= samples_.size()) {
                if (!loop_)
                    break;
                position_ = 0;
            }
            const qint64 chunk = std::min<qint64>(maxSize - written, samples_.size() - position_);
            std::memcpy(data + written, samples_.constData() + position_, size_t(chunk));
            written += chunk;
            position_ += chunk;
        }
        return written;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray samples_;
    bool loop_;
    qint64 position_ = 0;
};

std::optional<QAudioFormat> audioFormatOf(const WaveHeader& header)
{
    QAudioFormat format;
    format.setSampleRate(int(header.samples_per_second));
    format.setChannelCount(header.channels);
    constexpr std::uint16_t kPcm = 1;
    constexpr std::uint16_t kFloat = 3;
    if (header.format_tag == kPcm && header.bits_per_sample == 8)
        format.setSampleFormat(QAudioFormat::UInt8);
    else if (header.format_tag == kPcm && header.bits_per_sample == 16)
        format.setSampleFormat(QAudioFormat::Int16);
    else if (header.format_tag == kPcm && header.bits_per_sample == 32)
        format.setSampleFormat(QAudioFormat::Int32);
    else if (header.format_tag == kFloat && header.bits_per_sample == 32)
        format.setSampleFormat(QAudioFormat::Float);
    else
        return std::nullopt;
    if (!format.isValid())
        return std::nullopt;
    return format;
}

// Plays PCM waves on the default output. Without an output device, or for a
// wave it cannot play, it stays silent: sounds are never worth an error.
class QtSoundService : public SoundService {
public:
    void playOnce(const QByteArray& wave) override { start(wave, false); }
    void playLoop(const QByteArray& wave) override { start(wave, true); }
    void stopAll() override
    {
        if (sink_)
            sink_->stop();
        sink_.reset();
        stream_.reset();
    }

private:
    void start(const QByteArray& wave, bool loop)
    {
        stopAll();
        if (!isPlayableWave(wave))
            return;
        const std::optional<WaveHeader> header = readWaveHeader(wave);
        const std::optional<QAudioFormat> format = audioFormatOf(*header);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(*format))
            return;
        stream_ = std::make_unique<WaveStream>(wave.mid(header->data_offset, header->data_size), loop);
        stream_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, *format);
        sink_->start(stream_.get());
    }

    std::unique_ptr<WaveStream> stream_;
    std::unique_ptr<QAudioSink> sink_;  // destroyed before the stream it reads
};

SoundService* g_replacement = nullptr;

// The exercise windows load the same few sounds at every opening; the
// players of every window share one copy of each file's bytes, read again
// only when the file changed.
struct LoadedWave {
    QDateTime modified;
    qint64 size = -1;
    QByteArray bytes;
};

QHash<QString, LoadedWave>& loadedWaves()
{
    static QHash<QString, LoadedWave> waves;
    return waves;
}

}  // namespace

bool isPlayableWave(const QByteArray& wave)
{
    const std::optional<WaveHeader> header = readWaveHeader(wave);
    return header && header->data_size > 0 && audioFormatOf(*header);
}

void SoundService::playNamedOnce(const QString&, const QByteArray& wave)
{
    playOnce(wave);
}

void SoundService::playNamedLoop(const QString&, const QByteArray& wave)
{
    playLoop(wave);
}

SoundService& soundService()
{
    if (g_replacement)
        return *g_replacement;
    // Never destroyed: an audio sink must not outlive the application object,
    // so playback stops when the application quits and the service itself is
    // left to the end of the process.
    static QtSoundService* real = [] {
        auto* service = new QtSoundService;
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, [service] { service->stopAll(); });
        return service;
    }();
    return *real;
}

void setSoundService(SoundService* replacement)
{
    g_replacement = replacement;
}

WavePlayer::WavePlayer(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
}

bool WavePlayer::loadFile(const QString& path)
{
    const QFileInfo info(path);
    const auto known = loadedWaves().constFind(info.absoluteFilePath());
    if (known != loadedWaves().constEnd() && info.isFile() && info.isReadable() &&
        known->size == info.size() && known->modified == info.lastModified()) {
        wave_ = known->bytes;
        return true;
    }
    if (!isPlainFile(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    bytes.squeeze();
    loadedWaves().insert(info.absoluteFilePath(), LoadedWave{info.lastModified(), info.size(), bytes});
    wave_ = std::move(bytes);
    return true;
}

void WavePlayer::play() const
{
    soundService().playNamedOnce(objectName(), wave_);
}

void WavePlayer::playLoop() const
{
    soundService().playNamedLoop(objectName(), wave_);
}

void WavePlayer::stop() const
{
    soundService().stopAll();
}

}  // namespace quorvia::platform
