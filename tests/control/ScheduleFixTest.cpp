#include "ScheduleFixture.h"

#include <QFileInfo>

#include <algorithm>

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

using Lines = std::vector<std::string>;

long countMessages(const Lines& lines, const std::string& message) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.size() > message.size() + 2 &&
               line.compare(line.size() - message.size() - 1, message.size(), message) == 0;
    });
}

class ScheduleFixTest : public ScheduleFixture {
protected:
    // The next tick of `timer` comes only at `millis`, as after a stalled event loop.
    void delayNextTick(PageTimer timer, std::int64_t millis) {
        ASSERT_TRUE(bench.page.running(timer));
        bench.page.timerDue[timer] = millis;
    }
};

TEST_F(ScheduleFixTest, StartMomentBetweenTwoTicksStillStartsThatNight) {
    struct Case {
        const char* name;
        Day startDate;
        TimeOfDay startTime;
        TimeOfDay lastOnTimeTick; // on 7 May
        Day lateDay;
        TimeOfDay lateTick;
        bool starts;
    };
    const Case cases[] = {
        {"a tick 1.3 s late",
         {2013, 5, 7},
         {22, 0, 0},
         {21, 59, 59},
         {2013, 5, 7},
         {22, 0, 1},
         true},
        {"a skipped minute",
         {2013, 5, 7},
         {22, 0, 0},
         {21, 59, 30},
         {2013, 5, 7},
         {22, 1, 0},
         true},
        {"across midnight",
         {2013, 5, 7},
         {23, 59, 59},
         {23, 59, 58},
         {2013, 5, 8},
         {0, 0, 1},
         true},
        {"before the START Date",
         {2013, 5, 8},
         {22, 0, 0},
         {21, 59, 59},
         {2013, 5, 7},
         {22, 0, 1},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.page.fileBox = b.path(QStringLiteral("night.gnf"));
        b.page.pickers = pickerValues(c.startDate, c.startTime, {2013, 5, 9}, {6, 30, 0});
        b.setNow(2013, 5, 7, 18, 0, 0);
        b.control.startStopClicked();
        ASSERT_EQ(b.control.state(), PageState::ScheduleWaiting);

        b.runUntil(2013, 5, 7, c.lastOnTimeTick.hour, c.lastOnTimeTick.minute,
                   c.lastOnTimeTick.second);
        const std::int64_t late =
            localSeconds(c.lateDay.year, c.lateDay.month, c.lateDay.day, c.lateTick.hour,
                         c.lateTick.minute, c.lateTick.second) *
                1000 +
            300;
        b.page.timerDue[PageTimer::ScheduleWaiting] = late;
        b.runUntil(late);

        EXPECT_EQ(b.control.state(), c.starts ? PageState::Recording : PageState::ScheduleWaiting);
        EXPECT_EQ(countMessages(b.logLines(), "Recording is triggered."), c.starts ? 1 : 0);
    }
}

TEST_F(ScheduleFixTest, EachDayStartsOnceEvenWhenItsRecordingEndsAtOnce) {
    // START Time equal to END Time(Per day): stopped again at the first tick of timer 1.
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {22, 0, 0}), {2013, 5, 7},
               {18, 0, 0});
    bench.runUntil(2013, 5, 7, 22, 0, 2);
    Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6], "[2013/ 5/ 7-22: 0: 1]:[Recording is stopped(Time triggered).]");
    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);

    bench.runUntil(2013, 5, 8, 21, 59, 0);
    EXPECT_EQ(countMessages(bench.logLines(), "Recording is triggered."), 1);
    bench.runUntil(2013, 5, 8, 22, 0, 30);
    EXPECT_EQ(countMessages(bench.logLines(), "Recording is triggered."), 2);
    EXPECT_EQ(countMessages(bench.logLines(), "Recording is stopped(Time triggered)."), 2);
}

TEST_F(ScheduleFixTest, ClockSetBackAfterAStartDoesNotStartThatDayAgain) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {22, 0, 0}), {2013, 5, 7},
               {18, 0, 0});
    bench.runUntil(2013, 5, 7, 22, 0, 5);
    ASSERT_EQ(bench.control.state(), PageState::ScheduleWaiting);
    ASSERT_EQ(countMessages(bench.logLines(), "Recording is triggered."), 1);

    // The system clock is put back an hour; the page's timers go on ticking.
    bench.setNow(2013, 5, 7, 21, 0, 5);
    bench.page.timerDue[PageTimer::ScheduleWaiting] = bench.clock.nowMillis() + 1000;
    bench.runUntil(2013, 5, 7, 22, 0, 30);
    EXPECT_EQ(countMessages(bench.logLines(), "Recording is triggered."), 1);
    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);
}

