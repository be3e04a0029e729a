#pragma once

#include "NightBuckets.h"

#include <string>

namespace dormivo {

// The figures of a chosen range, in seconds. An episode is a run of snoring
// buckets that ends, right after the pillow acted, in a quiet bucket. Without
// an episode (totalsValid clear) only totalSnoringTime is meaningful.
struct NightTotals {
    int totalSnoringTime = 0;  // every snoring bucket looked at
    int actualSnoringTime = 0; // TAS: the snoring of the episodes
    int actionTime = 0;        // TPA: that snoring plus the action that went on
    int supposableTime = 0;    // TSS: quiet time after short actions
    float erPercent = 0;       // ER
    float eisPercent = 0;      // EIS: with the supposable time as action time
    bool totalsValid = false;
};

// Totals of the buckets rangeStart .. rangeEnd; a range of fewer than three
// buckets, or one that runs backwards, finds no episode.
NightTotals ComputeNightTotals(const NightBuckets& night, int rangeStart, int rangeEnd);

// The page's value texts: "%ds" for times, "%.0f" and "%" for percentages,
// "NA" where there is no figure.
struct TotalsTexts {
    std::string tas;
    std::string tpa;
    std::string tss;
    std::string er;
    std::string eis;
};

TotalsTexts totalsTexts(const NightTotals& totals);

} // namespace dormivo
