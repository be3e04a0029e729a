#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace dormivo::test {

// A pseudo-terminal standing in for the pillow's port: bytes written to the
// master arrive at the slave path, and closing the master is an unplug.
class PtyPair {
public:
    PtyPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            // Left in the terminal's default (cooked) mode: the opener must
            // make it raw itself, as with a real port.
            slavePath_ = ptsname(master_);
        }
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool valid() const { return !slavePath_.empty(); }
    const std::string& slavePath() const { return slavePath_; }
    bool write(const void* data, std::size_t size) {
        return ::write(master_, data, size) == static_cast<ssize_t>(size);
    }
    // Waits until everything written has reached the slave's input queue.
    void drain() const { tcdrain(master_); }
    void closeMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace dormivo::test
