#include "ActionAnimator.h"
#include "Clock.h"
#include "LiveSample.h"
#include "Sleeper.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace dormivo {
namespace {

FrameValues sample(std::uint8_t action, std::uint8_t level) {
    FrameValues v;
    v.actionState = action;
    v.snoreLevel = level;
    return v;
}

// Moves the clock instead of waiting, puts the scripted samples into the live
// sample when their moment comes, and asks the loop to end at `until`.
class ScriptedSleeper final : public Sleeper {
public:
    ScriptedSleeper(ManualClock& clock, LiveSample& live, std::atomic<bool>& stop,
                    std::map<std::int64_t, FrameValues> script, std::int64_t until)
        : clock_(clock), live_(live), stop_(stop), script_(std::move(script)), until_(until) {
        apply();
    }
    void sleepMillis(int ms) override {
        clock_.advanceMillis(ms);
        apply();
        if (clock_.nowMillis() >= until_) {
            stop_.store(true);
        }
    }

private:
    void apply() {
        auto it = script_.upper_bound(clock_.nowMillis());
        if (it != script_.begin()) {
            live_.store(std::prev(it)->second);
        }
    }
    ManualClock& clock_;
    LiveSample& live_;
    std::atomic<bool>& stop_;
    std::map<std::int64_t, FrameValues> script_;
    std::int64_t until_;
};

using Change = std::pair<std::int64_t, int>; // (ms, picture)

struct AnimationCase {
    const char* name;
    std::map<std::int64_t, FrameValues> script;
    std::int64_t until;
    std::vector<Change> changes;
    int finalPicture;
};

class ActionPictureRulesTest : public ::testing::TestWithParam<AnimationCase> {};

TEST_P(ActionPictureRulesTest, PicturesChangeAtTheEvaluationsTheRulesGive) {
    const AnimationCase& c = GetParam();
    ManualClock clock;
    LiveSample live;
    std::atomic<bool> stop{false};
    std::atomic<int> actionPicture{-1};
    ScriptedSleeper sleeper(clock, live, stop, c.script, c.until);
    std::vector<Change> changes;
    ActionAnimator animator(live, stop, actionPicture, sleeper,
                            [&](int picture) { changes.emplace_back(clock.nowMillis(), picture); });

    animator.run();

    EXPECT_EQ(changes, c.changes);
    EXPECT_EQ(actionPicture.load(), c.finalPicture);
    EXPECT_EQ(clock.nowMillis(), c.until) << "the loop ends at the first check after the stop";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ActionPictureRulesTest,
    ::testing::Values(AnimationCase{"RearViewAlternatesWhileSnoring",
                                    {{0, sample(2, 3)}},
                                    4600,
                                    {{0, 1}, {1500, 2}, {3000, 1}, {4500, 2}},
                                    2},
                      AnimationCase{"NoSnoringKeepsThePicture",
                                    {{0, sample(2, 3)}, {2000, sample(2, 0)}},
                                    6100,
                                    {{0, 1}, {1500, 2}},
                                    2},
                      AnimationCase{"NoActionShowsTheRestingHead",
                                    {{0, sample(4, 2)}, {2000, sample(0, 2)}},
                                    3100,
                                    {{0, 3}, {1500, 4}, {3000, 0}},
                                    0},
                      AnimationCase{"SideAndRearViewShareOneAlternation",
                                    {{0, sample(1, 1)}, {1000, sample(5, 1)}},
                                    3100,
                                    {{0, 1}, {1500, 4}, {3000, 3}},
                                    3},
                      AnimationCase{"UnknownActionLeavesTheAlternationAsItWas",
                                    {{0, sample(2, 3)}, {1000, sample(7, 3)}, {2000, sample(3, 3)}},
                                    3100,
                                    {{0, 1}, {1500, 0}, {3000, 2}},
                                    2},
                      AnimationCase{
                          "RestingHeadAtTheStartIsNoChange", {{0, sample(0, 5)}}, 1600, {}, 0}),
    [](const ::testing::TestParamInfo<AnimationCase>& info) { return info.param.name; });

} // namespace
} // namespace dormivo
