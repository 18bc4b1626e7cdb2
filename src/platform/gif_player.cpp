// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gif_player.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMovie>

#include <utility>

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

GifPlayer::FileStamp GifPlayer::stampOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool GifPlayer::loadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    // A window loads its error animation at every mistake and its closing
    // ones at every problem: decoding the file afresh each time was most of
    // what a mistake cost.
    const FileStamp stamp = stampOf(path);
    if (spare_ && !(movie_ && movie_stamp_ == stamp) && spare_stamp_ == stamp) {
        QMovie* revived = std::exchange(spare_, nullptr);
        const FileStamp revivedStamp = spare_stamp_;
        clear();  // the animation shown until now becomes the spare
        movie_ = revived;
        movie_stamp_ = revivedStamp;
        setMovie(movie_);
    }
    if (movie_ && movie_stamp_ == stamp) {
        if (keep_frames_)
            movie_->setCacheMode(QMovie::CacheAll);
        movie_->stop();
        if (movie_->jumpToFrame(0))
            return true;
        clear();  // it no longer reads: as a new file below
    }
    auto* movie = new QMovie(path, QByteArray(), this);
    if (keep_frames_)
        movie->setCacheMode(QMovie::CacheAll);
    if (!opens(*movie)) {
        delete movie;
        return false;
    }
    clear();
    delete spare_;
    spare_ = nullptr;
    movie_ = movie;
    movie_stamp_ = stamp;
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
        delete spare_;
        spare_ = movie_;
        spare_stamp_ = movie_stamp_;
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
