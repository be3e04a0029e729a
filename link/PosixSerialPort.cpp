#include "PosixSerialPort.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace dormivo {

namespace {

OpenFailure failureFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
        return OpenFailure::Missing;
    case EACCES:
    case EPERM:
        return OpenFailure::PermissionDenied;
    case EBUSY:
        return OpenFailure::Busy;
    default:
        return OpenFailure::Other;
    }
}

// Failures here are ignored: a port that opened counts as the device even
// when a setting did not take.
void configure(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        // Raw mode keeps every byte as sent: no line editing, echo, CR/LF
        // translation or flow-control characters in a binary stream.
        const tcflag_t hardwareFlow = t.c_cflag & CRTSCTS;
        cfmakeraw(&t);
        t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
        t.c_cflag |= CS8 | CLOCAL | CREAD | hardwareFlow;
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        cfsetispeed(&t, B115200);
        cfsetospeed(&t, B115200);
        tcsetattr(fd, TCSANOW, &t);
    }
    tcflush(fd, TCIOFLUSH);
}

} // namespace

PosixSerialPort::~PosixSerialPort() {
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
}

SerialPort::ReadResult PosixSerialPort::read(std::span<std::uint8_t> buffer) {
    pollfd p{fd_, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, 0);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0 || (p.revents & (POLLERR | POLLNVAL)) != 0) {
        return {false, 0};
    }
    if ((p.revents & POLLIN) != 0 && !buffer.empty()) {
        ssize_t got;
        do {
            got = ::read(fd_, buffer.data(), buffer.size());
        } while (got < 0 && errno == EINTR);
        if (got > 0) {
            return {true, static_cast<std::size_t>(got)};
        }
        if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            return {false, 0};
        }
    }
    if ((p.revents & POLLHUP) != 0) {
        return {false, 0};
    }
    return {true, 0};
}

void PosixSerialPort::purge() {
    tcflush(fd_, TCIOFLUSH);
}

PortOpenResult PosixPortOpener::open(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {nullptr, failureFromErrno(errno)};
    }
    if (!isatty(fd)) {
        ::close(fd);
        return {nullptr, OpenFailure::NotSerial};
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return {nullptr, OpenFailure::Busy};
    }
    ioctl(fd, TIOCEXCL);
    configure(fd);
    return {std::make_unique<PosixSerialPort>(fd), OpenFailure::None};
}

} // namespace dormivo
