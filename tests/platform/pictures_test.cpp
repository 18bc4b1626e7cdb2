// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gif_player.h"
#include "platform/pictures.h"
#include "platform/sound.h"

#include "support/wave_fixture.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTest>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include <sys/stat.h>

namespace quorvia::platform {
namespace {

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QImage twoColours()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(30, 30, 200));
    return image;
}

class Pictures : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(testing::writeFile(path, bytes));
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(Pictures, JpegIsDecodedByLibjpeg)
{
    const QImage picture = loadPicture(write("problema.jpg", jpegOf(twoColours())));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(40, 20));
    const QColor left = picture.pixelColor(5, 10);
    const QColor right = picture.pixelColor(35, 10);
    EXPECT_NEAR(left.red(), 200, 12);
    EXPECT_NEAR(left.blue(), 30, 12);
    EXPECT_NEAR(right.blue(), 200, 12);
}

TEST_F(Pictures, GreyJpegComesOutGrey)
{
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(100);
    const QImage picture = decodeJpeg(jpegOf(grey));
    ASSERT_FALSE(picture.isNull());
    EXPECT_NEAR(qRed(picture.pixel(4, 4)), 100, 3);
    EXPECT_EQ(qRed(picture.pixel(4, 4)), qBlue(picture.pixel(4, 4)));
}

// Each of these would end the program under libjpeg's default error
// handler; here each is simply no picture.
TEST_F(Pictures, CorruptJpegIsNoPicture)
{
    const QByteArray good = jpegOf(twoColours());

    QByteArray garbage_after_marker = good.left(2);
    garbage_after_marker.append(QByteArray(400, char(0xFF)));
    garbage_after_marker.append(QByteArray(400, char(0x17)));

    QByteArray broken_header = good;
    for (int i = 4; i < 64 && i < broken_header.size(); ++i)
        broken_header[i] = char(0xFF);

    for (const QByteArray& bytes : {garbage_after_marker, broken_header, good.left(40)}) {
        EXPECT_TRUE(decodeJpeg(bytes).isNull());
        EXPECT_TRUE(loadPicture(write("rotto.jpg", bytes)).isNull());
    }
}

// The frame header of a good JPEG rewritten to claim another size; the
// data after it stays that of the small picture.
QByteArray claimingSize(QByteArray jpeg, int width, int height)
{
    for (int at = 2; at + 9 <= jpeg.size() && uchar(jpeg[at]) == 0xFF;) {
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            jpeg[at + 5] = char(height >> 8);
            jpeg[at + 6] = char(height & 0xFF);
            jpeg[at + 7] = char(width >> 8);
            jpeg[at + 8] = char(width & 0xFF);
            return jpeg;
        }
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

QByteArray progressiveJpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

// A small file whose header claims more pixels than a picture may have
// (64 Mi) is no picture, and is refused from the header alone: a
// progressive one claiming 20000 by 20000 made libjpeg set up more than a
// gigabyte of buffers first (found by fuzzing, at 65000 by 65000 many).
TEST_F(Pictures, JpegClaimingTooManyPixelsIsNoPicture)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"progressive, 20000 x 20000", claimingSize(progressiveJpegOf(twoColours()), 20000, 20000)},
        {"baseline, 8193 x 8192", claimingSize(jpegOf(twoColours()), 8193, 8192)},
        {"baseline, 65535 x 1025", claimingSize(jpegOf(twoColours()), 65535, 1025)},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(decodeJpeg(row.bytes).isNull()) << row.name;
        EXPECT_TRUE(loadPicture(write("grande.jpg", row.bytes)).isNull()) << row.name;
    }
    // The same picture with its own size is fine: only the claim is refused.
    EXPECT_EQ(decodeJpeg(claimingSize(progressiveJpegOf(twoColours()), 40, 20)).size(), QSize(40, 20));
}

TEST_F(Pictures, OtherFormatsGoThroughQt)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    twoColours().save(&buffer, "PNG");
    EXPECT_EQ(loadPicture(write("a.png", png)).size(), QSize(40, 20));
    EXPECT_EQ(loadPicture(write("b.gif", testing::makeGif())).size(), QSize(1, 1));
    // The content decides, not the name.
    EXPECT_EQ(loadPicture(write("really_png.jpg", png)).size(), QSize(40, 20));
}

