#pragma once

#include "SerialPort.h"

namespace dormivo {

// A terminal device read without blocking. A hang-up, end of file or I/O
// error counts as a failed read, so an unplugged device (a USB port that
// vanished, a pseudo-terminal whose far end closed) is seen at the next read.
class PosixSerialPort final : public SerialPort {
public:
    explicit PosixSerialPort(int fd) : fd_(fd) {}
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    ReadResult read(std::span<std::uint8_t> buffer) override;
    void purge() override;

private:
    int fd_;
};

// Opens a terminal exclusively (an advisory lock that every Dormivo program
// takes, plus the terminal's own exclusive mode against other programs) and
// sets 115200 baud, 8 data bits, no parity, one stop bit in raw mode.
class PosixPortOpener final : public PortOpener {
public:
    PortOpenResult open(const std::string& name) override;
};

} // namespace dormivo
