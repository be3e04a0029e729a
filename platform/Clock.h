#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace dormivo {

// Wall-clock time, injected everywhere a date, a time of day or an elapsed
// interval is needed, so tests can pin and move it without waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t nowMillis() const = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    std::int64_t now() const { return floorDiv(nowMillis(), 1000); }

private:
    static std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
    }
};

class SystemClock final : public Clock {
public:
    std::int64_t nowMillis() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    }
    static const SystemClock& instance() {
        static const SystemClock clock;
        return clock;
    }
};

// A clock that stands still until told to move; safe to read from any thread.
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::int64_t startMillis = 0) : millis_(startMillis) {}
    std::int64_t nowMillis() const override { return millis_.load(); }
    void setMillis(std::int64_t ms) { millis_.store(ms); }
    void setSeconds(std::int64_t s) { millis_.store(s * 1000); }
    void advanceMillis(std::int64_t ms) { millis_.fetch_add(ms); }

private:
    std::atomic<std::int64_t> millis_;
};

} // namespace dormivo
