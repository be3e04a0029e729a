#include "SampleLine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace dormivo {
namespace {

struct GoodLine {
    std::string text;
    int hour, minute, second;
    char level;
    std::string mask;
    char action;
};

TEST(SampleLine, ReadsWellFormedLines) {
    const GoodLine cases[] = {
        {"[22:31:40]:[3][1f0][2]", 22, 31, 40, '3', "1f0", '2'},
        {"[00:00:09]:[0][0][0]", 0, 0, 9, '0', "0", '0'},
        {"[23:59:59]:[8][fff][8]", 23, 59, 59, '8', "fff", '8'},
        {"[12:05:00]:[1][AB][7] trailing text", 12, 5, 0, '1', "AB", '7'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SampleLine line;
        const char* end = nullptr;
        ASSERT_TRUE(readSampleLine(c.text.data(), c.text.data() + c.text.size(), line, &end));
        EXPECT_EQ(line.timeLabel, c.text.substr(0, 10));
        EXPECT_EQ(line.hour, c.hour);
        EXPECT_EQ(line.minute, c.minute);
        EXPECT_EQ(line.second, c.second);
        EXPECT_EQ(line.levelDigit, c.level);
        EXPECT_EQ(std::string(line.maskText.data()), c.mask);
        EXPECT_EQ(line.actionDigit, c.action);
        EXPECT_EQ(end - c.text.data(), static_cast<std::ptrdiff_t>(19 + c.mask.size()));
    }
}

TEST(SampleLine, RejectsLinesNotShapedLikeSamples) {
    const char* cases[] = {
        "",
        "[",
        "[22:00:00]:[1][1][0",
        "[22:00:00]:[1][1][",
        "[22:00:00]:[12][1][0]",
        "[22:00:00]:[1][1f00][0]",
        "[22:00:00]:[1][][0]",
        "[22:00:00]:[1][xyz][0]",
        "[22:00:00]:[1][1][a]",
        "[22:00:00]:[1][1][10]",
        "[22:00:00]-[1][1][0]",
        "[24:00:00]:[1][1][0]",
        "[22:60:00]:[1][1][0]",
        "[22:00:60]:[1][1][0]",
        "[2a:00:00]:[1][1][0]",
        "[22:00:00][1][1][0]",
        "(22:00:00]:[1][1][0]",
    };
    for (const std::string text : cases) {
        SCOPED_TRACE(text);
        SampleLine line;
        const char* end = nullptr;
        EXPECT_FALSE(readSampleLine(text.data(), text.data() + text.size(), line, &end));
    }
}

// A line cut anywhere (a recording ended mid-line) is refused.
TEST(SampleLine, RefusesEveryCutOfALine) {
    const std::string full = "[22:31:40]:[3][1f0][2]";
    for (std::size_t length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        auto bytes = std::make_unique<char[]>(length);
        full.copy(bytes.get(), length);
        SampleLine line;
        const char* end = nullptr;
        EXPECT_FALSE(readSampleLine(bytes.get(), bytes.get() + length, line, &end));
    }
}

} // namespace
} // namespace dormivo
