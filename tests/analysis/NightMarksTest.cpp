#include "NightMarks.h"
#include "AnalysisFixtures.h"
#include "NightText.h"
#include "NightTotals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dormivo {
namespace {

NightBuckets bucketsOf(const std::vector<int>& levels, const std::vector<std::string>& masks) {
    NightBuckets b;
    b.bucketCount = static_cast<int>(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        b.snoreLevels[i] = levels[i];
        masks[i].copy(b.sensorMaskTexts[i].data(), 3);
        b.actionStates[i] = 0;
    }
    return b;
}

TEST(NightMarks, FollowTheChartsDrawnBuckets) {
    struct Case {
        const char* name;
        std::vector<int> levels;
        std::vector<std::string> masks;
        std::vector<int> drawn; // counters that draw bucket counter - 1
        int firstMark, lastMark;
        GapShade shade;
    };
    const Case cases[] = {
        {"mask in bucket 0 marks counter 1", {0, 0, 0}, {"1", "0", "0"}, {1, 2, 3}, 1, 1, {}},
        {"no mask: no marks", {0, 0, 0}, {"0", "0", "0"}, {1, 2, 3}, 0, 0, {}},
        {"last bucket counts", {0, 0, 0}, {"0", "0", "fff"}, {1, 2, 3}, 3, 3, {}},
        // The bucket before a gap and the gap's buckets are not drawn; the gap
        // closes at the first other level, whose counter draws nothing either.
        {"a closed gap",
         {0, 0, 8, 8, 0, 0},
         {"1", "1", "fff", "fff", "1", "1"},
         {1, 5, 6},
         1,
         6,
         {2, 4}},
        {"a gap up to the last bucket", {0, 0, 8, 8}, {"1", "1", "fff", "fff"}, {1}, 1, 1, {2, 4}},
        {"two gaps: the last is shaded",
         {0, 8, 0, 0, 8, 0, 0},
         {"0", "1", "1", "1", "1", "1", "1"},
         {3, 6, 7},
         3,
         7,
         {4, 5}},
        {"empty night", {}, {}, {}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NightBuckets b = bucketsOf(c.levels, c.masks);
        std::vector<int> drawn;
        const GapShade shade =
            walkChartCounters(b, ChartPass{}, [&](int counter) { drawn.push_back(counter); });
        EXPECT_EQ(drawn, c.drawn);
        EXPECT_EQ(shade.gapStart, c.shade.gapStart);
        EXPECT_EQ(shade.gapEnd, c.shade.gapEnd);
        const NightMarks marks = chartMarks(b);
        EXPECT_EQ(marks.firstMark, c.firstMark);
        EXPECT_EQ(marks.lastMark, c.lastMark);
    }
}

TEST(NightMarks, PaperPassSkipsCountersOutsideTheRange) {
    const NightBuckets b = bucketsOf({0, 0, 8, 0, 0, 0}, {"1", "1", "1", "1", "1", "1"});
    std::vector<int> drawn;
    const GapShade shade =
        walkChartCounters(b, ChartPass{true, 3, 6}, [&](int counter) { drawn.push_back(counter); });
    // Counter 2 (the gap's start) is outside, so the pass never enters a gap.
    EXPECT_EQ(drawn, (std::vector<int>{3, 4, 5, 6}));
    EXPECT_FALSE(shade.shaded());
}

ParsedNight withEntries(int startCount, int endCount) {
    ParsedNight n;
    for (int i = 0; i < startCount; ++i)
        n.startEntries.push_back("[22:00:00]    " + std::to_string(i * 10));
    for (int i = 0; i < endCount; ++i)
        n.endEntries.push_back("[22:00:00]    " + std::to_string(i * 10 + 1));
    return n;
}

TEST(NightMarks, DefaultRangeTakesTheEntriesNearTheMarks) {
    struct Case {
        const char* name;
        NightMarks marks;
        int startCount, endCount;
        int startEntry, endEntry;
    };
    const Case cases[] = {
        {"no marks: first and second entry", {0, 0}, 3, 4, 0, 1},
        {"marks inside", {12, 25}, 3, 4, 1, 3},
        {"end entry beyond the list takes the last", {1, 30}, 3, 4, 0, 3},
        {"start entry beyond the list takes the last", {30, 30}, 3, 4, 2, 3},
        {"a single entry each", {1, 1}, 1, 2, 0, 1},
        {"no entries", {5, 5}, 0, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedNight n = withEntries(c.startCount, c.endCount);
        const DefaultRange r = defaultRange(n, c.marks);
        EXPECT_EQ(r.startEntry, c.startEntry);
        EXPECT_EQ(r.endEntry, c.endEntry);
        EXPECT_EQ(r.rangeStart, c.startEntry < 0 ? 0 : c.startEntry * 10);
        EXPECT_EQ(r.rangeEnd, c.endEntry < 0 ? 0 : c.endEntry * 10 + 1);
    }
}

// A sleeper still on the pillow at the last bucket: the range runs to the end
// of the night rather than collapsing to bucket 0 and showing "NA".
TEST(NightMarks, OnThePillowToTheEndKeepsTheWholeNight) {
    const std::string text = test::readFixture("on_pillow_to_end.gnf");
    ParsedNight n;
    ASSERT_EQ(readNightFromText(text, listNightsInText(text), 0, n), NightStatus::Ok);
    const NightMarks marks = chartMarks(n.buckets);
    EXPECT_EQ(marks.firstMark, 3);
    EXPECT_EQ(marks.lastMark, 30);
    const DefaultRange range = defaultRange(n, marks);
    EXPECT_EQ(range.rangeStart, 0);
    EXPECT_EQ(range.rangeEnd, 29);
    const TotalsTexts texts =
        totalsTexts(ComputeNightTotals(n.buckets, range.rangeStart, range.rangeEnd));
    EXPECT_EQ(texts.tas, "30s");
    EXPECT_EQ(texts.tpa, "30s");
    EXPECT_EQ(texts.tss, "600s");
    EXPECT_EQ(texts.er, "0%");
    EXPECT_EQ(texts.eis, "95%");
}

} // namespace
} // namespace dormivo
