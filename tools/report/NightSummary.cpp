#include "NightSummary.h"

#include "RecordingReader.h"
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

void summarizeNight(RecordingReader& reader, const ReportOptions& options, std::size_t index,
                    const singlenight& night, std::optional<std::int64_t> nextMarkerOffset,
                    NightSummary& out) {
    out.index = index;
    out.night = night;
    reader.readNight(night, nextMarkerOffset, out.parsed);
    const NightBuckets& buckets = out.parsed.buckets;
    out.marks = chartMarks(buckets);
    if (options.rangeStart && options.rangeEnd) {
        out.rangeStart = *options.rangeStart;
        out.rangeEnd = *options.rangeEnd;
        out.startTime = buckets.timeLabels[static_cast<std::size_t>(out.rangeStart)];
        out.endTime = buckets.timeLabels[static_cast<std::size_t>(out.rangeEnd)];
    } else {
        const DefaultRange range = defaultRange(out.parsed, out.marks);
        out.rangeStart = range.rangeStart;
        out.rangeEnd = range.rangeEnd;
        out.startTime = entryTime(out.parsed.startEntries, range.startEntry);
        out.endTime = entryTime(out.parsed.endEntries, range.endEntry);
    }
    out.parsed.buckets.rangeStart = out.rangeStart;
    out.parsed.buckets.rangeEnd = out.rangeEnd;
    out.totals = ComputeNightTotals(buckets, out.rangeStart, out.rangeEnd);
    out.texts = totalsTexts(out.totals);
}

} // namespace dormivo
