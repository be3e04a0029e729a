#pragma once

#include <cstdint>
#include <string>

namespace dormivo::record {

// "USB connection is failed at time'2013-May-07 22:31:40'recording quit",
// in local time, with the English month name whatever the locale.
std::string linkLossMessage(std::int64_t secondsSinceEpoch);

} // namespace dormivo::record
