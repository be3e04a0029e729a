#include "ScheduleFixture.h"

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kOngoing = "Recording is ongoing......................................";

class LogSequenceTest : public ScheduleFixture {};

TEST_F(LogSequenceTest, StartAtOnceOpensHeadsAndRecords) {
    bench.page.remarks = QStringLiteral("Night 1");
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {21, 30, 0});

    EXPECT_EQ(bench.logLines(), (Lines{
                                    "[2013/ 5/ 7-21:30: 0]:[Press <start> to start recording.]",
                                    openedLine("2013/ 5/ 7-21:30: 1"),
                                    "[2013/ 5/ 7-21:30: 1]:[Recording is started.]",
                                    "[2013/ 5/ 7-21:30: 1]:[" + kOngoing + "]",
                                }));
    EXPECT_EQ(bench.control.state(), PageState::Recording);
    EXPECT_TRUE(bench.link.recordingActive.load());
    EXPECT_TRUE(bench.page.running(PageTimer::Recording));
    EXPECT_FALSE(bench.page.running(PageTimer::Idle));
    EXPECT_EQ(bench.page.buttonText, QStringLiteral("STOP"));
    EXPECT_FALSE(bench.page.fileBoxEnabled);
    EXPECT_FALSE(bench.page.pickersEnabled);
    EXPECT_FALSE(bench.page.remarksEnabled);
    EXPECT_EQ(bench.page.lampLabel, QStringLiteral("   USB")); // a start by hand leaves it
    EXPECT_EQ(bench.currentRecordingPath, bench.path(QStringLiteral("night.gnf")));
    ASSERT_TRUE(bench.page.countdown);
    EXPECT_EQ(bench.page.countdown->mode, CountdownMode::Recording);
    EXPECT_EQ(bench.page.countdown->target, localSeconds(2013, 5, 8, 6, 30, 0));

    // The worker's first sample carries the remarks and header lines out with it.
    bench.runFor(1000);
    ASSERT_TRUE(bench.file.writeSampleLine(3, 0x1f0, 2));
    EXPECT_EQ(bench.fileBytes(bench.path(QStringLiteral("night.gnf"))),
              QByteArray("Remarks:Night 1\r\n"
                         "TAMOSTART:[2013-05-07 21:30:01][1][1]\r\n"
                         "[21:30:02]:[3][1f0][2]\r\n"));
}

TEST_F(LogSequenceTest, StartLaterWaitsThenTriggersAtTheStartSecond) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {18, 0, 0});
    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);
    EXPECT_TRUE(bench.page.running(PageTimer::ScheduleWaiting));
    ASSERT_TRUE(bench.page.countdown);
    EXPECT_EQ(bench.page.countdown->mode, CountdownMode::Schedule);
    EXPECT_EQ(bench.page.countdown->target, localSeconds(2013, 5, 7, 22, 0, 0));

    bench.runUntil(2013, 5, 7, 21, 59, 59);
    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);
    bench.runUntil(2013, 5, 7, 22, 0, 1);

    EXPECT_EQ(bench.logLines(), (Lines{
                                    "[2013/ 5/ 7-18: 0: 0]:[Press <start> to start schedule.]",
                                    "[2013/ 5/ 7-18: 0: 0]:[Schedule is started.]",
                                    "[2013/ 5/ 7-22: 0: 0]:[Recording is triggered.]",
                                    openedLine("2013/ 5/ 7-22: 0: 1"),
                                    "[2013/ 5/ 7-22: 0: 1]:[Recording is started.]",
                                    "[2013/ 5/ 7-22: 0: 1]:[" + kOngoing + "]",
                                }));
    EXPECT_EQ(bench.control.state(), PageState::Recording);
    EXPECT_EQ(bench.page.lampLabel, QStringLiteral("RECORDING"));
    ASSERT_TRUE(bench.page.countdown);
    EXPECT_EQ(bench.page.countdown->mode, CountdownMode::Recording);
    EXPECT_EQ(bench.page.countdown->target, localSeconds(2013, 5, 9, 6, 30, 0));

    // The next tick of timer 1 puts the plain label back while the window is open.
    bench.runFor(500);
    EXPECT_EQ(bench.page.lampLabel, QStringLiteral("   USB"));
}

