#include "LinkLossMessage.h"

#include "LocalTime.h"

#include <cstdio>

namespace dormivo::record {

std::string linkLossMessage(std::int64_t secondsSinceEpoch) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const LocalDateTime t = toLocal(secondsSinceEpoch);
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "'%04d-%s-%02d %02d:%02d:%02d'", t.year,
                  kMonths[(t.month - 1) % 12], t.day, t.hour, t.minute, t.second);
    return std::string("USB connection is failed at time") + stamp + "recording quit";
}

} // namespace dormivo::record
