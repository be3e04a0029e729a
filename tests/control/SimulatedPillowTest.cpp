// The recording control with the real link worker, reading the simulated
// pillow's pseudo-terminal, from START to the pulled cable.
#include "ScheduleFixture.h"

#include "FrameScanner.h"
#include "LinkView.h"
#include "LinkWorker.h"
#include "LinkWorkerThread.h"
#include "PosixSerialPort.h"
#include "PtyDevice.h"
#include "RecordingSampleWriter.h"
#include "SampleWriter.h"
#include "Sleeper.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace dormivo::test {
namespace {

using Lines = std::vector<std::string>;

class SilentView final : public LinkView {
public:
    void setUsbLamp(int) override {}
    void setLampLabelText(std::string_view) override {}
    void restyleStartButton() override {}
    void refreshMonitorCells() override {}
};

// The worker's 100 ms cycles in 10 ms, so silences it tolerates stay well
// above any pause of this test's feeding.
class FastSleeper final : public Sleeper {
public:
    void sleepMillis(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds / 10));
    }
};

class SimulatedPillowTest : public ScheduleFixture {
protected:
    void SetUp() override {
        ScheduleFixture::SetUp();
        bench.link.linkConnected = 0;
        std::string error;
        ASSERT_TRUE(pillow.plugIn(portPath, error)) << error;
        ASSERT_TRUE(worker.start(
            bench.link, std::make_unique<LinkWorker>(bench.link, view, writer, opener,
                                                     std::vector<std::string>{portPath}, sleeper)));
    }
    void TearDown() override { worker.stopAndWait(); }

    // Sends one frame every few milliseconds until `done` holds; false when it
    // never does (a hung worker, not a slow machine).
    template <typename Condition> bool feedUntil(Condition done) {
        const auto frame = encodeFrame({3, 0x1f0, 2, 0, 0});
        for (int i = 0; i < 4000; ++i) {
            if (done())
                return true;
            pillow.write(frame);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return done();
    }

    std::string portPath = bench.path(QStringLiteral("pillow")).toStdString();
    sim::PtyDevice pillow;
    SilentView view;
    RecordingSampleWriter writer{bench.file};
    PosixPortOpener opener;
    FastSleeper sleeper;
    LinkWorkerThread worker;
};

TEST_F(SimulatedPillowTest, PulledCableEndsTheRecordingAtTheNextTickOfTimerOne) {
    ASSERT_TRUE(feedUntil([&] { return bench.link.linkConnected.load() == 1; }));
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {21, 30, 0});
    ASSERT_EQ(bench.control.state(), PageState::Recording);
    const QString night = bench.path(QStringLiteral("night.gnf"));
    ASSERT_TRUE(feedUntil([&] { return bench.fileBytes(night).count("[3][1f0][2]") >= 3; }));

    pillow.unplug();
    ASSERT_TRUE(feedUntil([&] { return bench.link.linkConnected.load() == 0; }));
    bench.runFor(500);

    const Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-21:30: 1]:[USB connection is failed, recording is to be stopped!]",
                  "[2013/ 5/ 7-21:30: 1]:[Recording is stopped.]",
                  "[2013/ 5/ 7-21:30: 1]:[Data recording file is closed.]",
              }));
    ASSERT_EQ(bench.page.messages.size(), 1u);
    EXPECT_EQ(
        bench.page.messages[0].text,
        QStringLiteral("USB connection is failed at time'2013-May-07 21:30:01'recording quit"));
    EXPECT_EQ(bench.page.buttonText, QStringLiteral("START"));
    EXPECT_EQ(bench.control.state(), PageState::Idle);

    // The block: the remark, its header, then whole sample lines of what was
    // sent (or filler lines, had the worker searched for long after the pull).
    const QByteArray bytes = bench.fileBytes(night);
    ASSERT_TRUE(bytes.startsWith("Remarks:\r\nTAMOSTART:[2013-05-07 21:30:01][1][1]\r\n"));
    const QList<QByteArray> samples = bytes.mid(49).split('\n');
    ASSERT_GE(samples.size(), 4);
    EXPECT_TRUE(samples.back().isEmpty());
    for (qsizetype i = 0; i + 1 < samples.size(); ++i)
        EXPECT_TRUE(samples[i] == "[21:30:01]:[3][1f0][2]\r" ||
                    samples[i] == "[21:30:01]:[8][fff][8]\r")
            << samples[i].toStdString();
}

} // namespace
} // namespace dormivo::test
