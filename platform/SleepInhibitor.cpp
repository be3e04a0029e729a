#include "SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusReply>

#include <atomic>
#include <cstdio>

namespace dormivo {

namespace {

// A slow or missing logind must not freeze the window that asked.
constexpr int kCallTimeoutMillis = 3000;

void warnOnce(const QString& reason) {
    static std::atomic<bool> warned{false};
    if (warned.exchange(true))
        return;
    std::fprintf(stderr, "dormivo: cannot keep the computer awake (%s); carrying on without it\n",
                 qPrintable(reason));
}

} // namespace

SleepInhibitor::SleepInhibitor(const QString& why, const QDBusConnection& bus) {
    if (!bus.isConnected()) {
        warnOnce(QStringLiteral("no system D-Bus"));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Dormivo") << why
         << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply =
        bus.call(call, QDBus::Block, kCallTimeoutMillis);
    if (!reply.isValid()) {
        warnOnce(reply.error().message());
        return;
    }
    lock_ = reply.value();
}

} // namespace dormivo
