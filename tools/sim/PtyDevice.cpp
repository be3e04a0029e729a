#include "PtyDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace dormivo::sim {

bool PtyDevice::plugIn(const std::string& linkPath, std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = ptsname(master_);
    // Held open so that the line stays up between the reader's visits.
    slaveHold_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios t{};
    if (tcgetattr(master_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(master_, TCSANOW, &t);
    }
    if (linkPath.empty()) {
        return true;
    }
    struct stat st {};
    if (lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = linkPath + " exists and is not a symbolic link";
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
        error = "cannot create " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyDevice::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty() && master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

void PtyDevice::unplug() {
    if (!linkPath_.empty()) {
        char target[4096];
        const ssize_t n = readlink(linkPath_.c_str(), target, sizeof target - 1);
        if (n >= 0 && std::string(target, static_cast<std::size_t>(n)) == slavePath_) {
            ::unlink(linkPath_.c_str());
        }
        linkPath_.clear();
    }
    for (int* fd : {&slaveHold_, &master_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

} // namespace dormivo::sim
