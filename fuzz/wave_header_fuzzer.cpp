// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sound file of the resource folder. The header reader walks
// chunk sizes taken from the file, so every offset it hands on must stay
// inside the bytes it was given.

#include "platform/wave_header.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto header = quorvia::platform::readWaveHeader(bytes)) {
        if (header->data_offset < 0 || header->data_size < 0 ||
            header->data_offset + header->data_size > bytes.size())
            std::abort();
    }
    if (const auto seconds = quorvia::platform::waveLengthSeconds(bytes)) {
        if (!(*seconds >= 0)) std::abort();
    }
    return 0;
}
