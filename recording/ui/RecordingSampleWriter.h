#pragma once

#include "RecordingFile.h"
#include "SampleWriter.h"

namespace dormivo {

// Lets the link worker append its sample lines to the page's recording file.
class RecordingSampleWriter final : public SampleWriter {
public:
    explicit RecordingSampleWriter(RecordingFile& file) : file_(file) {}
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) override {
        return file_.writeSampleLine(level, mask, action);
    }

private:
    RecordingFile& file_;
};

} // namespace dormivo