TEST_F(Pictures, MissingOrUnreadableFileIsNoPicture)
{
    EXPECT_TRUE(loadPicture(dir_.filePath("nothing.jpg")).isNull());
    EXPECT_TRUE(loadPicture(dir_.path()).isNull());
    EXPECT_TRUE(loadPicture(write("empty.bmp", QByteArray())).isNull());
    EXPECT_TRUE(loadPicture(write("text.png", "not a picture")).isNull());
}

// Only a regular file is opened as a picture, animation or sound: a FIFO
// named by a problem would hold the window (opening one waits for a
// writer), a device would never end.
TEST_F(Pictures, NothingButARegularFileIsOpened)
{
    const QString fifo = dir_.filePath(QStringLiteral("tubo.jpg"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString device = dir_.filePath(QStringLiteral("zeri.wav"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    for (const QString& path : {fifo, device, dir_.path()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(isPlainFile(path));
        EXPECT_TRUE(loadPicture(path).isNull());
        EXPECT_EQ(inspectPicture(path), MediaState::Unreadable);
        WavePlayer sound(QStringLiteral("suono"));
        EXPECT_FALSE(sound.loadFile(path));
        GifPlayer animation(QStringLiteral("animazione"));
        EXPECT_FALSE(animation.loadFile(path));
    }
    // A link to a regular file is that file.
    const QString picture = write(QStringLiteral("vera.jpg"), jpegOf(twoColours()));
    const QString link = dir_.filePath(QStringLiteral("collegata.jpg"));
    ASSERT_TRUE(QFile::link(picture, link));
    EXPECT_TRUE(isPlainFile(link));
    EXPECT_FALSE(loadPicture(link).isNull());
}

// The check decodes every part of a picture or animation, as a child's
// window would show it.
TEST_F(Pictures, InspectionTellsWholeDamagedAndUnreadableFiles)
{
    QImage large(1600, 1200, QImage::Format_RGB32);
    large.fill(QColor(10, 120, 200));
    const QByteArray jpeg = jpegOf(large);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    twoColours().save(&buffer, "PNG");
    const QByteArray gif = testing::makeGif();
    const struct {
        const char* name;
        QByteArray bytes;
        MediaState picture;
        std::optional<MediaState> animation;  // animations are GIFs; Qt reads a JPEG its own way
    } rows[] = {
        {"WholeJpeg", jpeg, MediaState::Whole, std::nullopt},
        {"JpegCutShort", jpeg.left(jpeg.size() * 2 / 3), MediaState::Damaged, std::nullopt},
        {"JpegHeaderOnly", jpeg.left(40), MediaState::Unreadable, std::nullopt},
        {"Png", png, MediaState::Whole, MediaState::Whole},
        {"Gif", gif, MediaState::Whole, MediaState::Whole},
        {"GifSecondFrameCut", gif.left(gif.size() - 6), MediaState::Whole, MediaState::Damaged},
        {"NoPicture", "GIF89a ma niente altro", MediaState::Unreadable, MediaState::Unreadable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = write(QStringLiteral("file"), row.bytes);
        EXPECT_EQ(inspectPicture(path), row.picture);
        if (row.animation) {
            EXPECT_EQ(inspectAnimation(path), *row.animation);
        }
    }
    EXPECT_EQ(inspectPicture(dir_.filePath("nothing.jpg")), MediaState::Unreadable);
    EXPECT_EQ(inspectAnimation(dir_.filePath("nothing.gif")), MediaState::Unreadable);
}

TEST_F(Pictures, GifPlayerLoadsStartsAndStops)
{
    GifPlayer player(QStringLiteral("GIF1"));
    EXPECT_EQ(player.objectName(), QStringLiteral("GIF1"));
    EXPECT_FALSE(player.hasAnimation());
    player.start();  // nothing to start: no effect
    EXPECT_FALSE(player.isRunning());

    ASSERT_TRUE(player.loadFile(write("problema_GIF1.gif", testing::makeGif())));
    EXPECT_TRUE(player.hasAnimation());
    EXPECT_FALSE(player.isRunning());
    player.start();
    EXPECT_TRUE(player.isRunning());
    player.stop();
    EXPECT_FALSE(player.isRunning());
    EXPECT_TRUE(player.hasAnimation());
    player.clear();
    EXPECT_FALSE(player.hasAnimation());
    EXPECT_TRUE(player.pixmap().isNull());
}

// The windows load the same animation at every mistake and every problem,
// and eight windows load the same files: a file is decoded once and every
// player shares its frames; loading it again gives the first frame, stopped,
// as a fresh read would; a file changed on disk is read anew.
TEST_F(Pictures, GifPlayerLoadingTheSameFileAgainGivesTheFirstFrameAgain)
{
    const QString path = write("problema_GIF1.gif", testing::makeGif());
    GifPlayer fresh(QStringLiteral("GIF2"));
    ASSERT_TRUE(fresh.loadFile(path));
    const QPixmap first = fresh.currentPixmap();
    ASSERT_EQ(first.toImage().pixelColor(0, 0), QColor(Qt::red));

    GifPlayer player(QStringLiteral("GIF1"));
    ASSERT_TRUE(player.loadFile(path));
    EXPECT_EQ(player.currentPixmap().cacheKey(), first.cacheKey()) << "decoded twice";
    for (const char* when : {"while it plays", "after clear()"}) {
        SCOPED_TRACE(when);
        player.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentFrame() == 1; }, 2000));
        if (std::string(when) == "after clear()") {
            player.clear();
            EXPECT_FALSE(player.hasAnimation());
        }
        ASSERT_TRUE(player.loadFile(path));
        EXPECT_FALSE(player.isRunning());
        EXPECT_EQ(player.currentFrame(), 0);
        EXPECT_EQ(player.currentPixmap().cacheKey(), first.cacheKey());
    }

    // The same size, a later time: the colours of the palette swapped.
    QByteArray blue = testing::makeGif();
    std::swap_ranges(blue.begin() + 13, blue.begin() + 16, blue.begin() + 16);
    ASSERT_TRUE(testing::writeFile(path, blue));
    QFile changed(path);
    ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
    ASSERT_TRUE(changed.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    changed.close();
    ASSERT_TRUE(player.loadFile(path));
    EXPECT_EQ(player.currentPixmap().toImage().pixelColor(0, 0), QColor(Qt::blue));
}

// A GIF without a loop count plays once and rests on its last frame, as a
// browser shows it; one that shows a stretched animation paints it at its
// own size.
TEST_F(Pictures, GifPlayerPlaysAsTheFileSaysAndStretches)
{
    GifPlayer player(QStringLiteral("GIF1"));
    ASSERT_TRUE(player.loadFile(write("once.gif", testing::makeGif())));
    player.start();
    EXPECT_TRUE(player.isRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isRunning(); }, 3000));
    EXPECT_EQ(player.currentFrame(), 1);

    player.setStretch(true);
    player.resize(40, 30);
    const QImage painted = player.grab().toImage();
    ASSERT_EQ(painted.size(), QSize(40, 30));
    EXPECT_EQ(painted.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(painted.pixelColor(39, 29), QColor(Qt::red));
}

TEST_F(Pictures, GifPlayerKeepsItsPictureWhenTheFileIsMissingOrBroken)
{
    GifPlayer player(QStringLiteral("GIF2"));
    QPixmap design(4, 4);
    design.fill(Qt::green);
    player.setPixmap(design);

    EXPECT_FALSE(player.loadFile(dir_.filePath("problema_GIF2.gif")));
    EXPECT_FALSE(player.loadFile(write("broken.gif", "GIF89a but nothing else")));
    EXPECT_FALSE(player.hasAnimation());
    EXPECT_FALSE(player.pixmap().isNull());

    ASSERT_TRUE(player.loadFile(write("good.gif", testing::makeGif())));
    const QString loaded = player.fileName();
    EXPECT_FALSE(player.loadFile(dir_.filePath("missing.gif")));
    EXPECT_EQ(player.fileName(), loaded);
}

}  // namespace
}  // namespace quorvia::platform
