#pragma once

#include "RecorderMachine.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace dormivo::record {

// Events for the recorder's main thread, posted from the link worker and
// the signal thread.
class RecordEvents {
public:
    using Event = RecorderMachine::Event;
    using TimePoint = std::chrono::steady_clock::time_point;

    void post(Event event) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(event);
        }
        ready_.notify_one();
    }

    // The next event, or nothing once the deadline (when given) has passed.
    std::optional<Event> next(std::optional<TimePoint> deadline) {
        std::unique_lock lock(mutex_);
        const auto ready = [this] { return !queue_.empty(); };
        if (deadline) {
            if (!ready_.wait_until(lock, *deadline, ready)) {
                return std::nullopt;
            }
        } else {
            ready_.wait(lock, ready);
        }
        const Event event = queue_.front();
        queue_.pop_front();
        return event;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Event> queue_;
};

} // namespace dormivo::record
