#pragma once

#include <chrono>
#include <thread>

namespace dormivo {

// The link worker's waits; tests pass one that only moves a manual clock.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleepMillis(int milliseconds) = 0;
};

class ThreadSleeper final : public Sleeper {
public:
    void sleepMillis(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

} // namespace dormivo
