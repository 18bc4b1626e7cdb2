// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frame drawn around whichever control of a window has the keyboard focus,
// so a child moving with Tab sees where it is on every control alike: flat
// buttons, operator labels and step buttons show no focus of their own in
// most styles.

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace quorvia {

class FocusRing final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusRing)

public:
    static constexpr int kWidth = 3;

    // Follows the focus inside `window` for as long as the window lives; the
    // ring is owned by the window.
    static FocusRing* install(QWidget* window, const QColor& colour);

    // The control the ring stands around; null while it is hidden.
    QWidget* target() const { return isHidden() ? nullptr : target_.data(); }
    QColor colour() const { return colour_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FocusRing(QWidget* window, const QColor& colour);
    void follow(QWidget* focused);
    void place();

    QPointer<QWidget> window_;
    QPointer<QWidget> target_;
    QColor colour_;
};

}  // namespace quorvia
