#pragma once

#include "NightBuckets.h"

#include <functional>

namespace dormivo {

// How the night chart passes over a night: on screen every drawing counter is
// visited; on paper only the counters within the chosen range.
struct ChartPass {
    bool printing = false;
    int rangeStart = 0;
    int rangeEnd = 0;
};

// The link-lost stretch the chart shades: the start of the last gap that
// opened and the end of the last gap that closed, as drawing counters.
struct GapShade {
    int gapStart = 0;
    int gapEnd = 0;

    bool shaded() const { return gapStart != 0 && gapEnd != 0 && gapStart < gapEnd; }
};

// Walks the drawing counters i = 1 .. bucketCount as the night chart does.
// Counter i looks at bucket i for the gap rule (level 8 opens a gap, the next
// other level closes it, and neither counter draws) and otherwise draws bucket
// i - 1: drawBucket(i) is called for exactly those counters.
GapShade walkChartCounters(const NightBuckets& night, const ChartPass& pass,
                           const std::function<void(int counter)>& drawBucket);

// The counters of the first and last drawn bucket with a non-zero sensor
// mask (the head on the pillow) when the whole night is drawn; 0 when none.
struct NightMarks {
    int firstMark = 0;
    int lastMark = 0;
};

NightMarks chartMarks(const NightBuckets& night);

// The range a night opens with: the Start entry number firstMark / 10 and the
// End entry number lastMark / 10 + 1. An entry number beyond its list takes
// the last entry, so a sleeper still on the pillow at the end keeps the end of
// the night. Entry numbers are -1 (and the buckets 0) when a list is empty.
struct DefaultRange {
    int startEntry = -1;
    int endEntry = -1;
    int rangeStart = 0;
    int rangeEnd = 0;
};

DefaultRange defaultRange(const ParsedNight& night, const NightMarks& marks);

} // namespace dormivo
