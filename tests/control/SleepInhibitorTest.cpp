#include "SleepInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace dormivo {
namespace {

// Stands in for systemd-logind on a private session bus: hands out one end of
// a pipe as the inhibitor lock, so the test sees when the lock is let go.
class FakeLogin1 : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogin1() override {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    QStringList arguments;
    int readEnd = -1;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        arguments = {what, who, why, mode};
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
            return {};
        readEnd = fds[0];
        QDBusUnixFileDescriptor lock(fds[1]);
        ::close(fds[1]);
        return lock;
    }
};

class SleepInhibitorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "sleep_inhibitor_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
};

// True while some copy of the pipe's write end is open.
bool writeEndOpen(int readEnd) {
    char byte;
    return ::read(readEnd, &byte, 1) < 0;
}

TEST_F(SleepInhibitorTest, HoldsABlockingSleepAndIdleLockWhileItLives) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no session bus; run under dbus-run-session";
    FakeLogin1 logind;
    ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind,
                                   QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.login1")));

    auto inhibitor = std::make_unique<SleepInhibitor>(QStringLiteral("recording"), bus);
    EXPECT_TRUE(inhibitor->held());
    ASSERT_EQ(logind.arguments.size(), 4);
    EXPECT_EQ(logind.arguments[0], QStringLiteral("sleep:idle"));
    EXPECT_EQ(logind.arguments[1], QStringLiteral("Dormivo"));
    EXPECT_EQ(logind.arguments[2], QStringLiteral("recording"));
    EXPECT_EQ(logind.arguments[3], QStringLiteral("block"));
    ASSERT_GE(logind.readEnd, 0);
    EXPECT_TRUE(writeEndOpen(logind.readEnd));

    inhibitor.reset();
    EXPECT_FALSE(writeEndOpen(logind.readEnd));

    bus.unregisterService(QStringLiteral("org.freedesktop.login1"));
    bus.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
}

TEST_F(SleepInhibitorTest, WithoutBusOrLogindCarriesOnAndSaysSoOnce) {
    const QDBusConnection noBus = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/dormivo-test-bus"), QStringLiteral("nobus"));
    ASSERT_FALSE(noBus.isConnected());

    testing::internal::CaptureStderr();
    {
        const SleepInhibitor first(QStringLiteral("recording"), noBus);
        EXPECT_FALSE(first.held());
        const SleepInhibitor second(QStringLiteral("recording"), noBus);
        EXPECT_FALSE(second.held());
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "dormivo: cannot keep the computer awake (no system D-Bus); carrying on "
                    "without it\n");
}

} // namespace
} // namespace dormivo

#include "SleepInhibitorTest.moc"
