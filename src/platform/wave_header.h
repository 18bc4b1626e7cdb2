// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the header of a RIFF WAVE file held in memory. Bytes from any
// source are safe to pass: every read is bounds-checked.

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace quorvia::platform {

struct WaveHeader {
    std::uint32_t riff_size = 0;           // as stored after "RIFF"
    std::uint16_t format_tag = 0;          // 1 PCM, 3 IEEE float, ...
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits_per_sample = 0;
    // The sound data: where the "data" chunk's bytes start and how many of
    // them the file really holds (0 when there is no "data" chunk).
    qsizetype data_offset = 0;
    qsizetype data_size = 0;
};

// The header, or nullopt when the bytes are no RIFF WAVE file with a
// complete "fmt " chunk.
std::optional<WaveHeader> readWaveHeader(const QByteArray& bytes);

// The length of the sound in seconds: RIFF size / (samples per second x
// block alignment). nullopt for a file whose length cannot be trusted: no
// WAVE header, a zero rate or alignment, or a RIFF size far beyond the
// bytes there are.
std::optional<double> waveLengthSeconds(const QByteArray& bytes);

}  // namespace quorvia::platform