TEST_F(ScheduleFixTest, EndMinuteBetweenTwoTicksStillEndsTheRecording) {
    pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {21, 0, 0});
    bench.runUntil(2013, 5, 8, 6, 29, 59);
    ASSERT_EQ(bench.control.state(), PageState::Recording);
    delayNextTick(PageTimer::Recording, localSeconds(2013, 5, 8, 6, 31, 10) * 1000);
    bench.runUntil(2013, 5, 8, 6, 31, 10);

    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);
    const Lines lines = bench.logLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3],
              "[2013/ 5/ 8- 6:31:10]:[Recording is stopped(Time triggered).]");
}

TEST_F(ScheduleFixTest, RecordingStartedAfterTheEndMinuteRunsToTheNextOne) {
    pressStart(pickerValues({2013, 5, 7}, {6, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
               {6, 45, 0});
    ASSERT_EQ(bench.control.state(), PageState::Recording);
    bench.runUntil(2013, 5, 8, 6, 29, 59);
    EXPECT_EQ(bench.control.state(), PageState::Recording);
    bench.runUntil(2013, 5, 8, 6, 30, 0);
    EXPECT_EQ(bench.control.state(), PageState::ScheduleWaiting);
}

TEST_F(ScheduleFixTest, RefusedScheduledStartReturnsToIdle) {
    struct Case {
        const char* name;
        bool dropLink;
        const char* message;
    };
    const Case cases[] = {
        {"link gone at the start moment", true,
         "USB connection is not established ,recording can not be launched"},
        {"file box emptied", false, "No recording file is associated, please input file firstly!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.page.fileBox = b.path(QStringLiteral("night.gnf"));
        b.page.pickers = pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0});
        b.setNow(2013, 5, 7, 18, 0, 0);
        b.control.startStopClicked();
        b.runUntil(2013, 5, 7, 21, 59, 59);
        // The world changes between the tick's link check and the start itself.
        b.page.onStopTimer = [&](PageTimer timer) {
            if (timer != PageTimer::ScheduleWaiting)
                return;
            if (c.dropLink)
                b.link.linkConnected = 0;
            else
                b.page.fileBox.clear();
        };
        b.runUntil(2013, 5, 7, 22, 0, 0);

        EXPECT_EQ(b.logLines(), (Lines{
                                    "[2013/ 5/ 7-18: 0: 0]:[Press <start> to start schedule.]",
                                    "[2013/ 5/ 7-18: 0: 0]:[Schedule is started.]",
                                    "[2013/ 5/ 7-22: 0: 0]:[Recording is triggered.]",
                                    "[2013/ 5/ 7-22: 0: 0]:[Schedule is stopped.]",
                                }));
        ASSERT_EQ(b.page.messages.size(), 1u);
        EXPECT_EQ(b.page.messages[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(b.control.state(), PageState::Idle);
        EXPECT_TRUE(b.page.running(PageTimer::Idle));
        EXPECT_EQ(b.page.timerDue.size(), 1u);
        EXPECT_EQ(b.page.buttonText, QStringLiteral("START"));
        EXPECT_TRUE(b.page.fileBoxEnabled);
        EXPECT_TRUE(b.page.pickersEnabled);
        EXPECT_FALSE(b.link.recordingActive.load());
        EXPECT_FALSE(QFileInfo::exists(b.path(QStringLiteral("night.gnf"))));
    }
}

TEST_F(ScheduleFixTest, UnwritableSampleLineStopsTheRecordingAndSaysSo) {
    pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {21, 30, 0});
    bench.runUntil(2013, 5, 7, 23, 5, 9);
    bench.control.onSampleWriteFailed();

    const Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-23: 5: 9]:[Data recording file can not be written, recording is to "
                  "be stopped!]",
                  "[2013/ 5/ 7-23: 5: 9]:[Recording is stopped.]",
                  "[2013/ 5/ 7-23: 5: 9]:[Data recording file is closed.]",
              }));
    ASSERT_EQ(bench.page.messages.size(), 1u);
    EXPECT_EQ(
        bench.page.messages[0].text,
        QStringLiteral(
            "Data recording file can not be written at time'2013-May-07 23:05:09'recording quit"));
    EXPECT_EQ(bench.page.messages[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(bench.page.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(bench.page.questions.empty());
    EXPECT_EQ(bench.control.state(), PageState::Idle);
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(bench.file.isOpen());
    EXPECT_FALSE(bench.page.countdown);
    EXPECT_TRUE(bench.page.running(PageTimer::Idle));
    EXPECT_EQ(bench.page.timerDue.size(), 1u);

    // A late report after the recording has ended changes nothing.
    bench.control.onSampleWriteFailed();
    EXPECT_EQ(bench.logLines().size(), 7u);
    EXPECT_EQ(bench.page.messages.size(), 1u);
}

} // namespace
} // namespace dormivo::test
