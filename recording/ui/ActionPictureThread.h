#pragma once

#include "ActionAnimator.h"

#include <atomic>
#include <memory>
#include <thread>

namespace dormivo {

// Runs one ActionAnimator on its own thread. The page stops and waits for it
// before it goes away, so a repaint request never reaches a page that is gone.
class ActionPictureThread {
public:
    ActionPictureThread() = default;
    ~ActionPictureThread() { stopAndWait(); }
    ActionPictureThread(const ActionPictureThread&) = delete;
    ActionPictureThread& operator=(const ActionPictureThread&) = delete;

    // Clears animationStopRequested and starts the loop; false when one still runs.
    bool start(const LiveSample& sample, std::atomic<int>& actionPicture, Sleeper& sleeper,
               ActionAnimator::PictureChanged changed);
    bool running() const { return thread_.joinable(); }
    // Asks the loop to end without waiting for it.
    void requestStop() { animationStopRequested_.store(true); }
    void stopAndWait();

private:
    std::atomic<bool> animationStopRequested_{false};
    std::unique_ptr<ActionAnimator> animator_;
    std::thread thread_;
};

} // namespace dormivo
