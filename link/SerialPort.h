#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace dormivo {

// An open, configured device port. Closing is the destructor's job.
class SerialPort {
public:
    struct ReadResult {
        bool ok = false;       // false: the port failed (unplugged, hung up, I/O error)
        std::size_t bytes = 0; // bytes placed at the start of the buffer
    };

    virtual ~SerialPort() = default;
    // Returns at once with what the driver holds, possibly nothing. An empty
    // buffer only tests whether the port still works.
    virtual ReadResult read(std::span<std::uint8_t> buffer) = 0;
    // Discards whatever is queued in both directions.
    virtual void purge() = 0;
};

enum class OpenFailure { None, Missing, Busy, PermissionDenied, NotSerial, Other };

struct PortOpenResult {
    std::unique_ptr<SerialPort> port; // set on success
    OpenFailure failure = OpenFailure::None;
};

// Opens one named port exclusively and configures it for the sample stream.
class PortOpener {
public:
    virtual ~PortOpener() = default;
    virtual PortOpenResult open(const std::string& name) = 0;
};

} // namespace dormivo
