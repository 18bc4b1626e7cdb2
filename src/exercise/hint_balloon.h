// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint balloon of an exercise window: one message at a time, pointing at
// the centre of a button. A child widget of the window, so what it says and
// whether it shows can be read like any other widget.

#include <QString>
#include <QWidget>

class QTimer;

namespace quorvia {

class HintBalloon : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 260;
    static constexpr int kShowMilliseconds = 8000;

    explicit HintBalloon(QWidget* window);

    // Hides the message shown, then shows `text` pointing at the centre of
    // `target`. An empty text shows the target's own tool tip, and nothing at
    // all when that is empty too.
    void showAt(QWidget* target, const QString& text);
    void dismiss();

    QString text() const { return text_; }
    // The point the balloon's tip touches, in the window's coordinates.
    QPoint tip() const { return tip_; }
    // Where its text stands (without pointer and shadow), in the window's
    // coordinates.
    QRect body() const;

signals:
    // A message has just been shown (the voice reads it).
    void messageShown(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect textRectFor(const QString& text) const;
    // How much of what the child works at `place` would hide: an open list,
    // the inputs of the target's row, the step heading above them.
    int coverage(const QRect& place, QWidget* target) const;

    QString text_;
    QPoint tip_;
    bool tip_below_ = true;  // the balloon stands above the point
    int pointer_ = 12;       // length of the pointer, past the target's row
    QTimer* hide_timer_;
};

}  // namespace quorvia
