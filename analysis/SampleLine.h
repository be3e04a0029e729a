#pragma once

#include "NightBuckets.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace dormivo {

// The fields of one sample line such as "[22:31:40]:[3][1f0][2]".
struct SampleLine {
    std::string_view timeLabel; // the bracketed time, 10 characters
    int hour = 0;
    int minute = 0;
    int second = 0;
    char levelDigit = '0';
    MaskText maskText{};
    char actionDigit = '0';
};

namespace sampleline {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

inline int twoDigits(const char* p) {
    return (p[0] - '0') * 10 + (p[1] - '0');
}

// The first 15 characters of every sample line, "[hh:mm:ss]:[l][", checked
// eight at a time: d marks a digit, every other byte must match exactly.
struct LineHead {
    std::uint64_t expected[2] = {}; // the fixed bytes, and "0" for each digit
    std::uint64_t fixed[2] = {};    // 0xff on each fixed byte
    std::uint64_t digit[2] = {};    // 0x80 on each digit

    LineHead() {
        const char shape[] = "[dd:dd:dd]:[d][";
        unsigned char e[16] = {}, f[16] = {}, d[16] = {};
        for (int i = 0; i < 15; ++i) {
            const bool isDigitPlace = shape[i] == 'd';
            e[i] = static_cast<unsigned char>(isDigitPlace ? '0' : shape[i]);
            f[i] = isDigitPlace ? 0 : 0xff;
            d[i] = isDigitPlace ? 0x80 : 0;
        }
        std::memcpy(expected, e, 16);
        std::memcpy(fixed, f, 16);
        std::memcpy(digit, d, 16);
    }

    // p must have 16 readable bytes.
    bool matches(const char* p) const {
        std::uint64_t w[2];
        std::memcpy(w, p, 16);
        std::uint64_t bad = 0;
        for (int i = 0; i < 2; ++i) {
            // A digit XOR "0" is 0..9; adding 0x76 to its low seven bits keeps
            // the top bit clear exactly for those (no carry leaves a byte).
            const std::uint64_t x = w[i] ^ expected[i];
            const std::uint64_t y = (x & 0x7f7f7f7f7f7f7f7fULL) + 0x7676767676767676ULL;
            bad |= (x & fixed[i]) | ((x | y) & digit[i]);
        }
        return bad == 0;
    }
};

inline const LineHead lineHead;

} // namespace sampleline

// Shortest and longest sample line: a mask of one to three digits.
constexpr std::size_t kMinSampleLength = 20;
constexpr std::size_t kMaxSampleLength = 22;

// Reads the sample line whose "[" is at p, looking no further than end. False
// when the text there is not shaped like a sample line (time digits within
// the clock's ranges, one level digit, a mask of one to three hex digits, one
// action digit, each in its brackets); such a line is skipped by the reader.
// On success *sampleEnd is the position just after the action's "]".
[[gnu::always_inline]] inline bool readSampleLine(const char* p, const char* end, SampleLine& out,
                                                  const char** sampleEnd) {
    using namespace sampleline;
    if (end - p < static_cast<std::ptrdiff_t>(kMinSampleLength) || !lineHead.matches(p))
        return false;
    const std::ptrdiff_t room = end - p;
    std::ptrdiff_t k = 0; // mask digits
    while (k < 3 && 15 + k < room && isHex(p[15 + k]))
        ++k;
    if (k == 0 || 18 + k >= room || p[15 + k] != ']' || p[16 + k] != '[' || !isDigit(p[17 + k]) ||
        p[18 + k] != ']')
        return false;
    const int hour = twoDigits(p + 1);
    const int minute = twoDigits(p + 4);
    const int second = twoDigits(p + 7);
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    out.timeLabel = std::string_view(p, 10);
    out.hour = hour;
    out.minute = minute;
    out.second = second;
    out.levelDigit = p[12];
    out.maskText = MaskText{};
    for (std::ptrdiff_t i = 0; i < k; ++i)
        out.maskText[static_cast<std::size_t>(i)] = p[15 + i];
    out.actionDigit = p[17 + k];
    *sampleEnd = p + 19 + k;
    return true;
}

} // namespace dormivo
