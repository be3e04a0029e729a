#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QString>

namespace dormivo {

// Keeps the computer from going to sleep or idle while the object lives: a
// systemd-logind "sleep:idle" inhibitor lock in "block" mode, released when
// its descriptor closes. Without a bus or logind the program carries on
// unprotected, and says so once on stderr.
class SleepInhibitor {
public:
    explicit SleepInhibitor(const QString& why,
                            const QDBusConnection& bus = QDBusConnection::systemBus());
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    bool held() const { return lock_.isValid(); }

private:
    QDBusUnixFileDescriptor lock_;
};

} // namespace dormivo
