#include "FailureTimeText.h"

#include "LocalTime.h"

#include <cstdio>

namespace dormivo {

QString failureTimeText(std::int64_t seconds) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const LocalDateTime t = toLocal(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "'%d-%s-%02d %02d:%02d:%02d'", t.year, months[t.month - 1],
                  t.day, t.hour, t.minute, t.second);
    return QString::fromLatin1(text);
}

} // namespace dormivo
