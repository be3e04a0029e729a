#include "ParseFrames.h"

#include "FrameScanner.h"
#include "LinkShared.h"
#include "LinkView.h"
#include "SampleWriter.h"

namespace dormivo {

bool ParseFrames(std::span<const std::uint8_t> received, LinkShared& shared, SampleWriter& writer,
                 LinkView& view) {
    const std::optional<FrameValues> frame = findLastFrame(received);
    if (!frame) {
        return false;
    }
    shared.liveSample.store(*frame);
    if (shared.recordingActive.load() &&
        !writer.writeSampleLine(frame->snoreLevel, frame->sensorMask, frame->actionState)) {
        shared.sampleWriteFailed.store(true);
    }
    if (!shared.linkStopRequested.load()) {
        view.refreshMonitorCells();
    }
    return true;
}

} // namespace dormivo
