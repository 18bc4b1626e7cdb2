// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a JPEG picture that a problem file names. libjpeg's errors
// come back through our own error manager by longjmp; a broken file must be
// no picture, never an end of the program, a leak of the decoder's memory
// or a picture bigger than the decoder allows.
//
// Only our side of the decoder is instrumented for coverage (libjpeg is the
// system's), so the seeds carry the variety: grey, colour, CMYK,
// progressive, restart markers, odd sizes.

#include "platform/pictures.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage picture = quorvia::platform::decodeJpeg(bytes);
    if (picture.isNull()) return 0;
    if (picture.width() < 1 || picture.height() < 1 ||
        qint64(picture.width()) * picture.height() > 64LL * 1024 * 1024 ||
        picture.format() != QImage::Format_RGB32) {
        std::fprintf(stderr, "picture of %dx%d, format %d\n", picture.width(), picture.height(),
                     int(picture.format()));
        std::abort();
    }
    return 0;
}
