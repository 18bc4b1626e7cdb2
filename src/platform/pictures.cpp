// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quorvia::platform {
namespace {

// libjpeg's own error_exit prints and ends the process; ours jumps back to
// the decoder, which gives up on the picture instead.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf return_point;
};

void jumpOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(manager->return_point, 1);
}

void ignoreMessage(j_common_ptr) {}

bool looksLikeJpeg(const QByteArray& bytes)
{
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8 &&
           uchar(bytes[2]) == 0xFF;
}

// Everything that must survive a longjmp lives outside the function that
// calls setjmp, so no local of that frame is left indeterminate.
struct JpegDecoding {
    jpeg_decompress_struct info{};
    JpegErrorManager error{};
    QImage image;
    QByteArray row;
};

// Larger pictures than this are not worth holding in memory.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

// `scaleDenominator` 1 decodes the picture as it is, 8 at an eighth of its
// width and height.
bool decodeInto(JpegDecoding& job, const QByteArray& bytes, unsigned scaleDenominator = 1)
{
    job.info.err = jpeg_std_error(&job.error.base);
    job.error.base.error_exit = jumpOnError;
    job.error.base.output_message = ignoreMessage;
    if (setjmp(job.error.return_point)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    jpeg_mem_src(&job.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&job.info, TRUE);
    // The size the header claims is checked before libjpeg sets up its
    // buffers: a progressive file of a few hundred bytes claiming 65000 by
    // 65000 pixels would otherwise have it take gigabytes at the start.
    if (qint64(job.info.image_width) * job.info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    // Grey, RGB and YCbCr come out as RGB; CMYK pictures keep their four
    // channels (Adobe writes them inverted).
    const bool cmyk = job.info.jpeg_color_space == JCS_CMYK || job.info.jpeg_color_space == JCS_YCCK;
    job.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    job.info.scale_num = 1;
    job.info.scale_denom = scaleDenominator;
    jpeg_start_decompress(&job.info);

    const int width = int(job.info.output_width);
    const int height = int(job.info.output_height);
    const int components = job.info.output_components;
    if (qint64(width) * height > kMaxPixels || components < 1 || components > 4) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    job.image = QImage(width, height, QImage::Format_RGB32);
    job.row = QByteArray(width * components, '\0');
    if (job.image.isNull() || job.row.isNull()) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    while (job.info.output_scanline < job.info.output_height) {
        auto* row_pointer = reinterpret_cast<JSAMPROW>(job.row.data());
        const int y = int(job.info.output_scanline);
        jpeg_read_scanlines(&job.info, &row_pointer, 1);
        auto* out = reinterpret_cast<QRgb*>(job.image.scanLine(y));
        const auto* in = reinterpret_cast<const uchar*>(job.row.constData());
        for (int x = 0; x < width; ++x, in += components) {
            if (components == 4) {
                const int k = in[3];
                out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
            } else if (components == 3) {
                out[x] = qRgb(in[0], in[1], in[2]);
            } else {
                out[x] = qRgb(in[0], in[0], in[0]);
            }
        }
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

}  // namespace

bool isPlainFile(const QString& path)
{
    // QFileInfo follows a symbolic link and calls a FIFO, a device or a
    // folder no file.
    return QFileInfo(path).isFile();
}

QImage decodeJpeg(const QByteArray& bytes)
{
    if (!looksLikeJpeg(bytes))
        return QImage();
    JpegDecoding job;
    if (!decodeInto(job, bytes))
        return QImage();
    return job.image;
}

MediaState inspectPicture(const QString& path)
{
    if (!isPlainFile(path))
        return MediaState::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return MediaState::Unreadable;
    const QByteArray bytes = file.readAll();
    if (looksLikeJpeg(bytes)) {
        JpegDecoding job;
        if (!decodeInto(job, bytes, 8))
            return MediaState::Unreadable;
        // libjpeg carries on over a cut or corrupt stream, filling in what
        // is missing, and counts a warning for each such place.
        return job.error.base.num_warnings > 0 ? MediaState::Damaged : MediaState::Whole;
    }
    return loadPicture(path).isNull() ? MediaState::Unreadable : MediaState::Whole;
}

QImage loadPicture(const QString& path)
{
    if (!isPlainFile(path))
        return QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    if (looksLikeJpeg(bytes))
        return decodeJpeg(bytes);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    return image;
}

}  // namespace quorvia::platform
