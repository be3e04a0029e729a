#include "NightTotals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dormivo {
namespace {

NightBuckets bucketsOf(const std::vector<int>& levels, const std::vector<int>& actions) {
    NightBuckets b;
    b.bucketCount = static_cast<int>(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        b.snoreLevels[i] = levels[i];
        b.actionStates[i] = actions[i];
    }
    return b;
}

struct Case {
    const char* name;
    std::vector<int> levels;
    std::vector<int> actions;
    int rangeStart, rangeEnd;
    TotalsTexts texts; // tas, tpa, tss, er, eis
};

TEST(NightTotals, ComputesTheFiguresOfTheRange) {
    const std::vector<int> z(27, 0);
    std::vector<int> longQuiet = z;
    longQuiet[1] = 2;
    std::vector<int> longQuietActions = z;
    longQuietActions[1] = 1;
    const Case cases[] = {
        {"one episode, action one bucket longer: 1/3",
         {0, 2, 3, 0},
         {0, 0, 1, 1},
         0,
         4,
         {"60s", "90s", "0s", "33%", "33%"}},
        {"short action, then supposable time",
         {0, 2, 3, 0, 0, 0},
         {0, 0, 1, 0, 0, 0},
         0,
         6,
         {"60s", "60s", "60s", "0%", "50%"}},
        {"2/3 rounds up to 67",
         {0, 2, 0, 0, 0, 0},
         {0, 1, 1, 1, 0, 0},
         0,
         6,
         {"30s", "90s", "0s", "67%", "67%"}},
        {"7/8 (87.5) rounds up to 88",
         {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0},
         0,
         11,
         {"30s", "240s", "0s", "88%", "88%"}},
        {"action set only on the bucket before",
         {0, 2, 3, 0},
         {0, 1, 0, 0},
         0,
         4,
         {"60s", "90s", "0s", "33%", "33%"}},
        {"action on for two quiet buckets: no supposable time",
         {0, 2, 0, 0, 0, 0, 0, 0},
         {0, 1, 1, 1, 0, 0, 0, 0},
         0,
         8,
         {"30s", "90s", "0s", "67%", "67%"}},
        {"supposable time stops at 20 buckets",
         longQuiet,
         longQuietActions,
         0,
         27,
         {"30s", "30s", "600s", "0%", "95%"}},
        {"supposable time stops at a level-8 bucket",
         {0, 2, 0, 0, 8, 0, 0, 0},
         {0, 1, 0, 0, 8, 0, 0, 0},
         0,
         8,
         {"30s", "30s", "60s", "0%", "67%"}},
        {"a level-8 bucket breaks the run",
         {0, 2, 8, 3, 0, 0},
         {0, 0, 0, 1, 0, 0},
         0,
         6,
         {"30s", "30s", "30s", "0%", "50%"}},
        {"snoring without action",
         {0, 2, 3, 0, 0},
         {0, 0, 0, 0, 0},
         0,
         5,
         {"60s", "NA", "NA", "NA", "NA"}},
        {"snoring followed by an empty bucket ends no episode",
         {0, 2},
         {0, 1},
         0,
         5,
         {"30s", "NA", "NA", "NA", "NA"}},
        {"range offset into the night",
         {5, 5, 0, 2, 3, 0},
         {1, 1, 0, 0, 1, 1},
         2,
         6,
         {"60s", "90s", "0s", "33%", "33%"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NightTotals totals =
            ComputeNightTotals(bucketsOf(c.levels, c.actions), c.rangeStart, c.rangeEnd);
        const TotalsTexts texts = totalsTexts(totals);
        EXPECT_EQ(texts.tas, c.texts.tas);
        EXPECT_EQ(texts.tpa, c.texts.tpa);
        EXPECT_EQ(texts.tss, c.texts.tss);
        EXPECT_EQ(texts.er, c.texts.er);
        EXPECT_EQ(texts.eis, c.texts.eis);
        EXPECT_EQ(totals.totalsValid, c.texts.tpa != "NA");
    }
}

TEST(NightTotals, RangesOfFewerThanThreeBucketsHaveNoFigures) {
    const NightBuckets b = bucketsOf({2, 3, 2, 3, 0, 0}, {1, 1, 1, 1, 0, 0});
    const int ranges[][2] = {{0, 0}, {0, 1}, {0, 2}, {3, 1}, {5, 0}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(std::to_string(r[0]) + ".." + std::to_string(r[1]));
        const NightTotals totals = ComputeNightTotals(b, r[0], r[1]);
        EXPECT_FALSE(totals.totalsValid);
        EXPECT_EQ(totals.totalSnoringTime, 0);
        const TotalsTexts texts = totalsTexts(totals);
        EXPECT_EQ(texts.tas, "0s");
        EXPECT_EQ(texts.er, "NA");
    }
}

TEST(NightTotals, KeepsTheNumbersBehindTheTexts) {
    const NightTotals t =
        ComputeNightTotals(bucketsOf({0, 2, 3, 0, 0, 0}, {0, 0, 1, 0, 0, 0}), 0, 6);
    ASSERT_TRUE(t.totalsValid);
    EXPECT_EQ(t.totalSnoringTime, 60);
    EXPECT_EQ(t.actualSnoringTime, 60);
    EXPECT_EQ(t.actionTime, 60);
    EXPECT_EQ(t.supposableTime, 60);
    EXPECT_EQ(t.erPercent, 0.0f);
    EXPECT_EQ(t.eisPercent, 50.0f);
}

TEST(NightTotals, RangesOutsideTheSlotsAreRefused) {
    const NightBuckets b = bucketsOf({0, 2, 3, 0}, {0, 0, 1, 1});
    EXPECT_FALSE(ComputeNightTotals(b, -5, 4).totalsValid);
    EXPECT_FALSE(ComputeNightTotals(b, 0, kBucketSlots + 1).totalsValid);
    // Up to the last slot the empty slots are read like any others.
    EXPECT_EQ(totalsTexts(ComputeNightTotals(b, 0, kBucketSlots)).tpa, "90s");
}

} // namespace
} // namespace dormivo
