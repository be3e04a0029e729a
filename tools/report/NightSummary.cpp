#include "NightSummary.h"

#include "ReportOptions.h"

#include <string_view>
#include <vector>

namespace dormivo {

namespace {

// A range entry shows its bucket's time label before the bucket number.
std::string entryTime(const std::vector<std::string>& entries, int entry) {
    if (entry < 0)
        return {};
    const std::string_view text = entries[static_cast<std::size_t>(entry)];
    return std::string(text.substr(0, text.find(' ')));
}

} // namespace

void summarizeNight(const ReportOptions& options, std::size_t index, const singlenight& night,
                    const ParsedNight& parsed, NightSummary& out) {
    out.index = index;
    out.night = night;
    out.parsed = &parsed;
    const NightBuckets& buckets = parsed.buckets;
    out.marks = chartMarks(buckets);
    if (options.rangeStart && options.rangeEnd) {
        out.rangeStart = *options.rangeStart;
        out.rangeEnd = *options.rangeEnd;
        out.startTime = buckets.timeLabels[static_cast<std::size_t>(out.rangeStart)];
        out.endTime = buckets.timeLabels[static_cast<std::size_t>(out.rangeEnd)];
    } else {
        const DefaultRange range = defaultRange(parsed, out.marks);
        out.rangeStart = range.rangeStart;
        out.rangeEnd = range.rangeEnd;
        out.startTime = entryTime(parsed.startEntries, range.startEntry);
        out.endTime = entryTime(parsed.endEntries, range.endEntry);
    }
    out.totals = ComputeNightTotals(buckets, out.rangeStart, out.rangeEnd);
    out.texts = totalsTexts(out.totals);
}

} // namespace dormivo
