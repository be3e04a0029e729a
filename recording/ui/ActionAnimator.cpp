#include "ActionAnimator.h"

#include "LiveSample.h"
#include "Sleeper.h"

namespace dormivo {

ActionAnimator::ActionAnimator(const LiveSample& sample, const std::atomic<bool>& stopRequested,
                               std::atomic<int>& actionPicture, Sleeper& sleeper,
                               PictureChanged changed)
    : sample_(sample), stopRequested_(stopRequested), actionPicture_(actionPicture),
      sleeper_(sleeper), changed_(std::move(changed)) {}

void ActionAnimator::run() {
    int cycles = kCyclesPerEvaluation;
    int lastShown = 0;
    while (true) {
        if (cycles >= kCyclesPerEvaluation) {
            const int picture = rules_.evaluate(sample_.read());
            actionPicture_.store(picture);
            if (picture != lastShown) {
                lastShown = picture;
                changed_(picture);
            }
            cycles = 0;
        }
        sleeper_.sleepMillis(kCycleMillis);
        ++cycles;
        if (stopRequested_.load()) {
            return;
        }
    }
}

} // namespace dormivo
