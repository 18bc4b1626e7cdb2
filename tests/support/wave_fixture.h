// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RIFF WAVE files made to measure for the tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstdint>

namespace quorvia::testing {

struct WaveLayout {
    std::uint32_t samples_per_second = 8000;
    std::uint16_t block_align = 1;
    std::uint16_t channels = 1;
    std::uint16_t bits_per_sample = 8;
    int data_bytes = 8000;       // one second at the defaults
    bool with_format = true;     // the "fmt " chunk
    qint64 riff_size = -1;       // -1: the true size
};

inline void appendLe(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

inline QByteArray makeWave(const WaveLayout& layout = {})
{
    QByteArray body("WAVE");
    if (layout.with_format) {
        body.append("fmt ");
        appendLe(body, 16, 4);
        appendLe(body, 1, 2);
        appendLe(body, layout.channels, 2);
        appendLe(body, layout.samples_per_second, 4);
        appendLe(body, layout.samples_per_second * layout.block_align, 4);
        appendLe(body, layout.block_align, 2);
        appendLe(body, layout.bits_per_sample, 2);
    }
    body.append("data");
    appendLe(body, std::uint32_t(layout.data_bytes), 4);
    body.append(QByteArray(layout.data_bytes, char(0x80)));
    QByteArray wave("RIFF");
    appendLe(wave, std::uint32_t(layout.riff_size >= 0 ? layout.riff_size : body.size()), 4);
    return wave + body;
}

// A wave whose RIFF size makes it last `seconds` at 8000 bytes a second.
inline QByteArray makeWaveOfSeconds(double seconds)
{
    WaveLayout layout;
    layout.data_bytes = int(seconds * 8000) - 36;
    return makeWave(layout);
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A two-frame 1x1 animated GIF.
inline QByteArray makeGif()
{
    static const unsigned char kFrame[] = {
        0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,              // 100 ms
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,  // image
        0x02, 0x02, 0x44, 0x01, 0x00};
    static const unsigned char kHeader[] = {'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01,
                                            0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00,
                                            0x00, 0x00, 0xFF};
    QByteArray gif(reinterpret_cast<const char*>(kHeader), sizeof kHeader);
    for (int frame = 0; frame < 2; ++frame)
        gif.append(reinterpret_cast<const char*>(kFrame), sizeof kFrame);
    gif.append(char(0x3B));
    return gif;
}

}  // namespace quorvia::testing
