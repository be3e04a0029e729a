#include "NightText.h"

#include "NightParser.h"
#include "SampleDating.h"

#include <algorithm>
#include <cstring>

namespace dormivo {

std::optional<std::string_view>
ExtractNight(std::string_view fileText, const std::vector<singlenight>& nights, std::size_t index) {
    if (index >= nights.size())
        return std::nullopt;
    const auto size = static_cast<std::int64_t>(fileText.size());
    const std::int64_t begin = nights[index].markerOffset;
    if (begin < 0 || begin > size)
        return std::nullopt;
    std::int64_t end = size;
    if (index + 1 < nights.size()) {
        end = std::min(std::max(nights[index + 1].markerOffset, begin), size);
        // The night ends where the line of the next marker begins.
        const void* lf =
            memrchr(fileText.data() + begin, '\n', static_cast<std::size_t>(end - begin));
        if (lf)
            end = static_cast<const char*>(lf) - fileText.data() + 1;
    }
    return fileText.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

NightStatus readNightFromText(std::string_view fileText, const std::vector<singlenight>& nights,
                              std::size_t index, ParsedNight& out) {
    out.clear();
    const auto text = ExtractNight(fileText, nights, index);
    if (!text) {
        out.status = NightStatus::NoSuchNight;
        return out.status;
    }
    const auto date = labelDate(nights[index].nightLabel);
    if (!date) {
        out.status = NightStatus::InvalidLabelDate;
        return out.status;
    }
    ParseNight(*text, *date, out);
    return out.status;
}

} // namespace dormivo
