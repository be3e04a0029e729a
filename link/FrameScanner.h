#pragma once

#include "FrameValues.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace dormivo {

inline constexpr std::size_t kFrameSize = 9;
inline constexpr std::uint8_t kFrameStart = 0x5B;
inline constexpr std::uint8_t kFrameMarker = 0xF4;
inline constexpr std::uint8_t kFrameEnd = 0x5D;

// The last complete frame among the received bytes, or nothing. Bytes between
// frames, broken frames and a truncated frame at the end are skipped; a frame
// is recognised by its start, marker and end bytes alone.
std::optional<FrameValues> findLastFrame(std::span<const std::uint8_t> received);

// The nine bytes that carry the given values (mask cut to 12 bits).
std::array<std::uint8_t, kFrameSize> encodeFrame(const FrameValues& values);

} // namespace dormivo
