// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window shown while the program starts.

#include <QWidget>

namespace quorvia {

class TFrmSplashScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmSplashScreen)
public:
    explicit TFrmSplashScreen(const QString& resourceFolder, QWidget* parent = nullptr);

    // Shows the window, paints it once and blocks for `milliseconds`; the
    // window is hidden again on return.
    void showBlocking(int milliseconds);
};

}  // namespace quorvia
