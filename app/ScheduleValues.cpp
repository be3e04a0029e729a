#include "ScheduleValues.h"

#include "Clock.h"
#include "LocalTime.h"

#include <ctime>

namespace dormivo {

ScheduleValues ScheduleValues::defaults(const Clock& clock) {
    const std::int64_t now = clock.now();
    ScheduleValues v;
    v.endTime = fromLocal({2004, 1, 1, 8, 0, 0}).value_or(0);

    // The start date is the UTC calendar date: just after local midnight
    // east of Greenwich it is still yesterday's.
    std::time_t t = static_cast<std::time_t>(now);
    std::tm utc{};
    gmtime_r(&t, &utc);
    v.startDate =
        fromLocal({utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, 1, 1, 1}).value_or(now);
    v.endDate = v.startDate + 86400;
    v.startTime = now;
    return v;
}

} // namespace dormivo
