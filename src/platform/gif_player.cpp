// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gif_player.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace quorvia::platform {

// Every frame of a file, composed as the GIF's own rules lay them over one
// another, with how long each stays.
struct DecodedAnimation {
    // What the file was when it was read, to tell whether it is still the same.
    qint64 size = -1;
    qint64 modified = 0;  // milliseconds since the epoch
    QList<QPixmap> frames;
    QList<int> delays;    // milliseconds
    int loop_count = 0;   // plays after the first; -1 for ever
};

namespace {

// A GIF that asks for no pause between frames would otherwise repaint as
// fast as the machine allows.
constexpr int kShortestDelay = 20;

std::shared_ptr<const DecodedAnimation> decode(const QString& path, const QFileInfo& info)
{
    QImageReader reader(path);
    auto animation = std::make_shared<DecodedAnimation>();
    animation->size = info.size();
    animation->modified = info.lastModified().toMSecsSinceEpoch();
    QImage image;
    // A frame that cannot be decoded ends the animation there, as it ends a
    // movie: the frames before it still play.
    while (reader.read(&image)) {
        animation->frames.append(QPixmap::fromImage(image));
        animation->delays.append(std::max(kShortestDelay, reader.nextImageDelay()));
        if (!reader.supportsAnimation())
            break;
    }
    if (animation->frames.isEmpty())
        return nullptr;
    animation->loop_count = reader.loopCount();
    return animation;
}

// The windows load the same few animations at every mistake and every
// problem, and eight windows share them: decoding the file afresh each time
// was most of what a mistake cost. An animation stays while a player holds
// it; a file changed on disk is read anew.
std::shared_ptr<const DecodedAnimation> sharedAnimation(const QString& path)
{
    static QHash<QString, std::weak_ptr<const DecodedAnimation>> decoded;
    const QFileInfo info(path);
    const QString key = info.absoluteFilePath();
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    if (auto known = decoded.value(key).lock(); known && known->size == info.size() && known->modified == modified)
        return known;
    auto animation = decode(path, info);
    if (animation)
        decoded.insert(key, animation);
    else
        decoded.remove(key);
    return animation;
}

bool sameFile(const std::shared_ptr<const DecodedAnimation>& a, const std::shared_ptr<const DecodedAnimation>& b)
{
    return a && a == b;
}

}  // namespace

GifPlayer::GifPlayer(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &GifPlayer::advance);
}

GifPlayer::~GifPlayer() = default;

bool GifPlayer::loadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    auto animation = sharedAnimation(path);
    if (!animation)
        return false;
    timer_.stop();
    if (!sameFile(animation, animation_)) {
        if (animation_) {
            spare_ = std::move(animation_);
            spare_file_name_ = file_name_;
        }
        if (sameFile(animation, spare_))
            spare_.reset();
        animation_ = std::move(animation);
        scaled_.clear();
        frame_ = 0;
        // The design picture gives way to the animation for good.
        QLabel::clear();
        updateGeometry();
    }
    file_name_ = path;
    showFrame(0);
    return true;
}

void GifPlayer::start()
{
    if (!animation_)
        return;
    plays_left_ = animation_->loop_count;
    showFrame(0);
    if (animation_->frames.size() > 1)
        timer_.start(animation_->delays.front());
}

void GifPlayer::stop()
{
    timer_.stop();
}

void GifPlayer::clear()
{
    timer_.stop();
    QLabel::clear();
    if (animation_) {
        spare_ = std::move(animation_);
        spare_file_name_ = file_name_;
        file_name_.clear();
        scaled_.clear();
    }
}

QPixmap GifPlayer::currentPixmap() const
{
    return animation_ ? animation_->frames.at(frame_) : QPixmap();
}

QString GifPlayer::fileName() const
{
    return animation_ ? file_name_ : QString();
}

void GifPlayer::setStretch(bool stretch)
{
    stretch_ = stretch;
    // A label without an animation stretches its design picture alike.
    setScaledContents(stretch);
    scaled_.clear();
    update();
}

void GifPlayer::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    scaled_.clear();
}

void GifPlayer::showFrame(int frame)
{
    const bool sized = animation_->frames.at(frame).size() != animation_->frames.at(frame_).size();
    frame_ = frame;
    if (sized)
        updateGeometry();
    update();
}

const QPixmap& GifPlayer::frameToPaint()
{
    const QPixmap& original = animation_->frames.at(frame_);
    if (!stretch_ || size() == original.size())
        return original;
    if (scaled_.size() != animation_->frames.size())
        scaled_ = QList<QPixmap>(animation_->frames.size());
    if (scaled_[frame_].isNull())
        scaled_[frame_] = original.scaled(contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled_[frame_];
}

void GifPlayer::paintEvent(QPaintEvent* event)
{
    if (!animation_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QPixmap& frame = frameToPaint();
    const QRect area = contentsRect();
    const QRect where = stretch_ ? area : QStyle::alignedRect(layoutDirection(), alignment(), frame.size(), area);
    painter.drawPixmap(where.topLeft(), frame);
}

QSize GifPlayer::sizeHint() const
{
    if (!animation_)
        return QLabel::sizeHint();
    const QMargins margins = contentsMargins();
    return animation_->frames.at(frame_).size().grownBy(margins);
}

QSize GifPlayer::minimumSizeHint() const
{
    return animation_ ? sizeHint() : QLabel::minimumSizeHint();
}

void GifPlayer::advance()
{
    if (!animation_)
        return;
    int next = frame_ + 1;
    if (next == animation_->frames.size()) {
        if (plays_left_ == 0)
            return;  // played out: the last frame stays
        if (plays_left_ > 0)
            --plays_left_;
        next = 0;
    }
    showFrame(next);
    timer_.start(animation_->delays.at(next));
}

MediaState inspectAnimation(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return MediaState::Unreadable;
    // The same decoding as a player's, so that what is called whole here is
    // what a window plays.
    const auto animation = decode(path, QFileInfo(path));
    if (!animation)
        return MediaState::Unreadable;
    return QImageReader(path).imageCount() > animation->frames.size() ? MediaState::Damaged : MediaState::Whole;
}

}  // namespace quorvia::platform
