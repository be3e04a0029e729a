#include "ScheduleRules.h"

#include "LocalTime.h"

namespace dormivo {

namespace {

bool hourMinuteReached(const LocalDateTime& time, const LocalDateTime& now) {
    return time.hour < now.hour || (time.hour == now.hour && time.minute <= now.minute);
}

std::int64_t momentOn(const LocalDateTime& day, int hour, int minute, int second,
                      std::int64_t fallback) {
    return fromLocal({day.year, day.month, day.day, hour, minute, second}).value_or(fallback);
}

// Noon is never skipped by a clock change, so a day back from it is always yesterday.
LocalDateTime dayBefore(const LocalDateTime& day, std::int64_t fallback) {
    return toLocal(momentOn(day, 12, 0, 0, fallback) - 86400);
}

// The latest moment at or before `now` with the given time of day (today's or yesterday's).
std::int64_t latestDaily(int hour, int minute, int second, std::int64_t now, LocalDateTime& day) {
    day = toLocal(now);
    const std::int64_t today = momentOn(day, hour, minute, second, now);
    if (today <= now)
        return today;
    day = dayBefore(day, now);
    return momentOn(day, hour, minute, second, now);
}

} // namespace

StartDecision decideAtStart(const ScheduleValues& schedule, std::int64_t now) {
    const LocalDateTime today = toLocal(now);
    const LocalDateTime startDate = toLocal(schedule.startDate);
    const LocalDateTime endDate = toLocal(schedule.endDate);
    if (compareDates(endDate, startDate) < 0)
        return StartDecision::EndBeforeStart;
    if (compareDates(today, endDate) > 0)
        return StartDecision::Expired;
    if (hourMinuteReached(toLocal(schedule.startTime), today) &&
        compareDates(today, startDate) >= 0)
        return StartDecision::RecordNow;
    return StartDecision::Wait;
}

std::int64_t combineDateAndTime(std::int64_t date, std::int64_t time) {
    const LocalDateTime t = toLocal(time);
    return momentOn(toLocal(date), t.hour, t.minute, t.second, date);
}

std::optional<std::int64_t> latestStartMoment(const ScheduleValues& schedule, std::int64_t now) {
    const LocalDateTime t = toLocal(schedule.startTime);
    LocalDateTime day;
    const std::int64_t moment = latestDaily(t.hour, t.minute, t.second, now, day);
    if (compareDates(day, toLocal(schedule.startDate)) < 0)
        return std::nullopt;
    return moment;
}

bool dailyEndDue(const ScheduleValues& schedule, std::int64_t previous, std::int64_t now) {
    const LocalDateTime end = toLocal(schedule.endTime);
    const LocalDateTime current = toLocal(now);
    if (current.hour == end.hour && current.minute == end.minute)
        return true;
    LocalDateTime day;
    return latestDaily(end.hour, end.minute, 0, now, day) > previous;
}

bool scheduleExpired(const ScheduleValues& schedule, std::int64_t now) {
    const LocalDateTime today = toLocal(now);
    const int byDate = compareDates(today, toLocal(schedule.endDate));
    if (byDate != 0)
        return byDate > 0;
    return hourMinuteReached(toLocal(schedule.startTime), today);
}

} // namespace dormivo
