#pragma once

#include "ScheduleValues.h"

#include <cstdint>
#include <optional>

namespace dormivo {

// What START does with the four schedule values at a given moment.
enum class StartDecision {
    EndBeforeStart, // message 524
    Expired,        // message 525
    RecordNow,
    Wait,
};

// Dates are compared by year, month and day, times of day by hour and minute
// (and second where named), all in local time; the time part of a date value
// and the date part of a time value play no part.
StartDecision decideAtStart(const ScheduleValues& schedule, std::int64_t now);

// The moment named by the date of `date` and the time of day of `time`.
std::int64_t combineDateAndTime(std::int64_t date, std::int64_t time);

// The latest daily start moment at or before `now` that falls on a day not
// earlier than the START Date; none before the first one.
std::optional<std::int64_t> latestStartMoment(const ScheduleValues& schedule, std::int64_t now);

// Whether the daily END time is due: `now` lies in its minute, or its minute
// began after `previous` (a tick that came late or was skipped).
bool dailyEndDue(const ScheduleValues& schedule, std::int64_t previous, std::int64_t now);

// Whether no further day of the schedule remains after a daily end at `now`.
bool scheduleExpired(const ScheduleValues& schedule, std::int64_t now);

} // namespace dormivo
