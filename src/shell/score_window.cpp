// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/score_window.h"

#include "base/resource_folder.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "platform/wave_header.h"
#include "shell/comic_font.h"
#include "shell/program_media.h"
#include "widgets/child_places.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtEndian>

#include <cmath>

namespace quorvia {
namespace {

const QColor kGrey(128, 128, 128);
// White on it reads at 4.5 : 1, the dark blue digits at 3 : 1.
const QColor kRed(238, 0, 0);
const QColor kDarkBlue(0, 0, 160);  // stored as 10485760, red in the low byte

const QString kCreditsTitle = QStringLiteral(
    "Quorvia\nProblemi di matematica per la scuola primaria\nGrazie per aver giocato con noi!");
const QString kCreditsBody = QStringLiteral(
    "Leggi il problema,\nriscrivi la domanda,\nscrivi i dati,\nrisolvi lo schema\ne scrivi "
    "la risposta:\npasso dopo passo\nogni problema diventa facile.");

const ChildPlace kLayout[] = {
    {"Label1", {8, 8, 680, 145}},    {"Label2", {8, 156, 401, 303}},
    {"Image1", {412, 156, 276, 302}}, {"Label3", {8, 461, 680, 129}},
    {"LED", {248, 496, 105, 81}},    {"Label4", {352, 504, 137, 81}},
    {"Image2", {363, 480, 142, 105}},
};

QLabel* makeLabel(const QString& name, const QString& text, const QColor& background,
                  int pixelSize, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(comicFont(pixelSize));
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

void appendLe16(QByteArray& bytes, quint16 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), 2);
}

void appendLe32(QByteArray& bytes, quint32 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), 4);
}

}  // namespace

TForm3::TForm3(const QString& resourceFolder, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint),
      resource_folder_(resourceFolder.isEmpty() ? applicationResourceFolder()
                                                : withTrailingSeparator(resourceFolder))
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Quorvia"));
    setFixedSize(698, 592);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGrey);
    setPalette(palette);
    createControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm3::createControls()
{
    Label1 = makeLabel(QStringLiteral("Label1"), kCreditsTitle, kRed, 21, Qt::AlignCenter, this);
    Label2 = makeLabel(QStringLiteral("Label2"), kCreditsBody, kDarkBlue, 21, Qt::AlignCenter, this);
    Image1 = new PictureBox(QStringLiteral("Image1"), this);
    Image1->loadFile(resourceFile(resource_folder_, QStringLiteral("logo.png")));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Punti"), kRed, 21,
                       Qt::AlignHCenter | Qt::AlignTop, this);

    // One digit to begin with, so the digit fills the display; it grows
    // when the count needs more.
    LED = new QLCDNumber(1, this);
    LED->setObjectName(QStringLiteral("LED"));
    LED->setSegmentStyle(QLCDNumber::Flat);
    LED->setFrameShape(QFrame::NoFrame);
    LED->setAutoFillBackground(true);
    QPalette led = LED->palette();
    led.setColor(QPalette::Window, kRed);
    led.setColor(QPalette::WindowText, kDarkBlue);
    led.setColor(QPalette::Light, kDarkBlue);
    led.setColor(QPalette::Dark, kDarkBlue);
    LED->setPalette(led);

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("X"), kRed, 48,
                       Qt::AlignLeft | Qt::AlignVCenter, this);

    Image2 = new platform::GifPlayer(QStringLiteral("Image2"), this);
    Image2->setStretch(true);
    Image2->setAttribute(Qt::WA_TranslucentBackground);
    Image2->loadFile(resourceFile(resource_folder_, QLatin1String(media::kCornerAnimation)));
    Image2->hide();

    SUONO = new platform::WavePlayer(QStringLiteral("SUONO"), this);
    SUONO->setWave(builtInSound());

    placeChildren(this, kLayout);
}

int TForm3::displayedValue() const
{
    return LED->intValue();
}

bool TForm3::isCounting() const
{
    return Timer1->isActive();
}

void TForm3::setDisplay(int value)
{
    const int digits = QString::number(value).size();
    if (digits > LED->digitCount())
        LED->setDigitCount(digits);
    LED->display(value);
}

void TForm3::showPoints(int points)
{
    setPoints(points);
    exec();
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm3::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::FormActivate()
{
    // A sound file whose length cannot be read counts as no file at all:
    // the count-up keeps the built-in sound and the window its 10 ticks.
    auto readableSound = [this](const char* name) {
        QFile file(resourceFile(resource_folder_, QLatin1String(name)));
        QByteArray wave;
        if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly))
            wave = file.readAll();
        return platform::waveLengthSeconds(wave) ? wave : QByteArray();
    };

    ticks_ = 10;
    if (points_ > 0) {
        const QByteArray ding = readableSound(media::kPointSound);
        if (!ding.isEmpty()) {
            SUONO->setWave(ding);
            ticks_ = ticksForSound(ding);
        }
    } else {
        const QByteArray closing = readableSound(media::kNoPointsSound);
        if (!closing.isEmpty()) {
            SUONO->setWave(closing);
            ticks_ = ticksForSound(closing);
            SUONO->play();
        }
    }
    setDisplay(0);
    Label1->show();
    Label2->show();
    Image2->show();
    Image2->start();
    Timer1->start(tick_interval_);
}

void TForm3::Timer1Timer()
{
    if (ticks_ <= 0) {
        Timer1->stop();
        QCoreApplication::processEvents();
        close();
        return;
    }
    --ticks_;
    if (points_ > 0) {
        --points_;
        setDisplay(LED->intValue() + 1);
        SUONO->play();
    }
    QCoreApplication::processEvents();
}

int TForm3::ticksForSound(const QByteArray& wave)
{
    const std::optional<double> seconds = platform::waveLengthSeconds(wave);
    if (!seconds)
        return 10;
    // The default rounding mode sends halves to the even neighbour.
    const double rounded = std::nearbyint(*seconds);
    // A plausible header still may claim hours of sound; the window closes
    // within a day whatever the header says.
    constexpr double kLongestSeconds = 24 * 60 * 60;
    return 2 * (int(std::min(rounded, kLongestSeconds)) + 5);
}

QByteArray TForm3::builtInSound()
{
    // A short chime: 0.12 s of a fading 1320 Hz tone, 8-bit mono at 11025 Hz.
    constexpr quint32 kRate = 11025;
    constexpr int kSamples = kRate * 12 / 100;
    QByteArray samples(kSamples, '\0');
    for (int i = 0; i < kSamples; ++i) {
        const double fade = 1.0 - double(i) / kSamples;
        const double value = std::sin(2 * M_PI * 1320.0 * i / kRate) * fade * 90.0;
        samples[i] = char(quint8(128 + int(value)));
    }
    QByteArray wave("RIFF");
    appendLe32(wave, quint32(36 + samples.size()));
    wave.append("WAVEfmt ");
    appendLe32(wave, 16);
    appendLe16(wave, 1);      // PCM
    appendLe16(wave, 1);      // mono
    appendLe32(wave, kRate);  // samples per second
    appendLe32(wave, kRate);  // bytes per second
    appendLe16(wave, 1);      // block alignment
    appendLe16(wave, 8);      // bits per sample
    wave.append("data");
    appendLe32(wave, quint32(samples.size()));
    wave.append(samples);
    return wave;
}

}  // namespace quorvia
