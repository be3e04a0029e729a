#pragma once

#include "NightBuckets.h"
#include "NightList.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace dormivo {

// The text of the night at `index` of a recording held in memory: from its
// marker to the start of the line that holds the next marker, or to the end
// for the last night. Nights are chosen by position, so two nights with the
// same label stay apart.
std::optional<std::string_view>
ExtractNight(std::string_view fileText, const std::vector<singlenight>& nights, std::size_t index);

// Reads the night at `index` of a recording held in memory into `out`.
NightStatus readNightFromText(std::string_view fileText, const std::vector<singlenight>& nights,
                              std::size_t index, ParsedNight& out);

} // namespace dormivo
