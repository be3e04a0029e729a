#include "NightList.h"

#include <algorithm>
#include <cstring>

namespace dormivo {

namespace {

constexpr std::size_t kLabelOffset = 10; // after "TAMOSTART:"
constexpr std::size_t kLabelLength = 21;
constexpr std::size_t kPageSize = 4096;

static_assert(kMarkerCarry + 1 == kLabelOffset + kLabelLength);

} // namespace

std::size_t scanMarkers(const char* data, std::size_t size, std::int64_t fileOffset, bool atEnd,
                        const OnNight& onNight, const OnBytes* onBytes, bool* stopped) {
    const char* const end = data + size;
    const char* flushed = data;
    const auto flushTo = [&](const char* to) {
        if (onBytes && to > flushed)
            (*onBytes)(flushed, static_cast<std::size_t>(to - flushed));
        flushed = to;
    };
    const char* done = end;
    const char* s = data;
    while (s < end) {
        const char* t =
            static_cast<const char*>(std::memchr(s, 'T', static_cast<std::size_t>(end - s)));
        if (!t)
            break;
        const auto left = static_cast<std::size_t>(end - t);
        if (left < kNightMarker.size()) {
            if (!atEnd)
                done = t;
            break;
        }
        if (std::memcmp(t, kNightMarker.data(), kNightMarker.size()) != 0) {
            s = t + 1;
            continue;
        }
        if (left < kLabelOffset + kLabelLength && !atEnd) {
            done = t;
            break;
        }
        singlenight night;
        night.markerOffset = fileOffset + (t - data);
        if (left > kLabelOffset) {
            const char* label = t + kLabelOffset;
            const std::size_t room = std::min(kLabelLength, left - kLabelOffset);
            // The label is a zero-terminated text: a zero byte ends it.
            const void* zero = std::memchr(label, '\0', room);
            night.nightLabel.assign(label, zero ? static_cast<const char*>(zero) - label : room);
        }
        flushTo(t);
        if (!onNight(night)) {
            *stopped = true;
            return size;
        }
        if (left <= kLabelOffset)
            break;
        s = t + kLabelOffset;
    }
    flushTo(done);
    return static_cast<std::size_t>(done - data);
}

NightScanner::NightScanner(std::size_t blockSize)
    : blockSize_(std::max<std::size_t>(blockSize, 1)), buffer_(2 * kPageSize + blockSize_) {}

bool NightScanner::scan(const ByteSource& source, const OnNight& onNight, const OnBytes* onBytes) {
    // Blocks are read to a page boundary so the kernel copies whole pages; the
    // few bytes left over from a block go just in front of it.
    char* const base = buffer_.data();
    const auto misalign = reinterpret_cast<std::uintptr_t>(base) % kPageSize;
    char* const block = base + (kPageSize - misalign) % kPageSize + kPageSize;
    std::size_t carry = 0;
    std::int64_t offset = 0; // file offset of block[0]
    bool stopped = false;
    for (;;) {
        const std::ptrdiff_t got = source(block, blockSize_);
        if (got < 0)
            return false;
        const bool atEnd = got == 0;
        char* const data = block - carry;
        const std::size_t size = carry + static_cast<std::size_t>(got);
        const std::size_t done = scanMarkers(data, size, offset - static_cast<std::int64_t>(carry),
                                             atEnd, onNight, onBytes, &stopped);
        if (stopped || atEnd)
            return true;
        carry = size - done;
        std::memmove(block - carry, data + done, carry);
        offset += got;
    }
}

std::vector<singlenight> listNightsInText(std::string_view fileText) {
    std::vector<singlenight> nights;
    bool stopped = false;
    scanMarkers(
        fileText.data(), fileText.size(), 0, true,
        [&](const singlenight& n) {
            nights.push_back(n);
            return true;
        },
        nullptr, &stopped);
    return nights;
}

} // namespace dormivo
