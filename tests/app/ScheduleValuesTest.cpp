#include "ScheduleValues.h"
#include "Clock.h"
#include "LocalTime.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace dormivo;

namespace {

LocalDateTime at(std::int64_t t) {
    return toLocal(t);
}

} // namespace

TEST(ScheduleValues, DefaultsFollowTheClock) {
    // 2013-05-07 22:31:40 in Berlin (CEST, UTC+2) is 20:31:40 UTC.
    ManualClock clock;
    clock.setSeconds(*fromLocal({2013, 5, 7, 22, 31, 40}));
    const ScheduleValues v = ScheduleValues::defaults(clock);

    const LocalDateTime start = at(v.startDate);
    EXPECT_EQ(
        (std::tuple{start.year, start.month, start.day, start.hour, start.minute, start.second}),
        (std::tuple{2013, 5, 7, 1, 1, 1}));
    EXPECT_EQ(v.endDate - v.startDate, 86400);
    EXPECT_EQ(v.startTime, clock.now());
    const LocalDateTime end = at(v.endTime);
    EXPECT_EQ((std::tuple{end.year, end.month, end.day, end.hour, end.minute}),
              (std::tuple{2004, 1, 1, 8, 0}));
}

TEST(ScheduleValues, StartDateIsTheUtcCalendarDate) {
    // 00:30 local in Berlin on 8 May is still 7 May in UTC.
    ManualClock clock;
    clock.setSeconds(*fromLocal({2013, 5, 8, 0, 30, 0}));
    const LocalDateTime start = at(ScheduleValues::defaults(clock).startDate);
    EXPECT_EQ((std::tuple{start.month, start.day}), (std::tuple{5, 7}));
}

int main(int argc, char** argv) {
    setenv("TZ", "Europe/Berlin", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
