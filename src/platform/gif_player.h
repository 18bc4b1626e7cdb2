// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An animated GIF player: a label that shows the frames of an animation. It
// keeps the picture it has (its design content) until a file loads
// successfully, so a missing or broken animation file leaves the window as
// designed.

#include <QLabel>
#include <QString>
#include <QTimer>

#include <memory>

#include "platform/pictures.h"

namespace quorvia::platform {

struct DecodedAnimation;

class GifPlayer : public QLabel {
    Q_OBJECT
public:
    explicit GifPlayer(const QString& name, QWidget* parent = nullptr);
    ~GifPlayer() override;

    // Replaces the animation by the file; false (content unchanged) when the
    // file is missing or not an animation Qt can read. Not started, on its
    // first frame. A file is decoded once for the whole program while it is
    // unchanged on disk: every player of it shares the frames.
    bool loadFile(const QString& path);
    void start();  // from the first frame; nothing without an animation
    void stop();   // stays on the frame shown
    // Empties the picture: no animation, nothing drawn.
    void clear();

    bool hasAnimation() const { return animation_ != nullptr; }
    bool isRunning() const { return timer_.isActive(); }
    QString fileName() const;
    // The frame shown, from 0; -1 without an animation.
    int currentFrame() const { return animation_ ? frame_ : -1; }
    // That frame at the animation's own size; null without an animation.
    QPixmap currentPixmap() const;

    // The frames follow the player's size instead of their own.
    void setStretch(bool stretch);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFrame(int frame);
    void advance();
    const QPixmap& frameToPaint();

    std::shared_ptr<const DecodedAnimation> animation_;
    // The animation clear() took down, kept for the window that clears its
    // player and loads the same file again at every problem.
    std::shared_ptr<const DecodedAnimation> spare_;
    QString file_name_;  // as given to loadFile
    QString spare_file_name_;
    int frame_ = 0;
    int plays_left_ = 0;  // after this one; -1 for ever
    bool stretch_ = false;
    // A stretched animation's frames at the player's size, made when first
    // painted: scaling at every frame was most of what an idle window cost.
    QList<QPixmap> scaled_;
    QTimer timer_;
};

// The animation in the file decoded frame by frame, as a player plays it:
// Unreadable where loadFile would refuse it, Damaged when a later frame
// cannot be decoded.
MediaState inspectAnimation(const QString& path);

}  // namespace quorvia::platform
