// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An animated GIF player: a label that shows a QMovie. It keeps the picture
// it has (its design content) until a file loads successfully, so a missing
// or broken animation file leaves the window as designed.

#include <QLabel>
#include <QString>

#include "platform/pictures.h"

class QMovie;

namespace quorvia::platform {

class GifPlayer : public QLabel {
    Q_OBJECT
public:
    explicit GifPlayer(const QString& name, QWidget* parent = nullptr);

    // Replaces the animation by the file; false (content unchanged) when the
    // file is missing or not an animation Qt can read. Not started. The same
    // file again, unchanged on disk, is not read again: the animation the
    // player has, or had before clear(), goes back to its first frame.
    bool loadFile(const QString& path);
    void start();  // from the first frame; nothing without an animation
    void stop();   // stays on the frame shown
    // Empties the picture: no animation, nothing drawn.
    void clear();

    bool hasAnimation() const { return movie_ != nullptr; }
    bool isRunning() const;
    QString fileName() const;

    // The frames follow the player's size instead of their own.
    void setStretch(bool stretch) { setScaledContents(stretch); }
    // For an animation that plays round and round while the window waits:
    // its frames are decoded once and kept, instead of decoded again at
    // every turn. Applies to the files loaded afterwards.
    void setKeepFrames(bool keep) { keep_frames_ = keep; }

private:
    // What a file was when it was read, to tell whether it is still the same.
    struct FileStamp {
        QString path;  // absolute
        qint64 size = -1;
        qint64 modified = 0;  // milliseconds since the epoch
        bool operator==(const FileStamp& other) const
        {
            return path == other.path && size == other.size && modified == other.modified;
        }
    };
    static FileStamp stampOf(const QString& path);

    QMovie* movie_ = nullptr;  // owned through the parent
    FileStamp movie_stamp_;
    // The animation clear() took down, kept for the window that clears its
    // player and loads the same file again at every problem.
    QMovie* spare_ = nullptr;
    FileStamp spare_stamp_;
    bool keep_frames_ = false;
};

// The animation in the file decoded frame by frame, as a player plays it:
// Unreadable where loadFile would refuse it, Damaged when a later frame
// cannot be decoded.
MediaState inspectAnimation(const QString& path);

}  // namespace quorvia::platform
