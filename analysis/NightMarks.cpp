#include "NightMarks.h"

#include <algorithm>
#include <cstddef>

namespace dormivo {

namespace {

constexpr int kGapLevel = 8;

int entryNumber(int wanted, std::size_t count) {
    if (count == 0)
        return -1;
    return std::min(wanted, static_cast<int>(count) - 1);
}

} // namespace

GapShade walkChartCounters(const NightBuckets& night, const ChartPass& pass,
                           const std::function<void(int counter)>& drawBucket) {
    GapShade shade;
    bool inGap = false;
    // bucketCount is at most kMaxBuckets, so bucket i is always a slot.
    const int count = std::min(night.bucketCount, kBucketSlots - 1);
    for (int i = 1; i <= count; ++i) {
        if (pass.printing && (i < pass.rangeStart || i > pass.rangeEnd))
            continue;
        if (night.snoreLevels[i] == kGapLevel) {
            if (!inGap) {
                inGap = true;
                shade.gapStart = i;
            }
        } else if (inGap) {
            shade.gapEnd = i;
            inGap = false;
        } else {
            drawBucket(i);
        }
    }
    return shade;
}

NightMarks chartMarks(const NightBuckets& night) {
    NightMarks marks;
    walkChartCounters(night, ChartPass{}, [&](int i) {
        if (maskValue(night.sensorMaskTexts[i - 1]) == 0)
            return;
        if (marks.firstMark == 0)
            marks.firstMark = i;
        marks.lastMark = i;
    });
    return marks;
}

DefaultRange defaultRange(const ParsedNight& night, const NightMarks& marks) {
    DefaultRange range;
    range.startEntry = entryNumber(marks.firstMark / 10, night.startEntries.size());
    range.endEntry = entryNumber(marks.lastMark / 10 + 1, night.endEntries.size());
    if (range.startEntry >= 0)
        range.rangeStart = rangeEntryBucket(night.startEntries[range.startEntry]);
    if (range.endEntry >= 0)
        range.rangeEnd = rangeEntryBucket(night.endEntries[range.endEntry]);
    return range;
}

} // namespace dormivo
