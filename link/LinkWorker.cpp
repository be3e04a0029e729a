#include "LinkWorker.h"

#include "LinkShared.h"
#include "LinkView.h"
#include "OpenDevicePort.h"
#include "ParseFrames.h"
#include "SampleWriter.h"
#include "Sleeper.h"

namespace dormivo {

namespace {
// A filler line marks a sample taken without the device; readers count a
// level above 5 as neither snoring nor quiet.
constexpr std::uint8_t kFillerLevel = 8;
constexpr std::uint16_t kFillerMask = 0x0FFF;
constexpr std::uint8_t kFillerAction = 8;
} // namespace

LinkWorker::LinkWorker(LinkShared& shared, LinkView& view, SampleWriter& writer, PortOpener& opener,
                       std::vector<std::string> candidates, Sleeper& sleeper)
    : shared_(shared), view_(view), writer_(writer), opener_(opener),
      candidates_(std::move(candidates)), sleeper_(sleeper) {}

void LinkWorker::run() {
    bool opened = openPort();
    while (true) {
        if (!opened && !searchUntilOpen()) {
            break;
        }
        if (serveConnection() == Outcome::Stopped || !dropPause()) {
            break;
        }
        opened = openPort();
    }
    end();
}

bool LinkWorker::stopRequested() const {
    return shared_.linkStopRequested.load();
}

bool LinkWorker::openPort() {
    return OpenDevicePort(shared_.portHandle, opener_, candidates_);
}

bool LinkWorker::searchUntilOpen() {
    while (true) {
        if (stopRequested()) {
            return false;
        }
        showNotConnected();
        view_.setLampLabelText(kUsbLabelText);
        int fillerCounter = 0;
        for (int tick = 0; tick < kSearchTicks; ++tick) {
            if (stopRequested()) {
                return false;
            }
            if (fillerCounter == 0) {
                if (shared_.recordingActive.load()) {
                    writeLine(kFillerLevel, kFillerMask, kFillerAction);
                }
                fillerCounter = 1;
            } else if (fillerCounter == kFillerEveryTicks - 1) {
                fillerCounter = 0;
            } else {
                ++fillerCounter;
            }
            sleeper_.sleepMillis(kCycleMillis);
        }
        if (openPort()) {
            return true;
        }
    }
}

LinkWorker::Outcome LinkWorker::serveConnection() {
    if (stopRequested()) {
        return Outcome::Stopped;
    }
    showConnected();
    bool linkLost = false;
    int idleReads = 0;
    SerialPort& port = *shared_.portHandle;
    while (true) {
        if (stopRequested()) {
            return Outcome::Stopped;
        }
        rxBuffer_.fill(0);
        SerialPort::ReadResult got = port.read(rxBuffer_);
        if (!got.ok) {
            // One failure may be passing; a second read of nothing tells
            // whether the port still works.
            sleeper_.sleepMillis(kCycleMillis);
            if (stopRequested()) {
                return Outcome::Stopped;
            }
            got = port.read({});
            if (!got.ok) {
                return dropPort();
            }
        }
        port.purge();
        if (got.bytes > 0) {
            ParseFrames(std::span(rxBuffer_).first(got.bytes), shared_, writer_, view_);
            idleReads = 0;
            if (linkLost) {
                if (stopRequested()) {
                    return Outcome::Stopped;
                }
                showConnected();
                linkLost = false;
            }
        } else {
            ++idleReads;
            if (!linkLost && idleReads > kSilentAfterIdleReads) {
                if (!stopRequested()) {
                    showNotConnected();
                    view_.setLampLabelText(kUsbLabelText);
                }
                linkLost = true;
            }
            if (idleReads > kDropAfterIdleReads) {
                return dropPort();
            }
        }
        sleeper_.sleepMillis(kCycleMillis);
    }
}

LinkWorker::Outcome LinkWorker::dropPort() {
    shared_.portHandle.reset();
    if (stopRequested()) {
        return Outcome::Stopped;
    }
    shared_.liveSample.clear();
    view_.refreshMonitorCells();
    showNotConnected();
    return Outcome::Dropped;
}

bool LinkWorker::dropPause() {
    view_.setLampLabelText(kUsbLabelText);
    // Slept in cycles so that a stop request ends the pause at once.
    for (int waited = 0; waited < kDropPauseMillis; waited += kCycleMillis) {
        if (stopRequested()) {
            return false;
        }
        sleeper_.sleepMillis(kCycleMillis);
    }
    return !stopRequested();
}

void LinkWorker::showConnected() {
    shared_.linkConnected.store(1);
    view_.restyleStartButton();
    view_.setUsbLamp(2);
}

void LinkWorker::showNotConnected() {
    shared_.linkConnected.store(0);
    view_.restyleStartButton();
    view_.setUsbLamp(1);
}

void LinkWorker::writeLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) {
    if (!writer_.writeSampleLine(level, mask, action)) {
        shared_.sampleWriteFailed.store(true);
    }
}

void LinkWorker::end() {
    shared_.portHandle.reset();
    shared_.linkConnected.store(0);
    view_.setUsbLamp(0);
}

} // namespace dormivo