TEST_F(LogSequenceTest, ThreeNightsEndDailyAndExpireAfterTheEndDate) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {18, 0, 0});
    bench.runUntil(2013, 5, 10, 12, 0, 0);

    const std::string opened7 = openedLine("2013/ 5/ 7-22: 0: 1");
    const std::string opened8 = openedLine("2013/ 5/ 8-22: 0: 1");
    const std::string opened9 = openedLine("2013/ 5/ 9-22: 0: 1");
    EXPECT_EQ(bench.logLines(),
              (Lines{
                  "[2013/ 5/ 7-18: 0: 0]:[Press <start> to start schedule.]",
                  "[2013/ 5/ 7-18: 0: 0]:[Schedule is started.]",
                  "[2013/ 5/ 7-22: 0: 0]:[Recording is triggered.]",
                  opened7,
                  "[2013/ 5/ 7-22: 0: 1]:[Recording is started.]",
                  "[2013/ 5/ 7-22: 0: 1]:[" + kOngoing + "]",
                  "[2013/ 5/ 8- 6:30: 0]:[Recording is stopped(Time triggered).]",
                  "[2013/ 5/ 8- 6:30: 0]:[Data recording file is closed.]",
                  "[2013/ 5/ 8- 6:30: 0]:[Schedule is started(From background).]",
                  "[2013/ 5/ 8-22: 0: 0]:[Recording is triggered.]",
                  opened8,
                  "[2013/ 5/ 8-22: 0: 1]:[Recording is started.]",
                  "[2013/ 5/ 8-22: 0: 1]:[" + kOngoing + "]",
                  "[2013/ 5/ 9- 6:30: 0]:[Recording is stopped(Time triggered).]",
                  "[2013/ 5/ 9- 6:30: 0]:[Data recording file is closed.]",
                  "[2013/ 5/ 9- 6:30: 0]:[Schedule is started(From background).]",
                  "[2013/ 5/ 9-22: 0: 0]:[Recording is triggered.]",
                  opened9,
                  "[2013/ 5/ 9-22: 0: 1]:[Recording is started.]",
                  "[2013/ 5/ 9-22: 0: 1]:[" + kOngoing + "]",
                  "[2013/ 5/10- 6:30: 0]:[Recording is stopped(Time triggered).]",
                  "[2013/ 5/10- 6:30: 0]:[Data recording file is closed.]",
                  "[2013/ 5/10- 6:30: 0]:[Schedule is started(From background).]",
                  "[2013/ 5/10- 6:30: 0]:[Schedule is automatically stopped due to time "
                  "expiration]",
              }));
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_TRUE(bench.page.running(PageTimer::Idle));
    EXPECT_EQ(bench.page.timerDue.size(), 1u);
    EXPECT_EQ(bench.page.buttonText, QStringLiteral("START"));
    EXPECT_TRUE(bench.page.fileBoxEnabled);
    EXPECT_TRUE(bench.page.pickersEnabled);
    EXPECT_FALSE(bench.page.countdown);
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(bench.file.isOpen());
    // Each night appends its own block to the one file; the remark opens it once.
    EXPECT_EQ(bench.fileBytes(bench.path(QStringLiteral("night.gnf"))),
              QByteArray("Remarks:\r\n"
                         "TAMOSTART:[2013-05-07 22:00:01][1][1]\r\n"
                         "TAMOSTART:[2013-05-08 22:00:01][1][1]\r\n"
                         "TAMOSTART:[2013-05-09 22:00:01][1][1]\r\n"));
}

TEST_F(LogSequenceTest, CountdownStopEndsARecording) {
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {21, 30, 0});
    bench.runUntil(2013, 5, 7, 23, 10, 5);
    const std::size_t before = bench.logLines().size();
    bench.page.pressCountdownStop();

    const Lines lines = bench.logLines();
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
              (Lines{
                  "[2013/ 5/ 7-23:10: 5]:[Press <STOP> to stop recording.]",
                  "[2013/ 5/ 7-23:10: 5]:[Recording is stopped.]",
                  "[2013/ 5/ 7-23:10: 5]:[Data recording file is closed.]",
              }));
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_FALSE(bench.control.countdownShown());
    EXPECT_TRUE(bench.page.running(PageTimer::Idle));
    EXPECT_FALSE(bench.page.running(PageTimer::Recording));
    EXPECT_EQ(bench.page.buttonText, QStringLiteral("START"));
    EXPECT_TRUE(bench.page.fileBoxEnabled);
    EXPECT_FALSE(bench.page.remarksEnabled); // only the idle file check enables it again
    EXPECT_FALSE(bench.file.isOpen());
}

