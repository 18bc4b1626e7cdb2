// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/watchdog.h"

namespace quorvia::check {

Watchdog::Watchdog(std::chrono::milliseconds limit, std::function<void(const std::string& work)> onStall)
    : limit_(limit), on_stall_(std::move(onStall)), last_beat_(std::chrono::steady_clock::now())
{
    thread_ = std::thread([this] { watch(); });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::beat(const std::string& work)
{
    std::lock_guard<std::mutex> lock(mutex_);
    work_ = work;
    last_beat_ = std::chrono::steady_clock::now();
}

void Watchdog::watch()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        const auto deadline = last_beat_ + limit_;
        if (wake_.wait_until(lock, deadline, [this] { return stopping_; }))
            return;
        if (std::chrono::steady_clock::now() >= last_beat_ + limit_) {
            const std::string work = work_;
            lock.unlock();
            on_stall_(work);
            return;
        }
    }
}

}  // namespace quorvia::check
