// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_header.h"

#include <cstring>

namespace quorvia::platform {
namespace {

std::uint32_t readLe32(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t readLe16(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

bool hasTag(const QByteArray& bytes, qsizetype at, const char* tag)
{
    return at >= 0 && at + 4 <= bytes.size() && std::memcmp(bytes.constData() + at, tag, 4) == 0;
}

constexpr qsizetype kFmtBodySize = 16;
// A RIFF size may overstate the file a little (a writer that never patched
// it, a truncated copy); beyond this it describes some other file.
constexpr double kRiffSizeSlack = 2.0;
constexpr qsizetype kRiffSizeMargin = 4096;

}  // namespace

std::optional<WaveHeader> readWaveHeader(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE"))
        return std::nullopt;

    WaveHeader header;
    header.riff_size = readLe32(bytes, 4);
    bool have_format = false;

    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t chunk_size = readLe32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = bytes.size() - body;
        if (hasTag(bytes, at, "fmt ")) {
            if (chunk_size < kFmtBodySize || available < kFmtBodySize)
                return std::nullopt;
            header.format_tag = readLe16(bytes, body);
            header.channels = readLe16(bytes, body + 2);
            header.samples_per_second = readLe32(bytes, body + 4);
            header.block_align = readLe16(bytes, body + 12);
            header.bits_per_sample = readLe16(bytes, body + 14);
            have_format = true;
        } else if (hasTag(bytes, at, "data") && header.data_offset == 0) {
            header.data_offset = body;
            header.data_size = qsizetype(chunk_size) < available ? qsizetype(chunk_size) : available;
        }
        // Chunks are padded to an even size. A size running past the end
        // stops the walk rather than wrapping around.
        const qsizetype step = qsizetype(chunk_size) + (chunk_size & 1u);
        if (step > available)
            break;
        at = body + step;
    }
    if (!have_format)
        return std::nullopt;
    return header;
}

std::optional<double> waveLengthSeconds(const QByteArray& bytes)
{
    const std::optional<WaveHeader> header = readWaveHeader(bytes);
    if (!header || header->samples_per_second == 0 || header->block_align == 0)
        return std::nullopt;
    if (double(header->riff_size) > kRiffSizeSlack * double(bytes.size()) + kRiffSizeMargin)
        return std::nullopt;
    return double(header->riff_size) /
           (double(header->samples_per_second) * double(header->block_align));
}

}  // namespace quorvia::platform
