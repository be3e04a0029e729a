#include "LineFeeder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace dormivo {
namespace {

using Lines = std::vector<std::string>;

// Feeds the text in pieces and collects the lines as their reader sees them:
// without line feeds and no longer than maxLine.
Lines feed(const std::string& text, std::size_t piece, std::size_t maxLine, bool keep) {
    Lines lines;
    const LineSink sink = [&](const char* begin, const char* end) {
        while (begin < end) {
            const char* lf = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
            const auto length = static_cast<std::size_t>((lf ? lf : end) - begin);
            lines.emplace_back(begin, std::min(length, maxLine));
            begin = lf ? lf + 1 : end;
        }
        return true;
    };
    LineFeeder feeder(maxLine);
    for (std::size_t at = 0; at < text.size(); at += piece)
        feeder.push(text.data() + at, std::min(piece, text.size() - at), sink);
    feeder.finish(keep, sink);
    return lines;
}

TEST(LineFeeder, HandsOnWholeLinesWhateverThePieces) {
    struct Case {
        const char* name;
        std::string text;
        bool keep;
        Lines lines;
    };
    const Case cases[] = {
        {"plain lines", "ab\ncd\r\n", true, {"ab", "cd\r"}},
        {"last line without line feed, kept", "ab\ncd", true, {"ab", "cd"}},
        {"last line without line feed, dropped", "ab\ncd", false, {"ab"}},
        {"a long line", "ab\n0123456789\ncd\n", true, {"ab", "01234567", "cd"}},
        {"a long last line, kept", "ab\n0123456789", true, {"ab", "01234567"}},
        {"a long last line, dropped", "ab\n0123456789", false, {"ab"}},
        {"a line of exactly the limit", "01234567\nab\n", true, {"01234567", "ab"}},
        {"no line feed at all", "0123456789abcdef", true, {"01234567"}},
        {"empty lines", "\n\nab\n", true, {"", "", "ab"}},
        {"empty", "", true, {}},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {1u, 2u, 3u, 5u, 8u, 9u, 64u}) {
            SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
            EXPECT_EQ(feed(c.text, piece, 8, c.keep), c.lines);
        }
    }
}

TEST(LineFeeder, StopsWhenTheSinkSaysSo) {
    std::size_t calls = 0;
    const LineSink sink = [&](const char*, const char*) {
        ++calls;
        return false;
    };
    LineFeeder feeder(8);
    EXPECT_FALSE(feeder.push("a\nb", 3, sink));
    EXPECT_FALSE(feeder.push("\nc\n", 3, sink));
    feeder.finish(true, sink);
    EXPECT_EQ(calls, 1u);
    // A new stream starts afresh.
    feeder.reset();
    EXPECT_FALSE(feeder.push("d\n", 2, sink));
    EXPECT_EQ(calls, 2u);
}

} // namespace
} // namespace dormivo
