// Whole recording bytes in; nights, buckets, marks and totals out. The text in
// memory, a night read on its own in small pieces and all nights read in one
// streamed pass must agree, and nothing may read outside the input.
#include "LineFeeder.h"
#include "NightList.h"
#include "NightMarks.h"
#include "NightParser.h"
#include "NightStream.h"
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

// Nights read in detail per input, to keep the runs short.
constexpr std::size_t kNightsChecked = 8;

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

void check(bool ok) {
    if (!ok)
        __builtin_trap();
}

void sumUp(const ParsedNight& night, const std::uint8_t* data, std::size_t size) {
    const NightMarks marks = chartMarks(night.buckets);
    const DefaultRange range = defaultRange(night, marks);
    totalsTexts(ComputeNightTotals(night.buckets, range.rangeStart, range.rangeEnd));
    // Ranges a user may type, inside and around the slots.
    if (size >= 4) {
        const int start = (data[1] | data[2] << 8) % 1300 - 40;
        const int end = (data[3] | data[size - 1] << 8) % 1300 - 40;
        totalsTexts(ComputeNightTotals(night.buckets, start, end));
    }
}

// A night on its own, from its marker to the next, fed in small pieces.
void readAlone(std::string_view text, const std::vector<singlenight>& nights, std::size_t i,
               std::size_t piece, ParsedNight& out) {
    const auto date = labelDate(nights[i].nightLabel);
    if (!date) {
        out = ParsedNight{};
        out.status = NightStatus::InvalidLabelDate;
        return;
    }
    const bool last = i + 1 == nights.size();
    const auto begin = static_cast<std::size_t>(nights[i].markerOffset);
    const std::size_t end =
        last ? text.size() : static_cast<std::size_t>(nights[i + 1].markerOffset);
    NightParser parser(out, *date);
    const LineSink sink = [&](const char* b, const char* e) { return parser.feed(b, e); };
    LineFeeder feeder(kMaxLineExamined);
    for (std::size_t at = begin; at < end; at += piece)
        feeder.push(text.data() + at, std::min(piece, end - at), sink);
    feeder.finish(last, sink);
    parser.finish();
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
    std::vector<singlenight> scanned;
    std::size_t position = 0;
    NightScanner scanner(block);
    scanner.scan(sliceSource(text, position, text.size(), block), [&](const singlenight& n) {
        scanned.push_back(n);
        return true;
    });
    check(scanned == nights);

    auto fromText = std::make_unique<ParsedNight>();
    auto alone = std::make_unique<ParsedNight>();
    for (std::size_t i = 0; i < std::min(nights.size(), kNightsChecked); ++i) {
        readNightFromText(text, nights, i, *fromText);
        sumUp(*fromText, data, size);
        readAlone(text, nights, i, block, *alone);
        check(sameNight(*fromText, *alone));
    }

    std::size_t count = 0;
    position = 0;
    NightStream stream(block);
    stream.read(
        sliceSource(text, position, text.size(), block),
        [](std::size_t index) { return index < kNightsChecked; },
        [&](std::size_t index, const singlenight& night, const ParsedNight* parsed) {
            check(index == count++ && night == nights[index]);
            check((parsed != nullptr) == (index < kNightsChecked));
            if (parsed) {
                readNightFromText(text, nights, index, *fromText);
                check(sameNight(*fromText, *parsed));
            }
            return true;
        });
    check(count == nights.size());
    return 0;
}
