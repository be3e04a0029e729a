#pragma once

#include "FrameValues.h"

#include <atomic>
#include <cstdint>

namespace dormivo {

// The last complete frame, written by the link worker and read by the
// monitors. All fields live in one lock-free word, so a reader always sees
// the fields of one frame together and never holds up the writer.
class LiveSample {
public:
    FrameValues read() const { return unpack(packed_.load(std::memory_order_acquire)); }
    void store(const FrameValues& v) { packed_.store(pack(v), std::memory_order_release); }

    // Zeroes every field but auxByte7, as opening the page or losing the port does.
    void clear() {
        std::uint64_t old = packed_.load(std::memory_order_relaxed);
        while (!packed_.compare_exchange_weak(old, old & kAux7Bits, std::memory_order_acq_rel)) {
        }
    }

private:
    static constexpr std::uint64_t kAux7Bits = 0xFFull << 40;

    static std::uint64_t pack(const FrameValues& v) {
        return std::uint64_t{v.snoreLevel} | std::uint64_t{v.sensorMask} << 8 |
               std::uint64_t{v.actionState} << 24 | std::uint64_t{v.auxByte6} << 32 |
               std::uint64_t{v.auxByte7} << 40;
    }
    static FrameValues unpack(std::uint64_t p) {
        FrameValues v;
        v.snoreLevel = static_cast<std::uint8_t>(p);
        v.sensorMask = static_cast<std::uint16_t>(p >> 8);
        v.actionState = static_cast<std::uint8_t>(p >> 24);
        v.auxByte6 = static_cast<std::uint8_t>(p >> 32);
        v.auxByte7 = static_cast<std::uint8_t>(p >> 40);
        return v;
    }

    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
    std::atomic<std::uint64_t> packed_{0};
};

} // namespace dormivo
