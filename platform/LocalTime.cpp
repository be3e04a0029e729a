#include "LocalTime.h"

#include <ctime>
#include <mutex>

namespace dormivo {

namespace {

// localtime_r need not look at TZ again; reading it once per process is what
// the rest of the program expects (tests set TZ before the first call).
void ensureTzset() {
    static std::once_flag once;
    std::call_once(once, [] { tzset(); });
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

} // namespace

LocalDateTime toLocal(std::int64_t secondsSinceEpoch) {
    ensureTzset();
    std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalDateTime r;
    r.year = tm.tm_year + 1900;
    r.month = tm.tm_mon + 1;
    r.day = tm.tm_mday;
    r.hour = tm.tm_hour;
    r.minute = tm.tm_min;
    r.second = tm.tm_sec;
    r.weekday = tm.tm_wday;
    return r;
}

std::optional<std::int64_t> fromLocal(const LocalDateTime& t) {
    if (t.year < 1900 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59 || t.second < 0 || t.second > 59)
        return std::nullopt;
    ensureTzset();
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    const std::time_t r = mktime(&tm);
    if (r == static_cast<std::time_t>(-1) && !(tm.tm_year == 69 && tm.tm_mon == 11))
        return std::nullopt;
    return static_cast<std::int64_t>(r);
}

int compareDates(const LocalDateTime& a, const LocalDateTime& b) {
    if (a.year != b.year)
        return a.year < b.year ? -1 : 1;
    if (a.month != b.month)
        return a.month < b.month ? -1 : 1;
    if (a.day != b.day)
        return a.day < b.day ? -1 : 1;
    return 0;
}

} // namespace dormivo
