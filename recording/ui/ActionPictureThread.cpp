#include "ActionPictureThread.h"

namespace dormivo {

bool ActionPictureThread::start(const LiveSample& sample, std::atomic<int>& actionPicture,
                                Sleeper& sleeper, ActionAnimator::PictureChanged changed) {
    if (thread_.joinable()) {
        return false;
    }
    animationStopRequested_.store(false);
    animator_ = std::make_unique<ActionAnimator>(sample, animationStopRequested_, actionPicture,
                                                 sleeper, std::move(changed));
    thread_ = std::thread([a = animator_.get()] { a->run(); });
    return true;
}

void ActionPictureThread::stopAndWait() {
    if (!thread_.joinable()) {
        return;
    }
    animationStopRequested_.store(true);
    thread_.join();
    animator_.reset();
}

} // namespace dormivo
