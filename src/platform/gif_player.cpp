// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gif_player.h"

#include <QFileInfo>
#include <QMovie>

namespace quorvia::platform {

GifPlayer::GifPlayer(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

namespace {

// The file has an animation that a player takes.
bool opens(QMovie& movie)
{
    return movie.isValid() && movie.frameCount() != 0 && movie.jumpToFrame(0);
}

}  // namespace

bool GifPlayer::loadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    auto* movie = new QMovie(path, QByteArray(), this);
    if (keep_frames_)
        movie->setCacheMode(QMovie::CacheAll);
    if (!opens(*movie)) {
        delete movie;
        return false;
    }
    clear();
    movie_ = movie;
    setMovie(movie_);
    return true;
}

void GifPlayer::start()
{
    if (!movie_)
        return;
    movie_->stop();
    movie_->jumpToFrame(0);
    movie_->start();
}

void GifPlayer::stop()
{
    if (movie_)
        movie_->setPaused(true);
}

void GifPlayer::clear()
{
    QLabel::clear();
    if (movie_) {
        movie_->stop();
        delete movie_;
        movie_ = nullptr;
    }
}

bool GifPlayer::isRunning() const
{
    return movie_ && movie_->state() == QMovie::Running;
}

QString GifPlayer::fileName() const
{
    return movie_ ? movie_->fileName() : QString();
}

MediaState inspectAnimation(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return MediaState::Unreadable;
    QMovie movie(path);
    if (!opens(movie))
        return MediaState::Unreadable;
    for (int frame = 1; frame < movie.frameCount(); ++frame) {
        if (!movie.jumpToNextFrame() || movie.currentImage().isNull())
            return MediaState::Damaged;
    }
    return MediaState::Whole;
}

}  // namespace quorvia::platform
