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
    // file is missing or not an animation Qt can read. Not started.
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
    QMovie* movie_ = nullptr;  // owned through the parent
    bool keep_frames_ = false;
};

// The animation in the file decoded frame by frame, as a player plays it:
// Unreadable where loadFile would refuse it, Damaged when a later frame
// cannot be decoded.
MediaState inspectAnimation(const QString& path);

}  // namespace quorvia::platform
