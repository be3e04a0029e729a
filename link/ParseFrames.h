#pragma once

#include <cstdint>
#include <span>

namespace dormivo {

class LinkView;
class SampleWriter;
struct LinkShared;

// Takes the last complete frame of one read into the live sample, appends one
// sample line while recording, and asks the page to repaint unless the worker
// is stopping. Returns whether a frame was found.
bool ParseFrames(std::span<const std::uint8_t> received, LinkShared& shared, SampleWriter& writer,
                 LinkView& view);

} // namespace dormivo
