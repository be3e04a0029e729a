#include "LinkWorker.h"
#include "LinkFakes.h"
#include "LinkWorkerThread.h"

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

using Timeline = std::map<std::int64_t, DeviceMode>;

// One worker against a fake pillow on a manual clock; run() returns once the
// worker has ended, which it does after the stop moment.
struct WorkerRig {
    WorkerRig(Timeline timeline, std::int64_t stopAtMs, bool recording)
        : device(clock, std::move(timeline)), sleeper(clock, shared, stopAtMs) {
        shared.recordingActive = recording;
    }
    void run() {
        LinkWorker worker(shared, view, writer, opener, {"/dev/ttyACM1", "/dev/ttyACM0"}, sleeper);
        worker.run();
    }
    std::vector<WrittenLine> fillerLines() const {
        std::vector<WrittenLine> fillers;
        for (const WrittenLine& l : writer.lines) {
            if (l.level == 8) {
                fillers.push_back(l);
            }
        }
        return fillers;
    }

    ManualClock clock{0};
    LinkShared shared;
    FakeDevice device;
    FakeOpener opener{device, "/dev/ttyACM0"};
    FakeSleeper sleeper;
    RecordingView view{clock};
    RecordingWriter writer{clock};
};

void expectEndedCleanly(const WorkerRig& rig) {
    EXPECT_EQ(rig.device.livePorts, 0);
    EXPECT_EQ(rig.shared.portHandle, nullptr);
    EXPECT_EQ(rig.shared.linkConnected.load(), 0);
    ASSERT_FALSE(rig.view.calls.empty());
    EXPECT_EQ(rig.view.calls.back().what, "lamp");
    EXPECT_EQ(rig.view.calls.back().lamp, 0);
}

