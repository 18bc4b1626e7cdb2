// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program when the check stops moving: a problem whose window
// never returns would otherwise hold a teacher's terminal, or a CI job,
// forever. The check reports each new piece of work with beat().

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace quorvia::check {

class Watchdog {
public:
    // `onStall` runs on the watchdog's thread with the last piece of work
    // reported, when no beat came for `limit`; it must end the program.
    Watchdog(std::chrono::milliseconds limit, std::function<void(const std::string& work)> onStall);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void beat(const std::string& work);

private:
    void watch();

    const std::chrono::milliseconds limit_;
    std::function<void(const std::string&)> on_stall_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string work_;
    std::chrono::steady_clock::time_point last_beat_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace quorvia::check
