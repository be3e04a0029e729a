#include "ScheduleFixture.h"

#include "ScheduleRules.h"

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kEndBeforeStart =
    "The scheduled end date shall not be ealier than the start date,please check the filled date "
    "before launching the schedule!";
const char* const kExpired = "The scheduled date expires and the schedule will never happen, "
                             "please check the filled date before launching the schedule!";

// START pressed on 7 May 2013 at 21:00:00.
TEST(StartDecisionTest, StartPressedAtNinePm) {
    enum class Outcome { Records, Waits, Refused };
    struct Case {
        const char* name;
        Day startDate;
        TimeOfDay startTime;
        Day endDate;
        Outcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {"start time a minute ago",
         {2013, 5, 7},
         {20, 59, 0},
         {2013, 5, 8},
         Outcome::Records,
         nullptr},
        {"start time this minute",
         {2013, 5, 7},
         {21, 0, 0},
         {2013, 5, 8},
         Outcome::Records,
         nullptr},
        {"seconds play no part",
         {2013, 5, 7},
         {21, 0, 59},
         {2013, 5, 8},
         Outcome::Records,
         nullptr},
        {"start time a minute ahead",
         {2013, 5, 7},
         {21, 1, 0},
         {2013, 5, 8},
         Outcome::Waits,
         nullptr},
        {"END Date before START Date",
         {2013, 5, 10},
         {20, 0, 0},
         {2013, 5, 9},
         Outcome::Refused,
         kEndBeforeStart},
        {"END Date before START Date, both past",
         {2013, 5, 3},
         {20, 0, 0},
         {2013, 5, 2},
         Outcome::Refused,
         kEndBeforeStart},
        {"END Date yesterday", {2013, 5, 5}, {20, 0, 0}, {2013, 5, 6}, Outcome::Refused, kExpired},
        {"END Date today", {2013, 5, 7}, {20, 0, 0}, {2013, 5, 7}, Outcome::Records, nullptr},
        {"START Date ahead, time passed",
         {2013, 5, 8},
         {20, 0, 0},
         {2013, 5, 9},
         Outcome::Waits,
         nullptr},
        {"START Date past, time ahead",
         {2013, 5, 5},
         {22, 0, 0},
         {2013, 5, 9},
         Outcome::Waits,
         nullptr},
        {"START Date past, time passed",
         {2013, 5, 5},
         {6, 0, 0},
         {2013, 5, 9},
         Outcome::Records,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.page.fileBox = b.path(QStringLiteral("night.gnf"));
        b.page.startTimer(PageTimer::Idle);
        b.page.pickers = pickerValues(c.startDate, c.startTime, c.endDate, {6, 30, 0});
        b.setNow(2013, 5, 7, 21, 0, 0);
        b.control.startStopClicked();

        switch (c.outcome) {
        case Outcome::Records:
            EXPECT_EQ(b.control.state(), PageState::Recording);
            EXPECT_TRUE(b.page.messages.empty());
            break;
        case Outcome::Waits:
            EXPECT_EQ(b.control.state(), PageState::ScheduleWaiting);
            EXPECT_TRUE(b.page.messages.empty());
            break;
        case Outcome::Refused:
            EXPECT_EQ(b.control.state(), PageState::Idle);
            ASSERT_EQ(b.page.messages.size(), 1u);
            EXPECT_EQ(b.page.messages[0].text, QString::fromLatin1(c.message));
            EXPECT_EQ(b.page.messages[0].caption, QStringLiteral("Information"));
            EXPECT_TRUE(b.page.running(PageTimer::Idle));
            EXPECT_TRUE(b.logLines().empty());
            break;
        }
    }
}

TEST(StartDecisionTest, RecordingStartedOnTheEndDateIsTheLast) {
    ControlBench b;
    b.page.fileBox = b.path(QStringLiteral("night.gnf"));
    b.page.pickers = pickerValues({2013, 5, 7}, {20, 0, 0}, {2013, 5, 7}, {6, 30, 0});
    b.setNow(2013, 5, 7, 21, 0, 0);
    b.control.startStopClicked();
    ASSERT_EQ(b.control.state(), PageState::Recording);

    b.runUntil(2013, 5, 8, 6, 29, 59);
    EXPECT_EQ(b.control.state(), PageState::Recording);
    b.runUntil(2013, 5, 8, 6, 30, 0);
    EXPECT_EQ(b.control.state(), PageState::Idle);
    const Lines lines = b.logLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(),
              "[2013/ 5/ 8- 6:30: 0]:[Schedule is automatically stopped due to time expiration]");
}

TEST(ScheduleRulesTest, ExpiryComparesTheEndDateAndTheStartTime) {
    const ScheduleValues s = pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0});
    struct Case {
        const char* name;
        std::int64_t now;
        bool expired;
    };
    const Case cases[] = {
        {"day before the END Date", localSeconds(2013, 5, 8, 23, 0, 0), false},
        {"END Date before the START Time", localSeconds(2013, 5, 9, 21, 59, 59), false},
        {"END Date at the START Time", localSeconds(2013, 5, 9, 22, 0, 0), true},
        {"day after the END Date", localSeconds(2013, 5, 10, 6, 30, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scheduleExpired(s, c.now), c.expired);
    }
}

} // namespace
} // namespace dormivo::test