TEST_F(LogSequenceTest, CountdownStopCancelsAWaitingSchedule) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {18, 0, 0});
    bench.runUntil(2013, 5, 7, 19, 0, 0);
    bench.page.pressCountdownStop();

    EXPECT_EQ(bench.logLines(), (Lines{
                                    "[2013/ 5/ 7-18: 0: 0]:[Press <start> to start schedule.]",
                                    "[2013/ 5/ 7-18: 0: 0]:[Schedule is started.]",
                                    "[2013/ 5/ 7-19: 0: 0]:[Press <STOP> to stop schedule.]",
                                    "[2013/ 5/ 7-19: 0: 0]:[Schedule is stopped.]",
                                }));
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_EQ(bench.page.usbLamp, 2);
    bench.runUntil(2013, 5, 7, 23, 0, 0);
    EXPECT_EQ(bench.logLines().size(), 4u); // the start moment passes unnoticed
}

TEST_F(LogSequenceTest, LinkLossStopsARecordingWithinHalfASecond) {
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {22, 31, 0});
    bench.runUntil(localSeconds(2013, 5, 7, 22, 31, 39) * 1000 + 700);
    bench.link.linkConnected = 0;
    bench.runFor(500);

    const Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-22:31:40]:[USB connection is failed, recording is to be stopped!]",
                  "[2013/ 5/ 7-22:31:40]:[Recording is stopped.]",
                  "[2013/ 5/ 7-22:31:40]:[Data recording file is closed.]",
              }));
    ASSERT_EQ(bench.page.messages.size(), 1u);
    EXPECT_EQ(
        bench.page.messages[0].text,
        QStringLiteral("USB connection is failed at time'2013-May-07 22:31:40'recording quit"));
    EXPECT_EQ(bench.page.messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_EQ(bench.page.buttonText, QStringLiteral("START"));
    EXPECT_FALSE(bench.page.countdown);
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_EQ(bench.page.timerDue.size(), 1u);
    EXPECT_TRUE(bench.page.running(PageTimer::Idle));
}

TEST_F(LogSequenceTest, LinkLossCancelsAWaitingScheduleWithinASecond) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {18, 0, 0});
    bench.runUntil(localSeconds(2013, 5, 7, 20, 15, 0) * 1000 + 100);
    bench.link.linkConnected = 0;
    bench.runFor(1000);

    EXPECT_EQ(bench.logLines(),
              (Lines{
                  "[2013/ 5/ 7-18: 0: 0]:[Press <start> to start schedule.]",
                  "[2013/ 5/ 7-18: 0: 0]:[Schedule is started.]",
                  "[2013/ 5/ 7-20:15: 1]:[USB connection is failed, schedule is to be cancelled!]",
                  "[2013/ 5/ 7-20:15: 1]:[Schedule is stopped.]",
              }));
    ASSERT_EQ(bench.page.messages.size(), 1u);
    EXPECT_EQ(
        bench.page.messages[0].text,
        QStringLiteral("USB connection is failed at time'2013-May-07 20:15:01'recording quit"));
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_EQ(bench.page.usbLamp, 1);
    EXPECT_FALSE(bench.page.countdown);
    EXPECT_TRUE(bench.page.running(PageTimer::Idle));
    EXPECT_EQ(bench.page.timerDue.size(), 1u);
}

TEST_F(LogSequenceTest, QuitWhileRecordingClosesTheFileAndEndsWithAnEmptyLine) {
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {21, 30, 0});
    bench.runUntil(2013, 5, 7, 23, 0, 0);
    EXPECT_TRUE(bench.control.closeRequested());

    const Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-23: 0: 0]:[Press <close> to leave data monitor page and quit "
                  "program.]",
                  "[2013/ 5/ 7-23: 0: 0]:[Recording is stopped(Due to program quit).]",
                  "[2013/ 5/ 7-23: 0: 0]:[Data recording file is closed(Due to program quit).]",
                  "[2013/ 5/ 7-23: 0: 0]:[Program is terminated.]",
                  "",
              }));
    EXPECT_EQ(bench.page.questions, std::vector<QString>{QStringLiteral(
                                        "It is under data recording, do you want to quit?")});
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(bench.file.isOpen());
    EXPECT_FALSE(bench.page.countdown);
}

} // namespace
} // namespace dormivo::test
