#pragma once

#include "NightBuckets.h"
#include "NightList.h"
#include "NightMarks.h"
#include "NightTotals.h"

#include <cstddef>
#include <string>

namespace dormivo {

struct ReportOptions;

// One night as the analysis page would show it after choosing it: its
// buckets, the head-on-pillow marks, the range (default or given) and the
// figures of that range.
struct NightSummary {
    std::size_t index = 0;
    singlenight night;
    const ParsedNight* parsed = nullptr;
    NightMarks marks;
    int rangeStart = 0;
    int rangeEnd = 0;
    std::string startTime; // the range's ends as time labels, "" when none
    std::string endTime;
    NightTotals totals;
    TotalsTexts texts;
};

// Sums up the night at `index` as read into `parsed`, which must outlive
// the summary.
void summarizeNight(const ReportOptions& options, std::size_t index, const singlenight& night,
                    const ParsedNight& parsed, NightSummary& out);

} // namespace dormivo
