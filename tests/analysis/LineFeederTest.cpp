#include "LineChunker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace dormivo {
namespace {

using Lines = std::vector<std::string>;

// The lines handed on, without their line feeds and no longer than maxLine:
// the part of a line its reader looks at.
Lines chunk(const std::string& text, std::size_t block, std::size_t maxLine, bool keep) {
    std::size_t position = 0;
    const ByteSource source = [&](char* into, std::size_t max) {
        const std::size_t n = std::min(max, text.size() - position);
        std::memcpy(into, text.data() + position, n);
        position += n;
        return static_cast<std::ptrdiff_t>(n);
    };
    Lines lines;
    LineChunker chunker(block, maxLine);
    chunker.run(source, keep, [&](const char* begin, const char* end) {
        while (begin < end) {
            const char* lf = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
            const char* next = lf ? lf + 1 : end;
            const auto length = static_cast<std::size_t>((lf ? lf : end) - begin);
            lines.emplace_back(begin, std::min(length, maxLine));
            begin = next;
        }
        return true;
    });
    return lines;
}

TEST(LineChunker, HandsOnWholeLinesWhateverTheBlockSize) {
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
        {"empty", "", true, {}},
    };
    for (const auto& c : cases) {
        for (const std::size_t block : {1u, 2u, 3u, 5u, 8u, 64u}) {
            SCOPED_TRACE(std::string(c.name) + ", block " + std::to_string(block));
            EXPECT_EQ(chunk(c.text, block, 8, c.keep), c.lines);
        }
    }
}

TEST(LineChunker, ReportsAFailingSource) {
    LineChunker chunker(16, 8);
    EXPECT_FALSE(chunker.run([](char*, std::size_t) { return std::ptrdiff_t{-1}; }, true,
                             [](const char*, const char*) { return true; }));
}

TEST(LineChunker, StopsWhenTheSinkSaysSo) {
    std::size_t calls = 0;
    std::size_t position = 0;
    const std::string text = "a\nb\nc\nd\n";
    LineChunker chunker(2, 8);
    EXPECT_TRUE(chunker.run(
        [&](char* into, std::size_t max) {
            const std::size_t n = std::min(max, text.size() - position);
            std::memcpy(into, text.data() + position, n);
            position += n;
            return static_cast<std::ptrdiff_t>(n);
        },
        true,
        [&](const char*, const char*) {
            ++calls;
            return false;
        }));
    EXPECT_EQ(calls, 1u);
    EXPECT_LT(position, text.size());
}

} // namespace
} // namespace dormivo
