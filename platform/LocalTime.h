#pragma once

#include <cstdint>
#include <optional>

namespace dormivo {

// A broken-down local wall-clock time; month 1..12, day 1..31.
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 0 = Sunday; filled by toLocal only

    bool sameDate(const LocalDateTime& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
};

// Breaks seconds since 1970 down in the local time zone (honours TZ).
LocalDateTime toLocal(std::int64_t secondsSinceEpoch);

// The moment a local wall-clock time names, or nothing when a field is out of
// range (year before 1900, month, day, hour, minute or second outside their
// calendar ranges, or a day the month does not have). A time that falls into a
// daylight-saving gap is resolved by the system, as mktime does.
std::optional<std::int64_t> fromLocal(const LocalDateTime& t);

// Compares two local dates by year, then month, then day: <0, 0 or >0.
int compareDates(const LocalDateTime& a, const LocalDateTime& b);

} // namespace dormivo
