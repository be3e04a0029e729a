#include "NightParser.h"
#include "AnalysisFixtures.h"
#include "NightText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dormivo {
namespace {

using test::labelsOf;
using test::levelsOf;
using Strings = std::vector<std::string>;

// Reads night `index` of a fixture held in memory.
ParsedNight night(const std::string& fixture, std::size_t index) {
    const std::string text = test::readFixture(fixture);
    ParsedNight parsed;
    readNightFromText(text, listNightsInText(text), index, parsed);
    return parsed;
}

TEST(NightParser, ReadsEachOfThreeNights) {
    struct Case {
        std::size_t index;
        std::vector<int> levels;
        Strings labels;
    };
    const Case cases[] = {
        {0,
         {0, 2, 3, 0, 0},
         {"[22:30:15]", "[22:30:45]", "[22:31:15]", "[22:31:45]", "[22:32:15]"}},
        {1, {0, 1, 0}, {"[22:10:00]", "[22:10:30]", "[22:11:00]"}},
        {2,
         {0, 4, 0, 0, 0},
         {"[23:00:00]", "[23:00:30]", "[23:01:00]", "[23:01:30]", "[23:02:00]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const ParsedNight n = night("three_nights.gnf", c.index);
        EXPECT_EQ(n.status, NightStatus::Ok);
        EXPECT_EQ(levelsOf(n.buckets), c.levels);
        EXPECT_EQ(labelsOf(n.buckets), c.labels);
        EXPECT_EQ(n.buckets.rangeStart, 0);
        EXPECT_EQ(n.buckets.rangeEnd, n.buckets.bucketCount - 1);
    }
}

TEST(NightParser, ChoosesNightsByPositionNotByLabel) {
    EXPECT_EQ(levelsOf(night("same_label.gnf", 0).buckets), (std::vector<int>{1}));
    EXPECT_EQ(levelsOf(night("same_label.gnf", 1).buckets), (std::vector<int>{5, 5}));
}

TEST(NightParser, StopsAt1200Buckets) {
    const ParsedNight n = night("bucket_cap.gnf", 0);
    const NightBuckets& b = n.buckets;
    ASSERT_EQ(b.bucketCount, kMaxBuckets);
    // 20:00:00 plus 1199 half-minutes, past midnight.
    EXPECT_EQ(b.timeLabels[1199], "[05:59:30]");
    EXPECT_EQ(b.snoreLevels[1200], -1);
    EXPECT_EQ(b.timeLabels[1200], "");
    EXPECT_EQ(n.startEntries.size(), 120u);
    EXPECT_EQ(n.startEntries.back(), "[05:55:00]    1190");
    EXPECT_EQ(n.endEntries.size(), 121u);
    EXPECT_EQ(n.endEntries.back(), "[05:59:30]    1199");
}

TEST(NightParser, OneLinePerSecondGivesAnEntryEveryTenBuckets) {
    const ParsedNight n = night("per_second.gnf", 0);
    EXPECT_EQ(n.buckets.bucketCount, 25);
    const Strings entries{"[22:00:00]    0", "[22:05:00]    10", "[22:10:00]    20"};
    EXPECT_EQ(n.startEntries, entries);
    Strings endEntries = entries;
    endEntries.push_back("[22:12:00]    24");
    EXPECT_EQ(n.endEntries, endEntries);
}

TEST(NightParser, AGapOfMinutesOpensOneBucketAndAnEntryAtOnce) {
    const ParsedNight n = night("gap.gnf", 0);
    EXPECT_EQ(labelsOf(n.buckets), (Strings{"[22:00:00]", "[22:00:30]", "[22:01:00]", "[22:08:10]",
                                            "[22:08:40]", "[22:13:10]"}));
    EXPECT_EQ(n.startEntries, (Strings{"[22:00:00]    0", "[22:08:10]    3", "[22:13:10]    5"}));
    EXPECT_EQ(n.endEntries, (Strings{"[22:00:00]    0", "[22:08:10]    3", "[22:13:10]    5",
                                     "[22:13:10]    5"}));
}

TEST(NightParser, CarriesTheDateOverMidnightOnlyAfterA2359Sample) {
    // With 23:59: the samples after midnight are a day later and go on in
    // buckets of their own; the second 00:00 sample does not move the date.
    const ParsedNight with = night("midnight.gnf", 0);
    EXPECT_EQ(labelsOf(with.buckets), (Strings{"[23:58:00]", "[23:59:00]", "[23:59:40]",
                                               "[00:00:10]", "[00:00:40]", "[00:01:10]"}));
    // Without: they lie before the current bucket and merge into it.
    const ParsedNight without = night("midnight.gnf", 1);
    EXPECT_EQ(labelsOf(without.buckets), (Strings{"[23:57:00]", "[00:04:00]"}));
}

TEST(NightParser, FirstBucketKeepsTheLineThatOpenedIt) {
    const ParsedNight n = night("bucket_levels.gnf", 0);
    EXPECT_EQ(levelsOf(n.buckets), (std::vector<int>{3}));
    EXPECT_STREQ(n.buckets.sensorMaskTexts[0].data(), "1");
}

// After a snoring bucket, lines 2, 0, 0, 0: the level after each line.
TEST(NightParser, AfterASnoringBucketHalfTheLinesMustSnore) {
    const std::string text = test::readFixture("bucket_levels.gnf");
    const auto nights = listNightsInText(text);
    const std::string nightText(*ExtractNight(text, nights, 1));
    const auto date = labelDate(nights[1].nightLabel);
    ASSERT_TRUE(date);
    const int expected[] = {2, 2, 0, 0};
    // The night's text: header, the line of bucket 0, then the four lines.
    std::size_t cut = 0;
    for (int line = 0; line < 2; ++line)
        cut = nightText.find('\n', cut) + 1;
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        cut = nightText.find('\n', cut) + 1;
        ParsedNight n;
        ParseNight(std::string_view(nightText).substr(0, cut), *date, n);
        ASSERT_EQ(n.buckets.bucketCount, 2);
        EXPECT_EQ(n.buckets.snoreLevels[1], expected[k]);
        // Every line of the bucket replaces its mask, action and time label.
        EXPECT_EQ(maskValue(n.buckets.sensorMaskTexts[1]), k + 1);
    }
}

TEST(NightParser, AfterAQuietBucketOneSnoringLineMarksIt) {
    const NightBuckets b = night("bucket_levels.gnf", 2).buckets;
    EXPECT_EQ(levelsOf(b), (std::vector<int>{0, 4}));
    // The quiet line after it is ignored altogether.
    EXPECT_EQ(b.timeLabels[1], "[22:00:40]");
    EXPECT_STREQ(b.sensorMaskTexts[1].data(), "3");
    EXPECT_EQ(b.actionStates[1], 1);
}

TEST(NightParser, SkipsLinesThatAreNotSampleLines) {
    const ParsedNight n = night("malformed.gnf", 0);
    EXPECT_EQ(levelsOf(n.buckets), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(labelsOf(n.buckets),
              (Strings{"[22:00:00]", "[22:00:30]", "[22:01:00]", "[22:02:00]"}));
}

TEST(NightParser, RefusesNightsWhoseLabelNamesNoDate) {
    const NightStatus expected[] = {NightStatus::InvalidLabelDate, NightStatus::InvalidLabelDate,
                                    NightStatus::InvalidLabelDate, NightStatus::Ok,
                                    NightStatus::InvalidLabelDate};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const ParsedNight n = night("bad_label.gnf", i);
        EXPECT_EQ(n.status, expected[i]);
        EXPECT_EQ(n.buckets.bucketCount, i == 3 ? 1 : 0);
    }
}

TEST(NightParser, NightsWithoutSamplesAreEmptyRecords) {
    const char* texts[] = {
        "TAMOSTART:[2013-05-07 22:00:00][1][1]",
        "TAMOSTART:[2013-05-07 22:00:00][1][1]\r\n",
        "TAMOSTART:[2013-05-07 22:00:00][1][1]\r\nno samples\r\n[22:00:00]:[1]\r\n",
        // A sample on the header line is not read.
        "TAMOSTART:[2013-05-07 22:00:00][1][1][22:00:00]:[1][1][0]",
        // Line ends of CR alone: the whole night is its header line.
        "TAMOSTART:[2013-05-07 22:00:00][1][1]\r[22:00:00]:[1][1][0]\r[22:00:30]:[1][1][0]\r",
    };
    for (const std::string text : texts) {
        SCOPED_TRACE(text);
        ParsedNight n;
        EXPECT_EQ(readNightFromText(text, listNightsInText(text), 0, n), NightStatus::EmptyRecord);
        EXPECT_EQ(n.buckets.bucketCount, 0);
        EXPECT_TRUE(n.startEntries.empty());
        EXPECT_TRUE(n.endEntries.empty());
    }
}

TEST(NightParser, ANightEndsWhereTheLineOfTheNextMarkerBegins) {
    const std::string text = "TAMOSTART:[2013-05-07 22:00:00][1][1]\r\n"
                             "[22:00:00]:[1][1][0]\r\n"
                             "[22:00:30]:[2][1][0] TAMOSTART:[2013-05-08 22:00:00][1][1]\r\n"
                             "[22:00:00]:[3][1][0]";
    const auto nights = listNightsInText(text);
    ASSERT_EQ(nights.size(), 2u);
    ParsedNight first;
    readNightFromText(text, nights, 0, first);
    EXPECT_EQ(levelsOf(first.buckets), (std::vector<int>{1}));
    // The last night runs to the end, its last line needing no line end.
    ParsedNight second;
    readNightFromText(text, nights, 1, second);
    EXPECT_EQ(levelsOf(second.buckets), (std::vector<int>{3}));
}

TEST(NightParser, LooksOnlyAtTheStartOfVeryLongLines) {
    const std::string header = "TAMOSTART:[2013-05-07 22:00:00][1][1]\r\n";
    const std::string sample = "[22:00:30]:[2][1][0]\r\n";
    const std::string text =
        header + "[22:00:00]:[1][1][0]\r\n" + std::string(kMaxLineExamined, 'x') + sample +
        std::string(kMaxLineExamined - 30, 'x') + sample + "[22:01:00]:[3][1][0]\r\n";
    ParsedNight n;
    readNightFromText(text, listNightsInText(text), 0, n);
    EXPECT_EQ(labelsOf(n.buckets), (Strings{"[22:00:00]", "[22:00:30]", "[22:01:00]"}));
}

TEST(NightParser, ReadsAnEntryBackAsItsBucket) {
    EXPECT_EQ(rangeEntryBucket("[22:13:10]    5"), 5);
    EXPECT_EQ(rangeEntryBucket("[05:59:30]    1199"), 1199);
    EXPECT_EQ(rangeEntryBucket(""), 0);
}

} // namespace
} // namespace dormivo
