#include "SampleDating.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dormivo {
namespace {

LocalDateTime date(int year, int month, int day) {
    LocalDateTime d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

TEST(SampleDating, ReadsTheLabelDate) {
    struct Case {
        std::string label;
        bool valid;
        int year, month, day;
    };
    const Case cases[] = {
        {"[2013-05-07 22:30:15]", true, 2013, 5, 7},
        {"[2012-02-29 22:30:15]", true, 2012, 2, 29},
        {"[2013-02-29 22:30:15]", false, 0, 0, 0},
        {"[2013-02-30 22:30:15]", false, 0, 0, 0},
        {"[2013-13-01 22:30:15]", false, 0, 0, 0},
        {"[2013-00-10 22:30:15]", false, 0, 0, 0},
        {"[1899-12-31 22:30:15]", false, 0, 0, 0},
        {"[20x3-05-07 22:30:15]", false, 0, 0, 0},
        {"[2013-05", false, 0, 0, 0},
        {"", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto d = labelDate(c.label);
        ASSERT_EQ(d.has_value(), c.valid);
        if (d) {
            EXPECT_EQ(d->year, c.year);
            EXPECT_EQ(d->month, c.month);
            EXPECT_EQ(d->day, c.day);
        }
    }
}

struct Stamp {
    int hour, minute, second;
    int expectedDay; // day of month the sample is dated with
};

// The date moves on at the first 00:00 after a 23:59, once per 23:59.
TEST(SampleDating, RollsTheDateAtMidnightAfterA2359Sample) {
    struct Case {
        const char* name;
        LocalDateTime start;
        std::vector<Stamp> stamps;
    };
    const Case cases[] = {
        {"23:59 then 00:00",
         date(2013, 5, 7),
         {{23, 58, 0, 7}, {23, 59, 30, 7}, {0, 0, 5, 8}, {0, 1, 0, 8}}},
        {"any samples between", date(2013, 5, 7), {{23, 59, 0, 7}, {23, 59, 59, 7}, {0, 0, 0, 8}}},
        {"further 00:00 samples stay",
         date(2013, 5, 7),
         {{23, 59, 0, 7}, {0, 0, 0, 8}, {0, 0, 30, 8}, {0, 5, 0, 8}}},
        {"no 23:59 sample", date(2013, 5, 7), {{23, 58, 0, 7}, {0, 2, 0, 7}, {0, 0, 0, 7}}},
        {"00:00 first", date(2013, 5, 7), {{0, 0, 0, 7}, {0, 0, 30, 7}}},
        {"a second night's roll",
         date(2013, 5, 7),
         {{23, 59, 0, 7}, {0, 0, 0, 8}, {23, 59, 0, 8}, {0, 0, 0, 9}}},
        {"end of the year", date(2013, 12, 31), {{23, 59, 0, 31}, {0, 0, 0, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SampleDating dating(c.start);
        for (const auto& s : c.stamps) {
            std::int64_t t = 0;
            ASSERT_TRUE(dating.MakeSampleTime(s.hour, s.minute, s.second, t));
            const LocalDateTime local = toLocal(t);
            EXPECT_EQ(local.day, s.expectedDay);
            EXPECT_EQ(dating.runningDate().day, s.expectedDay);
            EXPECT_EQ(local.minute, s.minute);
            EXPECT_EQ(local.second, s.second);
        }
    }
}

TEST(SampleDating, KeepsTheRollStateOfThePage) {
    SampleDating dating(date(2013, 5, 7));
    std::int64_t t = 0;
    EXPECT_EQ(dating.dayRollState(), -1);
    dating.MakeSampleTime(23, 59, 0, t);
    EXPECT_EQ(dating.dayRollState(), 0);
    dating.MakeSampleTime(0, 0, 0, t);
    EXPECT_EQ(dating.dayRollState(), 1);
}

// The cached conversion gives what the system gives sample by sample, also
// on the days the clocks change: the hour that does not exist in spring, the
// hour that happens twice in autumn (Europe/Berlin, 2013-03-31 and -10-27),
// and changes of half an hour (Australia/Lord_Howe, 2013-04-07 and -10-06).
TEST(SampleDating, CachedTimesMatchTheSystemsConversion) {
    const LocalDateTime days[] = {date(2013, 5, 7), date(2013, 3, 31), date(2013, 10, 27),
                                  date(2013, 4, 7), date(2013, 10, 6), date(2016, 2, 29)};
    for (const auto& day : days) {
        SCOPED_TRACE(day.month * 100 + day.day);
        SampleDating dating(day);
        for (int s = 0; s < 24 * 3600; s += 7) {
            LocalDateTime wall = day;
            wall.hour = s / 3600;
            wall.minute = s / 60 % 60;
            wall.second = s % 60;
            const auto expected = fromLocal(wall);
            std::int64_t t = 0;
            ASSERT_TRUE(expected);
            ASSERT_TRUE(dating.MakeSampleTime(wall.hour, wall.minute, wall.second, t));
            ASSERT_EQ(t, *expected) << wall.hour << ":" << wall.minute << ":" << wall.second;
        }
    }
}

} // namespace
} // namespace dormivo
