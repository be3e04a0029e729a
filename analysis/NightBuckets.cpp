#include "NightBuckets.h"

#include <charconv>

namespace dormivo {

void NightBuckets::clear() {
    snoreLevels.fill(-1);
    sensorMaskTexts.fill(MaskText{});
    actionStates.fill(-1);
    for (std::string& label : timeLabels)
        label.clear();
    bucketCount = 0;
    rangeStart = 0;
    rangeEnd = 0;
}

void ParsedNight::clear() {
    status = NightStatus::EmptyRecord;
    buckets.clear();
    startEntries.clear();
    endEntries.clear();
}

int maskValue(const MaskText& text) {
    int value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * 16 + digit;
    }
    return value;
}

std::string_view nightStatusMessage(NightStatus status) {
    switch (status) {
    case NightStatus::Ok:
        return {};
    case NightStatus::EmptyRecord:
        return "Empty record!!";
    case NightStatus::InvalidLabelDate:
        return "The night's label holds no valid date.";
    case NightStatus::ReadFailed:
        return "The recording file could not be read.";
    case NightStatus::NoSuchNight:
        return "The recording holds no such night.";
    }
    return {};
}

int rangeEntryBucket(std::string_view entry) {
    const auto space = entry.rfind(' ');
    const std::string_view digits =
        space == std::string_view::npos ? entry : entry.substr(space + 1);
    int bucket = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), bucket);
    return bucket;
}

} // namespace dormivo
