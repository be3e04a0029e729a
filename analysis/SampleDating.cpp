#include "SampleDating.h"

namespace dormivo {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

bool digitsAt(std::string_view text, std::size_t from, std::size_t count, int& value) {
    if (text.size() < from + count)
        return false;
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

LocalDateTime at(const LocalDateTime& date, int hour, int minute, int second) {
    LocalDateTime t;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

std::int64_t hourKey(const LocalDateTime& date, int hour) {
    return ((static_cast<std::int64_t>(date.year) * 16 + date.month) * 32 + date.day) * 32 + hour;
}

} // namespace

std::optional<LocalDateTime> labelDate(std::string_view label) {
    LocalDateTime date;
    if (!digitsAt(label, 1, 4, date.year) || !digitsAt(label, 6, 2, date.month) ||
        !digitsAt(label, 9, 2, date.day))
        return std::nullopt;
    if (!fromLocal(at(date, 1, 1, 1)))
        return std::nullopt;
    return date;
}

SampleDating::SampleDating(const LocalDateTime& nightDate) : runningDate_(nightDate) {}

std::optional<LocalDateTime> SampleDating::dateAfter(const LocalDateTime& date,
                                                     std::int64_t addSeconds) {
    // The date is taken at 01:01:01, moved on and turned back into a calendar
    // date; without a move this is the same date on every line but the first,
    // so it is worked out once per date.
    if (addSeconds == 0 && haveSameDay_ && date.sameDate(sameDayKey_))
        return sameDayValue_;
    const auto t = fromLocal(at(date, 1, 1, 1));
    if (!t)
        return std::nullopt;
    const LocalDateTime moved = toLocal(*t + addSeconds);
    const LocalDateTime result = at(moved, 0, 0, 0);
    if (addSeconds == 0) {
        haveSameDay_ = true;
        sameDayKey_ = date;
        sameDayValue_ = result;
    }
    return result;
}

std::optional<std::int64_t> SampleDating::timeOfDay(const LocalDateTime& date, int hour, int minute,
                                                    int second) {
    const std::int64_t key = hourKey(date, hour);
    if (key != hourKey_) {
        const auto first = fromLocal(at(date, hour, 0, 0));
        const auto last = fromLocal(at(date, hour, 59, 59));
        hourKey_ = key;
        hourRegular_ = first && last && *last - *first == 3599;
        hourBase_ = first ? *first : 0;
    }
    if (hourRegular_)
        return hourBase_ + minute * 60 + second;
    return fromLocal(at(date, hour, minute, second));
}

bool SampleDating::convert(int hour, int minute, int second, std::int64_t& t) {
    const bool rolls = hour == 0 && minute == 0 && dayRollState_ == 0;
    const auto date = dateAfter(runningDate_, rolls ? kDaySeconds : 0);
    if (!date)
        return false;
    const auto time = timeOfDay(*date, hour, minute, second);
    if (!time)
        return false;
    const bool dateKept = !rolls && date->sameDate(runningDate_);
    quickHour_ = dateKept && hourRegular_ ? hour : -1;
    runningDate_ = *date;
    if (hour == 23 && minute == 59)
        dayRollState_ = 0;
    else if (rolls)
        dayRollState_ = 1;
    t = *time;
    return true;
}

} // namespace dormivo
