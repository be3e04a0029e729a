#pragma once

#include <cstdint>

namespace dormivo {

// The values one device frame carries; also the shape of the live sample.
struct FrameValues {
    std::uint8_t snoreLevel = 0;
    std::uint16_t sensorMask = 0; // 12 bits
    std::uint8_t actionState = 0;
    std::uint8_t auxByte6 = 0;
    std::uint8_t auxByte7 = 0;

    friend bool operator==(const FrameValues&, const FrameValues&) = default;
};

} // namespace dormivo
