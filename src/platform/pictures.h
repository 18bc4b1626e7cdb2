// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures named by the problem files and of the windows' own design.

#include <QImage>
#include <QString>

namespace quorvia::platform {

// A regular file, or a symbolic link to one: nothing else is ever opened as
// a picture, animation or sound (a FIFO would hold the program, a device
// would never end).
bool isPlainFile(const QString& path);

// The picture in the file, or a null image when the file is missing, cannot
// be read or is corrupt. JPEG goes through libjpeg with an error manager of
// our own, so a broken file can never end the program; GIF, BMP, PNG and the
// rest go through Qt's image readers.
QImage loadPicture(const QString& path);

// JPEG bytes decoded by libjpeg; a null image when they are not a picture.
QImage decodeJpeg(const QByteArray& bytes);

// What a child would see of a picture, animation or sound file.
enum class MediaState {
    Whole,       // every part decodes
    Damaged,     // shown, but partly (a cut JPEG ends in grey)
    Unreadable,  // not shown at all: the widget keeps its design content
};

// The picture in the file decoded completely, as loadPicture would, without
// keeping it: a JPEG is decoded at an eighth of its size, so a huge one
// costs little memory. Its limits are those of loadPicture.
MediaState inspectPicture(const QString& path);

}  // namespace quorvia::platform
