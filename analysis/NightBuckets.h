#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dormivo {

// Every series has room for a few slots past the last bucket, so that readers
// looking one bucket ahead of the end find an empty value, never foreign memory.
constexpr int kBucketSlots = 1210;
// Ten hours of 30-second buckets.
constexpr int kMaxBuckets = 1200;
constexpr int kBucketSeconds = 30;

// A sensor mask as the recording wrote it: up to three hexadecimal digits,
// zero-terminated; all zero bytes for an empty slot.
using MaskText = std::array<char, 4>;

// One night in 30-second buckets. Slots at or above bucketCount keep their
// empty values (-1, an empty mask text, an empty time label).
struct NightBuckets {
    NightBuckets() { clear(); }

    // Every slot to its empty value, no buckets, the range 0 .. 0.
    void clear();

    std::array<std::int32_t, kBucketSlots> snoreLevels;
    std::array<MaskText, kBucketSlots> sensorMaskTexts;
    std::array<std::int32_t, kBucketSlots> actionStates;
    std::array<std::string, kBucketSlots> timeLabels; // "[HH:MM:SS]"
    int bucketCount = 0;
    int rangeStart = 0;
    int rangeEnd = 0;
};

// The mask text read as a base-16 number; an empty slot gives 0.
int maskValue(const MaskText& text);

enum class NightStatus {
    Ok,
    EmptyRecord,      // the night holds no sample line
    InvalidLabelDate, // the label names no date of the local calendar
    ReadFailed,       // the file could not be read
    NoSuchNight,      // no night at the chosen position
};

// The fixed message shown for a night that could not be shown, or empty for Ok.
std::string_view nightStatusMessage(NightStatus status);

// A chosen night with the entries of its Start and End time selectors.
struct ParsedNight {
    NightStatus status = NightStatus::EmptyRecord;
    NightBuckets buckets;
    std::vector<std::string> startEntries; // time label + "    %d"
    std::vector<std::string> endEntries;   // the same, plus one for the last bucket

    // Empty again, keeping the storage for the next night.
    void clear();
};

// The bucket index a range entry stands for: the decimal number after its
// last space; an empty text (no entry chosen) reads as 0.
int rangeEntryBucket(std::string_view entry);

} // namespace dormivo
