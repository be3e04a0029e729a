#include "FrameScanner.h"

namespace dormivo {

std::optional<FrameValues> findLastFrame(std::span<const std::uint8_t> received) {
    const std::size_t n = received.size();
    if (n < kFrameSize) {
        return std::nullopt;
    }
    std::optional<FrameValues> last;
    std::size_t i = 0;
    while (i < n) {
        if (received[i] != kFrameStart || i + 1 == n || received[i + 1] != kFrameMarker) {
            ++i;
            continue;
        }
        if (i + kFrameSize - 1 >= n) {
            break;
        }
        if (received[i + 8] != kFrameEnd) {
            ++i;
            continue;
        }
        FrameValues v;
        v.sensorMask =
            static_cast<std::uint16_t>((received[i + 3] * 256 + received[i + 2]) & 0x0FFF);
        v.snoreLevel = received[i + 4];
        v.actionState = received[i + 5];
        v.auxByte6 = received[i + 6];
        v.auxByte7 = received[i + 7];
        last = v;
        i += kFrameSize;
    }
    return last;
}

std::array<std::uint8_t, kFrameSize> encodeFrame(const FrameValues& values) {
    const std::uint16_t mask = values.sensorMask & 0x0FFF;
    return {kFrameStart,
            kFrameMarker,
            static_cast<std::uint8_t>(mask & 0xFF),
            static_cast<std::uint8_t>(mask >> 8),
            values.snoreLevel,
            values.actionState,
            values.auxByte6,
            values.auxByte7,
            kFrameEnd};
}

} // namespace dormivo
