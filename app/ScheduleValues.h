#pragma once

#include <cstdint>

namespace dormivo {

class Clock;

// The four values behind the schedule pickers, seconds since 1970. They live
// for one run of the program and are never stored.
struct ScheduleValues {
    std::int64_t startDate = 0;
    std::int64_t endDate = 0;
    std::int64_t startTime = 0;
    std::int64_t endTime = 0;

    // Today's date (by the UTC calendar) at 01:01:01 local time, the next day,
    // the current local time, and 08:00:00 held as 2004-01-01 08:00:00.
    static ScheduleValues defaults(const Clock& clock);
};

} // namespace dormivo
