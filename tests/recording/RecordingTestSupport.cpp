#include "RecordingTestSupport.h"

#include <QFile>

#include <chrono>
#include <cstdlib>

namespace dormivo::test {

namespace {

// A zone away from UTC, so a time written in UTC instead of local time shows.
const bool zonePinned = [] { return setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1) == 0; }();

} // namespace

std::int64_t secondsAt(int year, int month, int day, int hour, int minute, int second,
                       int utcOffsetHours) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / month / day};
    const auto wall = date + hours{hour} + minutes{minute} + seconds{second};
    return (wall - hours{utcOffsetHours}).time_since_epoch().count();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

std::vector<std::string> logMessages(const QString& logPath) {
    std::vector<std::string> messages;
    for (const QByteArray& line : readAll(logPath).split('\n')) {
        const qsizetype start = line.indexOf("]:[");
        if (start >= 0 && line.endsWith("]\r"))
            messages.push_back(line.mid(start + 3, line.size() - start - 5).toStdString());
    }
    return messages;
}

RecordingBench::RecordingBench(const QString& defaultFile)
    : defaultName(defaultFile),
      file(clock, log, dir.filePath(defaultFile), [this](int ms) { waits.push_back(ms); }) {
    log.open(logPath());
}

} // namespace dormivo::test
