// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace quorvia::platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The pipe a handler writes to: a handler may do little more than write().
int g_pipe[2] = {-1, -1};
struct sigaction g_before[3];
bool g_requested = false;

extern "C" void noteSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), on_signal_(std::move(onSignal))
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // one at a time; without a pipe the signals act as before
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {}
        g_requested = true;
        if (on_signal_)
            on_signal_();
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_before[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_before[i], nullptr);
    delete notifier_;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_requested = false;
}

bool terminationRequested()
{
    return g_requested;
}

}  // namespace quorvia::platform
