// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last window of a run: it counts the points up on a seven-segment
// display, one point and one sound every half second, and closes itself
// when its ticks run out.

#include <QByteArray>
#include <QDialog>
#include <QString>

class QLabel;
class QLCDNumber;
class QTimer;

namespace quorvia {

namespace platform {
class GifPlayer;
class WavePlayer;
}  // namespace platform

class PictureBox;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // `resourceFolder` ends with a separator; empty means the RISORSE folder
    // beside the executable.
    explicit TForm3(const QString& resourceFolder = QString(), QWidget* parent = nullptr);

    void setPoints(int points) { points_ = points; }
    int points() const { return points_; }
    int ticks() const { return ticks_; }
    int displayedValue() const;
    bool isCounting() const;

    // The half-second clock; tests shorten it to run the modal loop quickly.
    void setTickInterval(int milliseconds) { tick_interval_ = milliseconds; }

    // Sets the points and shows the window modally until it closes itself.
    void showPoints(int points);

    // Handlers, public so tests can drive the count without waiting.
    void FormActivate();
    void Timer1Timer();

    // Half-second ticks the window stays open for a sound: twice its length
    // in seconds (rounded, halves to even) plus five seconds. A wave whose
    // length cannot be read gives the same 10 ticks as no sound at all.
    static int ticksForSound(const QByteArray& wave);
    // The built-in sound of the count-up.
    static QByteArray builtInSound();

protected:
    void showEvent(QShowEvent* event) override;
    // The window closes itself when its count is over; Escape would cut the
    // count short.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void setDisplay(int value);

    QString resource_folder_;
    int points_ = 0;
    int ticks_ = 0;
    int tick_interval_ = 500;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    PictureBox* Image1 = nullptr;
    platform::GifPlayer* Image2 = nullptr;
    QLCDNumber* LED = nullptr;
    platform::WavePlayer* SUONO = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace quorvia
