#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace dormivo::sim {

// The simulated pillow's port: a pseudo-terminal whose slave end stands for
// the device node, optionally reachable under a symbolic link. Closing the
// master is an unplug: a reader of the slave sees the hang-up at once.
class PtyDevice {
public:
    PtyDevice() = default;
    ~PtyDevice() { unplug(); }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Creates the pseudo-terminal (raw, so no byte is echoed or translated)
    // and the link, replacing a stale link but never another kind of file.
    bool plugIn(const std::string& linkPath, std::string& error);
    const std::string& slavePath() const { return slavePath_; }
    // Writes what the line takes; with nobody reading, a full queue drops bytes.
    void write(std::span<const std::uint8_t> bytes);
    // Removes the link (if still ours) and closes both ends.
    void unplug();

private:
    int master_ = -1;
    int slaveHold_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace dormivo::sim
