#include "ControlBench.h"

#include "CountdownTime.h"
#include "FailureTimeText.h"

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

TEST(CountdownTimeTest, RemainingTimeAndItsText) {
    const std::int64_t now = localSeconds(2013, 5, 7, 19, 0, 0);
    struct Case {
        const char* name;
        std::int64_t target;
        CountdownMode mode;
        RemainingTime remaining;
        const char* text;
    };
    const Case cases[] = {
        {"2 days 3 hours ahead",
         now + 2 * 86400 + 3 * 3600,
         CountdownMode::Schedule,
         {2, 3, 0, 0},
         "2 Days  03:00:00"},
        {"1 day 5:07:09 ahead",
         now + 86400 + 5 * 3600 + 7 * 60 + 9,
         CountdownMode::Schedule,
         {1, 5, 7, 9},
         "1 Days  05:07:09"},
        {"one second ahead", now + 1, CountdownMode::Schedule, {0, 0, 0, 1}, "0 Days  00:00:01"},
        {"the target second", now, CountdownMode::Schedule, {0, 0, 0, 0}, "0 Days  00:00:00"},
        {"target 10 s ago", now - 10, CountdownMode::Schedule, {0, 23, 59, 50}, "0 Days  23:59:50"},
        {"exactly one day ago",
         now - 86400,
         CountdownMode::Schedule,
         {1, 0, 0, 0},
         "1 Days  00:00:00"},
        {"a day and a half ago",
         now - 86400 - 43200,
         CountdownMode::Schedule,
         {0, 12, 0, 0},
         "0 Days  12:00:00"},
        {"recording mode, 2 days 3 hours ahead",
         now + 2 * 86400 + 3 * 3600,
         CountdownMode::Recording,
         {0, 3, 0, 0},
         "0 Days  03:00:00"},
        {"recording mode, target 10 s ago",
         now - 10,
         CountdownMode::Recording,
         {0, 23, 59, 50},
         "0 Days  23:59:50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RemainingTime r = remainingTime(c.target, now, c.mode);
        EXPECT_EQ(r, c.remaining);
        EXPECT_EQ(countdownText(r), QString::fromLatin1(c.text));
    }
}

TEST(FailureTimeTextTest, EnglishMonthAndPaddedFieldsInLocalTime) {
    struct Case {
        std::int64_t at;
        const char* text;
    };
    const Case cases[] = {
        {localSeconds(2013, 5, 7, 22, 31, 40), "'2013-May-07 22:31:40'"},
        {localSeconds(2014, 1, 1, 0, 0, 9), "'2014-Jan-01 00:00:09'"},
        {localSeconds(2013, 12, 31, 23, 59, 59), "'2013-Dec-31 23:59:59'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureTimeText(c.at), QString::fromLatin1(c.text));
}

} // namespace
} // namespace dormivo::test
