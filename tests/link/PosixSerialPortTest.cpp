#include "PosixSerialPort.h"
#include "OpenDevicePort.h"
#include "PtyPair.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <poll.h>
#include <vector>

namespace dormivo::test {
namespace {

// Reads until the expected count arrived or the port has nothing more for
// a while; a pty hands bytes over asynchronously.
std::vector<std::uint8_t> readAvailable(SerialPort& port, std::size_t expected) {
    std::vector<std::uint8_t> got;
    std::array<std::uint8_t, 512> buffer{};
    for (int attempt = 0; attempt < 200 && got.size() < expected; ++attempt) {
        const SerialPort::ReadResult r = port.read(buffer);
        if (!r.ok) {
            break;
        }
        got.insert(got.end(), buffer.begin(), buffer.begin() + r.bytes);
        if (r.bytes == 0) {
            poll(nullptr, 0, 5);
        }
    }
    return got;
}

TEST(PosixSerialPort, PassesEveryByteUnchanged) {
    PtyPair pty;
    ASSERT_TRUE(pty.valid());
    PosixPortOpener opener;
    PortOpenResult opened = opener.open(pty.slavePath());
    ASSERT_NE(opened.port, nullptr);
    // CR, LF, XON, XOFF, DEL and the frame bytes: a cooked terminal would
    // translate or swallow some of them.
    const std::vector<std::uint8_t> sent = {0x5B, 0xF4, 0x0D, 0x0A, 0x11, 0x13,
                                            0x7F, 0x03, 0x1A, 0x00, 0xFF, 0x5D};
    ASSERT_TRUE(pty.write(sent.data(), sent.size()));
    EXPECT_EQ(readAvailable(*opened.port, sent.size()), sent);
}

TEST(PosixSerialPort, NothingWaitingIsAnEmptyRead) {
    PtyPair pty;
    PosixPortOpener opener;
    PortOpenResult opened = opener.open(pty.slavePath());
    ASSERT_NE(opened.port, nullptr);
    std::array<std::uint8_t, 16> buffer{};
    const SerialPort::ReadResult r = opened.port->read(buffer);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 0u);
}

TEST(PosixSerialPort, PurgeDiscardsWhatArrived) {
    PtyPair pty;
    PosixPortOpener opener;
    PortOpenResult opened = opener.open(pty.slavePath());
    ASSERT_NE(opened.port, nullptr);
    const std::uint8_t junk[] = {1, 2, 3, 4};
    ASSERT_TRUE(pty.write(junk, sizeof junk));
    pty.drain();
    opened.port->purge();
    const std::uint8_t next[] = {9};
    ASSERT_TRUE(pty.write(next, sizeof next));
    EXPECT_EQ(readAvailable(*opened.port, 1), std::vector<std::uint8_t>{9});
}

TEST(PosixSerialPort, HangUpFailsEveryRead) {
    PtyPair pty;
    PosixPortOpener opener;
    PortOpenResult opened = opener.open(pty.slavePath());
    ASSERT_NE(opened.port, nullptr);
    pty.closeMaster();
    std::array<std::uint8_t, 16> buffer{};
    EXPECT_FALSE(opened.port->read(buffer).ok);
    EXPECT_FALSE(opened.port->read({}).ok) << "the liveness test read fails too";
}

TEST(PosixPortOpener, RefusesWhatIsNoUsablePort) {
    PtyPair pty;
    PosixPortOpener opener;
    PortOpenResult first = opener.open(pty.slavePath());
    ASSERT_NE(first.port, nullptr);

    char plainFile[] = "/tmp/dormivo-not-a-port-XXXXXX";
    const int fd = mkstemp(plainFile);
    ASSERT_GE(fd, 0);
    close(fd);

    struct Case {
        const char* name;
        std::string path;
        OpenFailure failure;
    };
    const std::vector<Case> cases = {
        {"held by another opener", pty.slavePath(), OpenFailure::Busy},
        {"no such device", "/dev/ttyACM-dormivo-none", OpenFailure::Missing},
        {"a plain file", plainFile, OpenFailure::NotSerial},
    };
    for (const Case& c : cases) {
        const PortOpenResult r = opener.open(c.path);
        EXPECT_EQ(r.port, nullptr) << c.name;
        EXPECT_EQ(r.failure, c.failure) << c.name;
    }
    std::remove(plainFile);

    first.port.reset();
    EXPECT_NE(opener.open(pty.slavePath()).port, nullptr) << "free again once closed";
}

TEST(OpenDevicePort, TakesTheFirstCandidateThatOpens) {
    PtyPair busy;
    PtyPair free;
    PosixPortOpener opener;
    PortOpenResult holder = opener.open(busy.slavePath());
    ASSERT_NE(holder.port, nullptr);

    std::unique_ptr<SerialPort> handle;
    ASSERT_TRUE(OpenDevicePort(handle, opener,
                               {"/dev/ttyACM-dormivo-none", busy.slavePath(), free.slavePath()}));
    const std::uint8_t marker[] = {0x42};
    ASSERT_TRUE(free.write(marker, 1));
    EXPECT_EQ(readAvailable(*handle, 1), std::vector<std::uint8_t>{0x42});

    // A second search closes the port it holds first, so it finds it again.
    ASSERT_TRUE(OpenDevicePort(handle, opener, {free.slavePath()}));
    EXPECT_FALSE(OpenDevicePort(handle, opener, {"/dev/ttyACM-dormivo-none"}));
    EXPECT_EQ(handle, nullptr);
}

} // namespace
} // namespace dormivo::test
