#include "RecordingReader.h"
#include "AnalysisFixtures.h"
#include "NightText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace dormivo {
namespace {

void expectSameNight(const ParsedNight& a, const ParsedNight& b) {
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.startEntries, b.startEntries);
    EXPECT_EQ(a.endEntries, b.endEntries);
    EXPECT_EQ(a.buckets.bucketCount, b.buckets.bucketCount);
    EXPECT_EQ(a.buckets.snoreLevels, b.buckets.snoreLevels);
    EXPECT_EQ(a.buckets.sensorMaskTexts, b.buckets.sensorMaskTexts);
    EXPECT_EQ(a.buckets.actionStates, b.buckets.actionStates);
    EXPECT_EQ(a.buckets.timeLabels, b.buckets.timeLabels);
}

// The file is read in blocks and a night on its own; the result is what the
// whole text in memory gives.
TEST(RecordingReader, ReadsFilesAsTheirTextInMemory) {
    const char* fixtures[] = {"three_nights.gnf",    "same_label.gnf", "bucket_cap.gnf",
                              "per_second.gnf",      "gap.gnf",        "midnight.gnf",
                              "bucket_levels.gnf",   "malformed.gnf",  "bad_label.gnf",
                              "on_pillow_to_end.gnf"};
    for (const std::string name : fixtures) {
        SCOPED_TRACE(name);
        const std::string text = test::readFixture(name);
        const auto expectedNights = listNightsInText(text);
        RecordingReader reader;
        ASSERT_TRUE(reader.open(test::fixturePath(name)));
        std::vector<singlenight> nights;
        ASSERT_TRUE(reader.listNights(nights));
        ASSERT_EQ(nights, expectedNights);
        for (std::size_t i = 0; i < nights.size(); ++i) {
            SCOPED_TRACE(i);
            ParsedNight fromFile;
            ParsedNight fromText;
            reader.readNight(nights, i, fromFile);
            readNightFromText(text, nights, i, fromText);
            expectSameNight(fromFile, fromText);
        }
        // All nights in one pass.
        std::size_t count = 0;
        ASSERT_TRUE(reader.readNights(
            [](std::size_t) { return true; },
            [&](std::size_t index, const singlenight& night, const ParsedNight* parsed) {
                SCOPED_TRACE(index);
                EXPECT_EQ(index, count++);
                EXPECT_EQ(night, nights[index]);
                ParsedNight fromText;
                readNightFromText(text, nights, index, fromText);
                EXPECT_NE(parsed, nullptr);
                if (parsed)
                    expectSameNight(*parsed, fromText);
                return true;
            }));
        EXPECT_EQ(count, nights.size());
    }
}

TEST(RecordingReader, ReadsOnlyTheWantedNightsAndStopsWhenAsked) {
    RecordingReader reader;
    ASSERT_TRUE(reader.open(test::fixturePath("three_nights.gnf")));
    std::vector<std::size_t> seen;
    std::vector<bool> parsed;
    ASSERT_TRUE(
        reader.readNights([](std::size_t index) { return index == 1; },
                          [&](std::size_t index, const singlenight&, const ParsedNight* night) {
                              seen.push_back(index);
                              parsed.push_back(night != nullptr);
                              return index < 1;
                          }));
    EXPECT_EQ(seen, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(parsed, (std::vector<bool>{false, true}));
}

using test::TempFile;

TEST(RecordingReader, HandlesLinesLongerThanItsBlocks) {
    const std::string header = "TAMOSTART:[2013-05-07 22:00:00][1][1]\r\n";
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"a huge line between samples", header + "[22:00:00]:[1][1][0]\r\n" +
                                            std::string(3 << 20, 'x') +
                                            "[22:00:30]:[2][1][0]\r\n[22:01:00]:[3][1][0]\r\n"},
        {"a huge header line", "TAMOSTART:[2013-05-07 22:00:00]" + std::string(3 << 20, 'y') +
                                   "\r\n[22:00:00]:[1][1][0]\r\n"},
        {"a night without line feeds", header + std::string(3 << 20, '[')},
        {"CR line ends", "TAMOSTART:[2013-05-07 22:00:00][1][1]\r[22:00:00]:[1][1][0]\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFile file(c.text);
        RecordingReader reader;
        ASSERT_TRUE(reader.open(file.path()));
        std::vector<singlenight> nights;
        ASSERT_TRUE(reader.listNights(nights));
        ASSERT_EQ(nights.size(), 1u);
        ParsedNight fromFile;
        ParsedNight fromText;
        reader.readNight(nights, 0, fromFile);
        readNightFromText(c.text, nights, 0, fromText);
        expectSameNight(fromFile, fromText);
        bool read = false;
        ASSERT_TRUE(reader.readNights([](std::size_t) { return true; },
                                      [&](std::size_t, const singlenight&, const ParsedNight* n) {
                                          read = n != nullptr;
                                          if (n)
                                              expectSameNight(*n, fromText);
                                          return true;
                                      }));
        EXPECT_TRUE(read);
    }
}

TEST(RecordingReader, RefusesWhatItCannotRead) {
    RecordingReader reader;
    EXPECT_FALSE(reader.open("/nonexistent/dormivo/test.gnf"));
    std::vector<singlenight> nights;
    EXPECT_FALSE(reader.listNights(nights));

    ASSERT_TRUE(reader.open(test::fixturePath("three_nights.gnf")));
    ASSERT_TRUE(reader.listNights(nights));
    ParsedNight night;
    EXPECT_EQ(reader.readNight(nights, nights.size(), night), NightStatus::NoSuchNight);
    EXPECT_EQ(night.buckets.bucketCount, 0);
}

TEST(RecordingReader, ReadsTheNightsOfAFileThatGrew) {
    const TempFile file("TAMOSTART:[2013-05-07 22:00:00][1][1]\r\n[22:00:00]:[1][1][0]\r\n");
    RecordingReader reader;
    ASSERT_TRUE(reader.open(file.path()));
    std::vector<singlenight> nights;
    ASSERT_TRUE(reader.listNights(nights));
    ASSERT_EQ(nights.size(), 1u);
    std::ofstream(file.path(), std::ios::binary | std::ios::app) << "[22:00:30]:[2][1][0]\r\n";
    ParsedNight night;
    EXPECT_EQ(reader.readNight(nights, 0, night), NightStatus::Ok);
    EXPECT_EQ(night.buckets.bucketCount, 2);
}

} // namespace
} // namespace dormivo
