#pragma once

#include "LiveSample.h"
#include "SerialPort.h"

#include <atomic>
#include <memory>

namespace dormivo {

// Values the link worker shares with the monitoring page. The page owns one
// and hands it to each worker it starts; each value has one writer.
struct LinkShared {
    // Written by the worker: 1 while the link counts as up, else 0.
    std::atomic<int> linkConnected{0};
    // Written by the page: asks the worker to close the port and end.
    std::atomic<bool> linkStopRequested{false};
    // Written by the page: sample lines are appended while set.
    std::atomic<bool> recordingActive{false};
    // Written by the worker when the recording file refused a whole line
    // (disk full, file system gone), so the page can stop the recording.
    std::atomic<bool> sampleWriteFailed{false};
    LiveSample liveSample;
    // The open port. Only the running worker touches it; none between workers.
    std::unique_ptr<SerialPort> portHandle;
};

} // namespace dormivo
