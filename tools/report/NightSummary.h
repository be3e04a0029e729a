#pragma once

#include "NightBuckets.h"
#include "NightList.h"
#include "NightMarks.h"
#include "NightTotals.h"

#include <cstddef>
#include <optional>
#include <string>

namespace dormivo {

class RecordingReader;
struct ReportOptions;

// One night as the analysis page would show it after choosing it: its
// buckets, the head-on-pillow marks, the range (default or given) and the
// figures of that range.
struct NightSummary {
    std::size_t index = 0;
    singlenight night;
    ParsedNight parsed;
    NightMarks marks;
    int rangeStart = 0;
    int rangeEnd = 0;
    std::string startTime; // the range's ends as time labels, "" when none
    std::string endTime;
    NightTotals totals;
    TotalsTexts texts;
};

// Reads and sums up the night at `index`, which ends at nextMarkerOffset (or
// at the end of the file when that is empty).
void summarizeNight(RecordingReader& reader, const ReportOptions& options, std::size_t index,
                    const singlenight& night, std::optional<std::int64_t> nextMarkerOffset,
                    NightSummary& out);

} // namespace dormivo
