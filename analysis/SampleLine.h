#pragma once

#include "NightBuckets.h"

#include <cstddef>
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

} // namespace sampleline

// Shortest and longest sample line: a mask of one to three digits.
constexpr std::size_t kMinSampleLength = 20;
constexpr std::size_t kMaxSampleLength = 22;

// Reads the sample line whose "[" is at p, looking no further than end. False
// when the text there is not shaped like a sample line (time digits within
// the clock's ranges, one level digit, a mask of one to three hex digits, one
// action digit, each in its brackets); such a line is skipped by the reader.
// On success *sampleEnd is the position just after the action's "]".
inline bool readSampleLine(const char* p, const char* end, SampleLine& out,
                           const char** sampleEnd) {
    using namespace sampleline;
    if (end - p < static_cast<std::ptrdiff_t>(kMinSampleLength))
        return false;
    if (p[0] != '[' || !isDigit(p[1]) || !isDigit(p[2]) || p[3] != ':' || !isDigit(p[4]) ||
        !isDigit(p[5]) || p[6] != ':' || !isDigit(p[7]) || !isDigit(p[8]) || p[9] != ']' ||
        p[10] != ':' || p[11] != '[' || !isDigit(p[12]) || p[13] != ']' || p[14] != '[')
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
