#pragma once

#include "ControlBench.h"

#include <gtest/gtest.h>

#include <memory>

namespace dormivo::test {

struct Day {
    int year, month, day;
};
struct TimeOfDay {
    int hour, minute, second;
};

// The four picker values. Dates carry a time of their own and times a date of
// their own, as the pickers' values do; neither may play a part.
inline ScheduleValues pickerValues(Day startDate, TimeOfDay startTime, Day endDate,
                                   TimeOfDay endTime) {
    ScheduleValues v;
    v.startDate = localSeconds(startDate.year, startDate.month, startDate.day, 1, 1, 1);
    v.endDate = localSeconds(endDate.year, endDate.month, endDate.day, 1, 1, 1);
    v.startTime = localSeconds(2004, 1, 1, startTime.hour, startTime.minute, startTime.second);
    v.endTime = localSeconds(2004, 1, 1, endTime.hour, endTime.minute, endTime.second);
    return v;
}

// A monitoring page just opened: Idle with timer 3 running, a recording file
// named in the file box, the link up.
class ScheduleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bench.dir.isValid());
        bench.page.fileBox = bench.path(QStringLiteral("night.gnf"));
        bench.page.startTimer(PageTimer::Idle);
    }

    // Sets the pickers and the clock, then presses START.
    void pressStart(const ScheduleValues& pickers, Day today, TimeOfDay now) {
        bench.page.pickers = pickers;
        bench.setNow(today.year, today.month, today.day, now.hour, now.minute, now.second);
        bench.control.startStopClicked();
    }

    std::string openedLine(const char* stamp) const {
        return std::string("[") + stamp + "]:[Data recording file <" +
               bench.path(QStringLiteral("night.gnf")).toStdString() + "> is opened.]";
    }

    ControlBench bench;
};

} // namespace dormivo::test