TEST(LinkWorker, DataAtOnceIsRecordedOneLinePerCycle) {
    WorkerRig rig({{0, DeviceMode::Streaming}}, 1000, true);
    rig.run();
    EXPECT_EQ(rig.view.lampChanges(), (std::vector<int>{2, 0}));
    ASSERT_EQ(rig.writer.lines.size(), 10u);
    for (std::size_t i = 0; i < rig.writer.lines.size(); ++i) {
        const std::int64_t at = static_cast<std::int64_t>(i) * 100;
        const FrameValues sent = frameAt(at);
        EXPECT_EQ(rig.writer.lines[i],
                  (WrittenLine{at, sent.snoreLevel, sent.sensorMask, sent.actionState}));
    }
    EXPECT_EQ(rig.shared.liveSample.read(), frameAt(900));
    EXPECT_EQ(rig.device.purges, rig.device.reads);
    EXPECT_EQ(rig.opener.attempts, (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyACM0"}));
    expectEndedCleanly(rig);
}

TEST(LinkWorker, ShortSilenceTurnsTheLampGreyAndBackWithoutFiller) {
    WorkerRig rig(
        {{0, DeviceMode::Streaming}, {1000, DeviceMode::Silent}, {5000, DeviceMode::Streaming}},
        6000, true);
    rig.run();
    EXPECT_EQ(rig.view.lampChanges(), (std::vector<int>{2, 1, 2, 0}));
    // The 31st empty read: the reads at 1000 .. 4000 ms.
    EXPECT_EQ(rig.view.firstCall("lamp", 1, 0), 4000);
    EXPECT_EQ(rig.view.firstCall("label", -1, 0), 4000);
    EXPECT_EQ(rig.view.firstCall("lamp", 2, 4000), 5000);
    EXPECT_TRUE(rig.fillerLines().empty());
    EXPECT_EQ(rig.view.firstCall("refresh", -1, 1000), 5000) << "nothing cleared while silent";
    EXPECT_EQ(rig.device.opens.size(), 1u);
    expectEndedCleanly(rig);
}

TEST(LinkWorker, LongSilenceClosesThePortAndReopensAfterThePause) {
    WorkerRig rig({{0, DeviceMode::Streaming}, {1000, DeviceMode::Silent}}, 70000, true);
    rig.run();
    // The 601st empty read is the one at 61000 ms; the pause ends 5 s later.
    ASSERT_EQ(rig.device.opens, (std::vector<std::int64_t>{0, 66000}));
    EXPECT_EQ(rig.device.closes.front(), 61000);
    EXPECT_EQ(rig.view.firstCall("refresh", -1, 1000), 61000);
    EXPECT_EQ(rig.view.lampChanges(), (std::vector<int>{2, 1, 2, 1, 0}));
    EXPECT_EQ(rig.view.firstCall("lamp", 2, 61000), 66000);
    EXPECT_EQ(rig.shared.liveSample.read(), (FrameValues{0, 0, 0, 0, frameAt(900).auxByte7}));
    EXPECT_TRUE(rig.fillerLines().empty());
    expectEndedCleanly(rig);
}

TEST(LinkWorker, ReadFailures) {
    struct Case {
        const char* name;
        Timeline timeline;
        std::vector<std::int64_t> opens;
        std::vector<int> lamps;
        bool cleared;
    };
    const std::vector<Case> cases = {
        // Unplugged at 2000: both reads of that cycle fail, the port closes
        // at 2100, and after the pause the search finds nothing.
        {"unplugged",
         {{0, DeviceMode::Streaming}, {2000, DeviceMode::Absent}},
         {0},
         {2, 1, 0},
         true},
        // One failed read and a working port on the second try: no drop.
        {"one failed read",
         {{0, DeviceMode::Streaming}, {2000, DeviceMode::Absent}, {2050, DeviceMode::Streaming}},
         {0},
         {2, 0},
         false},
        // Unplugged and back during the pause: opened again when it ends.
        {"replugged during the pause",
         {{0, DeviceMode::Streaming}, {2000, DeviceMode::Absent}, {4000, DeviceMode::Streaming}},
         {0, 7100},
         {2, 1, 2, 0},
         true},
    };
    for (const Case& c : cases) {
        WorkerRig rig(c.timeline, 9000, false);
        rig.run();
        EXPECT_EQ(rig.device.opens, c.opens) << c.name;
        EXPECT_EQ(rig.view.lampChanges(), c.lamps) << c.name;
        EXPECT_EQ(rig.view.firstCall("refresh", -1, 2000) == 2100, c.cleared) << c.name;
        if (c.cleared) {
            EXPECT_EQ(rig.device.closes.front(), 2100) << c.name;
            EXPECT_EQ(rig.view.firstCall("lamp", 1, 0), 2100) << c.name;
        }
        expectEndedCleanly(rig);
    }
}

TEST(LinkWorker, SearchingWhileRecordingWritesFillerLines) {
    WorkerRig rig({{0, DeviceMode::Absent}}, 16500, true);
    rig.run();
    std::vector<WrittenLine> expected;
    for (std::int64_t tick = 0; tick < 150; tick += 11) {
        expected.push_back({tick * 100, 8, 0xFFF, 8});
    }
    // The next 15 s wait starts after the failed search at 15000 ms.
    expected.push_back({15000, 8, 0xFFF, 8});
    expected.push_back({16100, 8, 0xFFF, 8});
    EXPECT_EQ(rig.writer.lines, expected);
    EXPECT_EQ(rig.opener.attempts.size(), 4u) << "two full searches";
    EXPECT_EQ(rig.view.firstCall("label", -1, 0), 0);
    EXPECT_EQ(rig.view.lampChanges(), (std::vector<int>{1, 0}));
    expectEndedCleanly(rig);
}

TEST(LinkWorker, FillerLineTheFileRefusedIsReported) {
    WorkerRig rig({{0, DeviceMode::Absent}}, 500, true);
    rig.writer.accepts = false;
    rig.run();
    EXPECT_TRUE(rig.shared.sampleWriteFailed.load());
}

TEST(LinkWorker, StopIsHonouredWithinOneCycleInEveryState) {
    struct Case {
        const char* name;
        Timeline timeline;
        std::int64_t stopAt;
    };
    const std::vector<Case> cases = {
        {"searching", {{0, DeviceMode::Absent}}, 5050},
        {"connected", {{0, DeviceMode::Streaming}}, 1050},
        {"silent", {{0, DeviceMode::Streaming}, {1000, DeviceMode::Silent}}, 6050},
        {"between two failed reads",
         {{0, DeviceMode::Streaming}, {2000, DeviceMode::Absent}},
         2050},
        {"drop pause", {{0, DeviceMode::Streaming}, {2000, DeviceMode::Absent}}, 3050},
        {"drop pause after silence", {{0, DeviceMode::Silent}}, 63050},
    };
    for (const Case& c : cases) {
        WorkerRig rig(c.timeline, c.stopAt, true);
        rig.run();
        EXPECT_LE(rig.clock.nowMillis(), c.stopAt + 100) << c.name;
        EXPECT_TRUE(rig.fillerLines().empty() || c.timeline.at(0) == DeviceMode::Absent) << c.name;
        expectEndedCleanly(rig);
    }
}

TEST(LinkWorker, StopAskedBeforeTheStartEndsWithoutSearching) {
    WorkerRig rig({{0, DeviceMode::Absent}}, 0, true);
    rig.shared.linkStopRequested = true;
    rig.run();
    EXPECT_TRUE(rig.writer.lines.empty());
    EXPECT_EQ(rig.view.lampChanges(), (std::vector<int>{0}));
    expectEndedCleanly(rig);
}

TEST(LinkWorkerThread, OneWorkerAtATimeAndAStaleStopIsCleared) {
    // The fake sleeper never asks for the stop itself: only stopAndWait does.
    WorkerRig rig({{0, DeviceMode::Absent}}, INT64_MAX, false);
    LinkWorkerThread thread;
    const auto makeWorker = [&rig] {
        return std::make_unique<LinkWorker>(rig.shared, rig.view, rig.writer, rig.opener,
                                            std::vector<std::string>{"/dev/ttyACM0"}, rig.sleeper);
    };
    rig.shared.linkStopRequested = true; // left over from the previous worker
    ASSERT_TRUE(thread.start(rig.shared, makeWorker()));
    EXPECT_FALSE(rig.shared.linkStopRequested.load()) << "cleared before the worker runs";
    EXPECT_FALSE(thread.start(rig.shared, makeWorker())) << "a worker still runs";
    thread.stopAndWait();
    EXPECT_FALSE(thread.running());
    expectEndedCleanly(rig);

    // The next page visit starts a new worker once the old one has ended.
    ASSERT_TRUE(thread.start(rig.shared, makeWorker()));
    thread.stopAndWait();
    expectEndedCleanly(rig);
}

} // namespace
} // namespace dormivo::test
