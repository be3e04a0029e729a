// Feeds arbitrary reads to the frame parser: it must never read past the
// bytes it was given, and whatever it takes must be a frame that is there.
#include "FrameScanner.h"
#include "LinkShared.h"
#include "LinkView.h"
#include "ParseFrames.h"
#include "SampleWriter.h"

#include <cstdlib>

namespace {

class NullView final : public dormivo::LinkView {
public:
    void setUsbLamp(int) override {}
    void setLampLabelText(std::string_view) override {}
    void restyleStartButton() override {}
    void refreshMonitorCells() override { ++refreshes; }
    int refreshes = 0;
};

class CountingWriter final : public dormivo::SampleWriter {
public:
    bool writeSampleLine(std::uint8_t, std::uint16_t mask, std::uint8_t) override {
        ++lines;
        return mask <= 0x0FFF;
    }
    int lines = 0;
};

bool holdsFrame(std::span<const std::uint8_t> bytes, const dormivo::FrameValues& v) {
    const auto wanted = dormivo::encodeFrame(v);
    for (std::size_t i = 0; i + dormivo::kFrameSize <= bytes.size(); ++i) {
        if (std::equal(wanted.begin(), wanted.end(), bytes.begin() + i,
                       [](std::uint8_t a, std::uint8_t b) { return a == b; })) {
            return true;
        }
        // The high nibble of byte 3 is not part of the values.
        if (bytes[i] == 0x5B && bytes[i + 1] == 0xF4 && bytes[i + 2] == wanted[2] &&
            (bytes[i + 3] & 0x0F) == wanted[3] &&
            std::equal(wanted.begin() + 4, wanted.end(), bytes.begin() + i + 4)) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto frame = dormivo::findLastFrame(bytes);
    if (frame && (frame->sensorMask > 0x0FFF || !holdsFrame(bytes, *frame))) {
        std::abort();
    }

    dormivo::LinkShared shared;
    shared.recordingActive = size % 2 == 0;
    NullView view;
    CountingWriter writer;
    const bool found = dormivo::ParseFrames(bytes, shared, writer, view);
    if (found != frame.has_value() || writer.lines > 1 || view.refreshes > 1 ||
        shared.sampleWriteFailed.load() || (found && !(shared.liveSample.read() == *frame))) {
        std::abort();
    }
    return 0;
}
