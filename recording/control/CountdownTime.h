#pragma once

#include "PageView.h"

#include <QString>

#include <cstdint>

namespace dormivo {

struct RemainingTime {
    std::int64_t days = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    friend bool operator==(const RemainingTime&, const RemainingTime&) = default;
};

// The time left until `target`. A target already passed counts to the same
// moment of a later day (1 to 86400 seconds ahead), since the countdown window
// stays open past a start second it missed. Recording mode shows no days.
RemainingTime remainingTime(std::int64_t target, std::int64_t now, CountdownMode mode);

// "1 Days  05:07:09".
QString countdownText(const RemainingTime& remaining);

} // namespace dormivo
