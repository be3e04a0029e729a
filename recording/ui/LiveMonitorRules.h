#pragma once

#include <array>
#include <cstdint>

namespace dormivo {

inline constexpr int kLevelRows = 6;
inline constexpr int kSensorCells = 12;

// Control ids of the snoring rows, top ("Heavy snoring") to bottom ("No snoring").
inline constexpr std::array<int, kLevelRows> kLevelRowIds{1014, 1015, 1016, 1017, 1019, 1020};
// Control ids of the sensor cells, left (bit 11) to right (bit 0).
inline constexpr std::array<int, kSensorCells> kSensorCellIds{1037, 1036, 1035, 1034, 1033, 1032,
                                                              1031, 1030, 1029, 1027, 1026, 1025};

// A row is lit when the level reaches it; the bottom row ("No snoring") always is.
constexpr bool levelRowLit(int row, std::uint8_t snoreLevel) {
    return snoreLevel >= kLevelRows - 1 - row;
}

// The leftmost cell shows bit 11 of the mask, the rightmost bit 0.
constexpr bool sensorCellSet(int cell, std::uint16_t sensorMask) {
    return (sensorMask >> (kSensorCells - 1 - cell)) & 1u;
}

} // namespace dormivo
