#include "NoiseMaker.h"

namespace dormivo::sim {

std::uint8_t NoiseMaker::noiseByte() {
    // Never a start or end byte: those alone could complete a false frame.
    while (true) {
        const auto b = static_cast<std::uint8_t>(rng_() & 0xFF);
        if (b != kFrameStart && b != kFrameEnd) {
            return b;
        }
    }
}

void NoiseMaker::appendBrokenFrame(std::vector<std::uint8_t>& out) {
    switch (rng_() % 3) {
    case 0: // wrong second marker
        out.push_back(kFrameStart);
        out.push_back(static_cast<std::uint8_t>(kFrameMarker ^ (1 + rng_() % 0x7F)));
        for (int i = 0; i < 6; ++i) {
            out.push_back(noiseByte());
        }
        out.push_back(kFrameEnd);
        break;
    case 1: // wrong end byte
        out.push_back(kFrameStart);
        out.push_back(kFrameMarker);
        for (int i = 0; i < 7; ++i) {
            out.push_back(noiseByte());
        }
        break;
    default: // cut short
        out.push_back(kFrameStart);
        out.push_back(kFrameMarker);
        for (unsigned i = 0, n = rng_() % 6; i < n; ++i) {
            out.push_back(noiseByte());
        }
        break;
    }
}

std::vector<std::vector<std::uint8_t>>
NoiseMaker::writesFor(const std::array<std::uint8_t, kFrameSize>& frame) {
    std::vector<std::uint8_t> first;
    if (chance(0.3)) {
        for (unsigned i = 0, n = 1 + rng_() % 6; i < n; ++i) {
            first.push_back(noiseByte());
        }
    }
    if (chance(0.15)) {
        appendBrokenFrame(first);
    }
    if (!chance(0.2)) {
        first.insert(first.end(), frame.begin(), frame.end());
        return {first};
    }
    const std::size_t cut = 1 + rng_() % (kFrameSize - 1);
    first.insert(first.end(), frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(cut));
    return {first, std::vector<std::uint8_t>(frame.begin() + static_cast<std::ptrdiff_t>(cut),
                                             frame.end())};
}

} // namespace dormivo::sim
