#pragma once

#include "FrameScanner.h"
#include "LinkShared.h"
#include "LinkView.h"
#include "SampleWriter.h"
#include "SerialPort.h"
#include "Sleeper.h"

#include "Clock.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dormivo::test {

// What the simulated pillow does from a moment on (until the next change).
enum class DeviceMode { Absent, Silent, Streaming };

// The values the streaming device sends at a moment, so a test can tell
// which read a sample line came from.
inline FrameValues frameAt(std::int64_t ms) {
    FrameValues v;
    v.snoreLevel = static_cast<std::uint8_t>((ms / 100) % 6);
    v.sensorMask = static_cast<std::uint16_t>(0x0F0 + (ms / 100) % 16);
    v.actionState = static_cast<std::uint8_t>((ms / 100) % 3);
    v.auxByte6 = 0x11;
    v.auxByte7 = 0x22;
    return v;
}

// A pillow on a timeline of modes, driven by a manual clock. Ports opened on
// it read what the device does at the moment of the read.
class FakeDevice {
public:
    FakeDevice(const Clock& clock, std::map<std::int64_t, DeviceMode> timeline)
        : clock_(clock), timeline_(std::move(timeline)) {}

    DeviceMode mode() const {
        auto it = timeline_.upper_bound(clock_.nowMillis());
        return it == timeline_.begin() ? DeviceMode::Absent : std::prev(it)->second;
    }
    std::int64_t now() const { return clock_.nowMillis(); }

    std::vector<std::int64_t> opens;
    std::vector<std::int64_t> closes;
    int livePorts = 0;
    int reads = 0;
    int purges = 0;

private:
    const Clock& clock_;
    std::map<std::int64_t, DeviceMode> timeline_;
};

class FakePort final : public SerialPort {
public:
    explicit FakePort(FakeDevice& device) : device_(device) {
        device_.opens.push_back(device_.now());
        ++device_.livePorts;
    }
    ~FakePort() override {
        device_.closes.push_back(device_.now());
        --device_.livePorts;
    }
    ReadResult read(std::span<std::uint8_t> buffer) override {
        ++device_.reads;
        switch (device_.mode()) {
        case DeviceMode::Absent:
            return {false, 0};
        case DeviceMode::Silent:
            return {true, 0};
        case DeviceMode::Streaming:
            break;
        }
        if (buffer.size() < kFrameSize) {
            return {true, 0};
        }
        const auto bytes = encodeFrame(frameAt(device_.now()));
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
        return {true, bytes.size()};
    }
    void purge() override { ++device_.purges; }

private:
    FakeDevice& device_;
};

// Opens the device under one name; every other name is missing.
class FakeOpener final : public PortOpener {
public:
    FakeOpener(FakeDevice& device, std::string name) : device_(device), name_(std::move(name)) {}
    PortOpenResult open(const std::string& name) override {
        attempts.push_back(name);
        if (name != name_ || device_.mode() == DeviceMode::Absent) {
            return {nullptr, OpenFailure::Missing};
        }
        return {std::make_unique<FakePort>(device_), OpenFailure::None};
    }
    std::vector<std::string> attempts;

private:
    FakeDevice& device_;
    std::string name_;
};

// Moves the manual clock instead of sleeping; sets linkStopRequested once the
// clock reaches the stop moment.
class FakeSleeper final : public Sleeper {
public:
    FakeSleeper(ManualClock& clock, LinkShared& shared, std::int64_t stopAtMs)
        : clock_(clock), shared_(shared), stopAtMs_(stopAtMs) {}
    void sleepMillis(int milliseconds) override {
        clock_.advanceMillis(milliseconds);
        if (clock_.nowMillis() >= stopAtMs_) {
            shared_.linkStopRequested.store(true);
        }
    }

private:
    ManualClock& clock_;
    LinkShared& shared_;
    std::int64_t stopAtMs_;
};

struct ViewCall {
    std::int64_t ms;
    std::string what; // "lamp", "label", "restyle", "refresh"
    int lamp = -1;
    std::string text;
};

class RecordingView final : public LinkView {
public:
    explicit RecordingView(const Clock& clock) : clock_(clock) {}
    void setUsbLamp(int lamp) override { calls.push_back({clock_.nowMillis(), "lamp", lamp, {}}); }
    void setLampLabelText(std::string_view text) override {
        calls.push_back({clock_.nowMillis(), "label", -1, std::string(text)});
    }
    void restyleStartButton() override { calls.push_back({clock_.nowMillis(), "restyle", -1, {}}); }
    void refreshMonitorCells() override {
        calls.push_back({clock_.nowMillis(), "refresh", -1, {}});
    }

    // Lamp values as the page shows them: a repeated value changes nothing.
    std::vector<int> lampChanges() const {
        std::vector<int> changes;
        for (const ViewCall& c : calls) {
            if (c.what == "lamp" && (changes.empty() || changes.back() != c.lamp)) {
                changes.push_back(c.lamp);
            }
        }
        return changes;
    }
    std::int64_t firstCall(const std::string& what, int lamp, std::int64_t fromMs) const {
        for (const ViewCall& c : calls) {
            if (c.what == what && c.ms >= fromMs && (lamp < 0 || c.lamp == lamp)) {
                return c.ms;
            }
        }
        return -1;
    }

    std::vector<ViewCall> calls;

private:
    const Clock& clock_;
};

struct WrittenLine {
    std::int64_t ms;
    int level;
    int mask;
    int action;
    friend bool operator==(const WrittenLine&, const WrittenLine&) = default;
};

class RecordingWriter final : public SampleWriter {
public:
    explicit RecordingWriter(const Clock& clock) : clock_(clock) {}
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) override {
        lines.push_back({clock_.nowMillis(), level, mask, action});
        return accepts;
    }
    std::vector<WrittenLine> lines;
    bool accepts = true;

private:
    const Clock& clock_;
};

} // namespace dormivo::test
