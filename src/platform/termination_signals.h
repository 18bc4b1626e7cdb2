// SPDX-License-Identifier: GPL-3.0-or-later
// A computer shut down, a session logged out or Ctrl+C in a terminal ends
// the program through its event loop rather than on the spot, so what is
// done at the end of a run (a child's open problem recorded) still happens.

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace quorvia::platform {

// While it lives, SIGTERM, SIGINT and SIGHUP run `onSignal` on the thread
// that made it, between two events; afterwards they act as before.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    std::function<void()> on_signal_;
    QSocketNotifier* notifier_ = nullptr;
};

// A termination signal has come: the windows that close now close because
// the program ends.
bool terminationRequested();

}  // namespace quorvia::platform
