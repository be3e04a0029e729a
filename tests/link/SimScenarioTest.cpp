#include "FrameScanner.h"
#include "NoiseMaker.h"
#include "Scenario.h"
#include "SimOptions.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

namespace dormivo::sim {
namespace {

TEST(ScenarioFile, StepsHoldUntilTheNextLine) {
    std::string error;
    auto scenario = parseScenarioText("# level mask action\n"
                                      "0   1 0f0 0\n"
                                      "1.5 5 FFF 4   # loud\n"
                                      "\n"
                                      "2   silent\n"
                                      "3   0 0 0\n"
                                      "4   unplug\n",
                                      error);
    ASSERT_NE(scenario, nullptr) << error;
    struct Expect {
        double at;
        SimStep::Kind kind;
        FrameValues values;
    };
    const std::vector<Expect> expected = {
        {0.0, SimStep::Kind::Send, {1, 0x0F0, 0, 0, 0}},
        {1.49, SimStep::Kind::Send, {1, 0x0F0, 0, 0, 0}},
        {1.5, SimStep::Kind::Send, {5, 0xFFF, 4, 0, 0}},
        {2.5, SimStep::Kind::Silent, {}},
        {3.9, SimStep::Kind::Send, {0, 0, 0, 0, 0}},
        {4.0, SimStep::Kind::Unplug, {}},
        {99, SimStep::Kind::Unplug, {}},
    };
    for (const Expect& e : expected) {
        const SimStep step = scenario->at(e.at);
        EXPECT_EQ(step.kind, e.kind) << e.at;
        if (e.kind == SimStep::Kind::Send) {
            EXPECT_EQ(step.values, e.values) << e.at;
        }
    }
}

TEST(ScenarioFile, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const std::vector<Case> cases = {
        {"0 1 0 0\nabc 1 0 0\n", "line 2: a time in seconds comes first"},
        {"2 1 0 0\n1 1 0 0\n", "line 2: time goes backwards"},
        {"0 1 1000 0\n", "line 1: expected"},
        {"0 256 0 0\n", "line 1: expected"},
        {"0 -1 0 0\n", "line 1: expected"},
        {"0 1 0\n", "line 1: expected"},
        {"0 quiet\n", "line 1: expected"},
        {"# only a comment\n", "the scenario holds no step"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(parseScenarioText(c.text, error), nullptr) << c.text;
        EXPECT_TRUE(error.starts_with(c.error)) << c.text << " gave: " << error;
    }
}

TEST(NightScenario, ShowsEverythingTheMonitorsCanShow) {
    auto night = makeNightScenario(2013);
    std::set<int> levels;
    std::set<int> actions;
    std::uint16_t sensorsSeen = 0;
    bool headLifted = false;
    bool actionWhileSnoring = false;
    // Half an hour at 20 frames a second.
    for (int i = 0; i < 36000; ++i) {
        const SimStep step = night->at(i / 20.0);
        ASSERT_EQ(step.kind, SimStep::Kind::Send);
        const FrameValues& v = step.values;
        levels.insert(v.snoreLevel);
        actions.insert(v.actionState);
        sensorsSeen |= v.sensorMask;
        headLifted |= v.sensorMask == 0;
        actionWhileSnoring |= v.actionState != 0 && v.snoreLevel > 0;
        // The head lies on one run of neighbouring sensors.
        if (v.sensorMask != 0) {
            const unsigned run = v.sensorMask >> std::countr_zero(v.sensorMask);
            EXPECT_EQ(run & (run + 1), 0u) << std::hex << v.sensorMask;
        }
        ASSERT_LE(v.sensorMask, 0x0FFF);
    }
    EXPECT_EQ(levels, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(actions, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(sensorsSeen, 0x0FFF) << "the head visits all twelve sensors";
    EXPECT_TRUE(headLifted);
    EXPECT_TRUE(actionWhileSnoring);
}

TEST(NightScenario, SameSeedSameNight) {
    auto a = makeNightScenario(7);
    auto b = makeNightScenario(7);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(a->at(i / 20.0).values, b->at(i / 20.0).values) << i;
    }
}

TEST(NoiseMaker, ParserStillFindsEveryFrameSent) {
    NoiseMaker noise(99);
    auto night = makeNightScenario(3);
    std::vector<std::uint8_t> stream;
    int splits = 0;
    for (int i = 0; i < 400; ++i) {
        const FrameValues sent = night->at(i / 20.0).values;
        const auto writes = noise.writesFor(encodeFrame(sent));
        splits += writes.size() > 1;
        for (const auto& w : writes) {
            stream.insert(stream.end(), w.begin(), w.end());
        }
        ASSERT_EQ(findLastFrame(stream), sent) << "frame " << i;
    }
    EXPECT_GT(splits, 0);
    EXPECT_GT(stream.size(), 400 * kFrameSize) << "noise was added";
}

TEST(SimOptions, Arguments) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::string scenario;
        double seconds;
        double hz;
    };
    const std::vector<Case> cases = {
        {{}, true, "night", 0, 20},
        {{"--link", "/tmp/p", "--hz", "50", "--scenario", "quiet", "--noise"},
         true,
         "quiet",
         0,
         50},
        {{"--scenario", "silent-after", "12.5"}, true, "silent-after", 12.5, 20},
        {{"--scenario", "unplug-after", "3"}, true, "unplug-after", 3, 20},
        {{"--scenario", "unplug-after"}, false, "", 0, 0},
        {{"--scenario", "silent-after", "soon"}, false, "", 0, 0},
        {{"--hz", "0"}, false, "", 0, 0},
        {{"--link"}, false, "", 0, 0},
        {{"--volume", "3"}, false, "", 0, 0},
    };
    for (const Case& c : cases) {
        SimOptions options;
        std::string error;
        const bool ok = parseSimOptions(c.args, options, error);
        EXPECT_EQ(ok, c.ok) << error;
        if (ok && c.ok) {
            EXPECT_EQ(options.scenario, c.scenario);
            EXPECT_EQ(options.scenarioSeconds, c.seconds);
            EXPECT_EQ(options.hz, c.hz);
        }
    }
}

} // namespace
} // namespace dormivo::sim
