#pragma once

#include <cstdint>

namespace dormivo {

// Where the link worker appends sample lines (the open recording file).
class SampleWriter {
public:
    virtual ~SampleWriter() = default;
    // False only when an open file could not take the whole line.
    virtual bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) = 0;
};

} // namespace dormivo
