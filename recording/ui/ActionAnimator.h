#pragma once

#include "ActionPictureRules.h"

#include <atomic>
#include <functional>

namespace dormivo {

class LiveSample;
class Sleeper;

// The action-picture loop: evaluates the live sample at once and then every
// 1.5 s (15 cycles of 100 ms), stores the picture in `actionPicture` and
// reports each change. It returns within one cycle of a stop request.
class ActionAnimator {
public:
    using PictureChanged = std::function<void(int picture)>;

    ActionAnimator(const LiveSample& sample, const std::atomic<bool>& stopRequested,
                   std::atomic<int>& actionPicture, Sleeper& sleeper, PictureChanged changed);

    void run();

    static constexpr int kCycleMillis = 100;
    static constexpr int kCyclesPerEvaluation = 15;

private:
    const LiveSample& sample_;
    const std::atomic<bool>& stopRequested_;
    std::atomic<int>& actionPicture_;
    Sleeper& sleeper_;
    PictureChanged changed_;
    ActionPictureRules rules_;
};

} // namespace dormivo
