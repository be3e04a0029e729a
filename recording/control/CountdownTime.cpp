#include "CountdownTime.h"

namespace dormivo {

RemainingTime remainingTime(std::int64_t target, std::int64_t now, CountdownMode mode) {
    constexpr std::int64_t day = 86400;
    std::int64_t r = target - now;
    if (target < now)
        r += (1 - r / day) * day;
    RemainingTime t;
    t.days = mode == CountdownMode::Recording ? 0 : r / day;
    t.hours = static_cast<int>(r / 3600 - (r / day) * 24);
    t.minutes = static_cast<int>(r / 60 - (r / 3600) * 60);
    t.seconds = static_cast<int>(r - (r / 60) * 60);
    return t;
}

QString countdownText(const RemainingTime& remaining) {
    return QStringLiteral("%1 Days  %2:%3:%4")
        .arg(remaining.days)
        .arg(remaining.hours, 2, 10, QLatin1Char('0'))
        .arg(remaining.minutes, 2, 10, QLatin1Char('0'))
        .arg(remaining.seconds, 2, 10, QLatin1Char('0'));
}

} // namespace dormivo
