#pragma once

#include "FrameScanner.h"

#include <cstdint>
#include <random>
#include <vector>

namespace dormivo::sim {

// Turns one frame into the writes a noisy line would carry: garbage bytes,
// broken frames (wrong marker, wrong end, cut short) and the frame split over
// two writes. Noise holds no start or end byte of its own and broken frames
// end where no frame starts, so as long as the payload holds no end byte
// (0x5D) whatever the parser takes is a frame that was really sent.
class NoiseMaker {
public:
    explicit NoiseMaker(unsigned seed) : rng_(seed) {}
    std::vector<std::vector<std::uint8_t>>
    writesFor(const std::array<std::uint8_t, kFrameSize>& frame);

private:
    std::uint8_t noiseByte();
    void appendBrokenFrame(std::vector<std::uint8_t>& out);
    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(rng_) < p; }

    std::mt19937 rng_;
};

} // namespace dormivo::sim
