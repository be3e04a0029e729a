// Whole recording bytes in; nights, buckets, marks and totals out. The text in
// memory and the same text streamed in small blocks must agree, and nothing
// may read outside the input.
#include "LineChunker.h"
#include "NightList.h"
#include "NightMarks.h"
#include "NightParser.h"
#include "NightText.h"
#include "NightTotals.h"
#include "SampleDating.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using namespace dormivo;

// Hands out text[position, end) in pieces of at most `block` bytes.
ByteSource sliceSource(std::string_view text, std::size_t& position, std::size_t end,
                       std::size_t block) {
    return [text, &position, end, block](char* into, std::size_t max) {
        const std::size_t n = std::min({max, block, end - position});
        std::memcpy(into, text.data() + position, n);
        position += n;
        return static_cast<std::ptrdiff_t>(n);
    };
}

bool sameNight(const ParsedNight& a, const ParsedNight& b) {
    return a.status == b.status && a.startEntries == b.startEntries &&
           a.endEntries == b.endEntries && a.buckets.bucketCount == b.buckets.bucketCount &&
           a.buckets.snoreLevels == b.buckets.snoreLevels &&
           a.buckets.sensorMaskTexts == b.buckets.sensorMaskTexts &&
           a.buckets.actionStates == b.buckets.actionStates &&
           a.buckets.timeLabels == b.buckets.timeLabels;
}

void sumUp(const ParsedNight& night, const std::uint8_t* data, std::size_t size) {
    const NightMarks marks = chartMarks(night.buckets);
    const DefaultRange range = defaultRange(night, marks);
    totalsTexts(ComputeNightTotals(night.buckets, range.rangeStart, range.rangeEnd));
    // Ranges the user may choose, inside and around the slots.
    if (size >= 4) {
        const int start = (data[1] | data[2] << 8) % 1300 - 40;
        const int end = (data[3] | data[size - 1] << 8) % 1300 - 40;
        totalsTexts(ComputeNightTotals(night.buckets, start, end));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "Europe/Berlin", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t block = size > 0 ? data[0] % 64 + 1 : 1;

    const std::vector<singlenight> nights = listNightsInText(text);
    std::vector<singlenight> streamed;
    std::size_t position = 0;
    NightScanner scanner(block);
    scanner.scan(sliceSource(text, position, text.size(), block), [&](const singlenight& n) {
        streamed.push_back(n);
        return true;
    });
    if (streamed != nights)
        __builtin_trap();

    auto fromText = std::make_unique<ParsedNight>();
    auto fromStream = std::make_unique<ParsedNight>();
    LineChunker chunker(block, kMaxLineExamined);
    for (std::size_t i = 0; i < std::min<std::size_t>(nights.size(), 8); ++i) {
        readNightFromText(text, nights, i, *fromText);
        sumUp(*fromText, data, size);

        const auto date = labelDate(nights[i].nightLabel);
        if (!date)
            continue;
        const bool last = i + 1 == nights.size();
        position = static_cast<std::size_t>(nights[i].markerOffset);
        const std::size_t end =
            last ? text.size() : static_cast<std::size_t>(nights[i + 1].markerOffset);
        NightParser parser(*fromStream, *date);
        chunker.run(sliceSource(text, position, end, block), last,
                    [&](const char* b, const char* e) { return parser.feed(b, e); });
        parser.finish();
        if (!sameNight(*fromText, *fromStream))
            __builtin_trap();
    }
    return 0;
}
