#pragma once

#include <QString>

#include <cstdint>

namespace dormivo {

// The local time of a failure as the failure messages show it, quotes
// included: "'2013-May-07 22:31:40'". The month is always the English
// abbreviation, whatever the locale.
QString failureTimeText(std::int64_t seconds);

} // namespace dormivo
