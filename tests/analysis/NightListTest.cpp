#include "NightList.h"
#include "AnalysisFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace dormivo {
namespace {

using namespace std::string_literals;

// Hands out `text` as a file would, as much as the reader asks for at a
// time; `position` tells how far it has been read.
ByteSource sourceOf(const std::string& text, std::size_t& position) {
    return [&text, &position](char* into, std::size_t max) {
        const std::size_t n = std::min(max, text.size() - position);
        std::memcpy(into, text.data() + position, n);
        position += n;
        return static_cast<std::ptrdiff_t>(n);
    };
}

std::vector<std::string> labelsIn(const std::vector<singlenight>& nights) {
    std::vector<std::string> labels;
    for (const auto& n : nights)
        labels.push_back(n.nightLabel);
    return labels;
}

TEST(NightList, ListsThreeNightsInFileOrderAfterTheRemarks) {
    const std::string text = test::readFixture("three_nights.gnf");
    const auto nights = listNightsInText(text);
    EXPECT_EQ(labelsIn(nights),
              (std::vector<std::string>{"[2013-05-07 22:30:15]", "[2013-05-08 22:10:00]",
                                        "[2013-05-09 23:00:00]"}));
    std::size_t from = 0;
    for (const auto& night : nights) {
        const auto expected = text.find("TAMOSTART", from);
        EXPECT_EQ(night.markerOffset, static_cast<std::int64_t>(expected));
        from = expected + 1;
    }
}

TEST(NightList, FindsMarkersWhereverTheyStand) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<singlenight> nights;
    };
    const Case cases[] = {
        {"no marker", "Remarks:x\r\n[22:00:00]:[1][1][1]\r\n", {}},
        {"marker within a line",
         "ab TAMOSTART:[2013-05-07 22:30:15][1][1]\r\n",
         {{"[2013-05-07 22:30:15]", 3}}},
        {"header at the very end, cut", "x\r\nTAMOSTART:[2013-05", {{"[2013-05", 3}}},
        {"bare marker at the very end", "x\r\nTAMOSTART", {{"", 3}}},
        {"part of a marker at the end", "x\r\nTAMOSTAR", {}},
        {"search goes on after the colon",
         "TAMOSTARTAMOSTART:[2013-05-07 22:30:15]",
         {{"MOSTART:[2013-05-07 2", 0}}},
        {"a zero byte ends a label", "TAMOSTART:[2013\0-05-07 22:30:15]"s, {{"[2013", 0}}},
        {"nights after zero bytes are found",
         "TAMOSTART:[2013-05-07 22:30:15]\r\n\0\0\0TAMOSTART:[2013-05-08 22:30:15]\r\n"s,
         {{"[2013-05-07 22:30:15]", 0}, {"[2013-05-08 22:30:15]", 36}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(listNightsInText(c.text), c.nights);
    }
}

// Markers and labels that straddle block boundaries are found as in one piece.
TEST(NightList, StreamingFindsTheSameNightsForAnyBlockSize) {
    const std::string fixtures[] = {"three_nights.gnf", "same_label.gnf", "bad_label.gnf",
                                    "midnight.gnf", "bucket_levels.gnf"};
    for (const auto& name : fixtures) {
        const std::string text = test::readFixture(name);
        const auto expected = listNightsInText(text);
        for (const std::size_t block : {1u, 2u, 7u, 9u, 10u, 30u, 31u, 32u, 100u, 4096u}) {
            SCOPED_TRACE(name + " block " + std::to_string(block));
            std::size_t position = 0;
            const ByteSource source = sourceOf(text, position);
            std::vector<singlenight> nights;
            NightScanner scanner(block);
            ASSERT_TRUE(scanner.scan(source, [&](const singlenight& n) {
                nights.push_back(n);
                return true;
            }));
            EXPECT_EQ(nights, expected);
        }
    }
}

TEST(NightList, StreamingStopsWhenAsked) {
    const std::string text = test::readFixture("three_nights.gnf");
    std::size_t position = 0;
    const ByteSource source = sourceOf(text, position);
    std::vector<singlenight> nights;
    NightScanner scanner(64);
    ASSERT_TRUE(scanner.scan(source, [&](const singlenight& n) {
        nights.push_back(n);
        return false;
    }));
    EXPECT_EQ(nights.size(), 1u);
    EXPECT_LT(position, text.size());
}

TEST(NightList, ReportsAFailingSource) {
    NightScanner scanner(64);
    EXPECT_FALSE(scanner.scan([](char*, std::size_t) { return std::ptrdiff_t{-1}; },
                              [](const singlenight&) { return true; }));
}

} // namespace
} // namespace dormivo
