#pragma once

#include "Clock.h"
#include "OperationLog.h"
#include "RecordingFile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

namespace dormivo::test {

// Seconds since 1970 of a wall-clock time in a zone `utcOffsetHours` ahead of
// UTC. The tests run in Central European time (pinned before main), so
// +1 in winter and +2 in summer name the local times the files must show.
std::int64_t secondsAt(int year, int month, int day, int hour, int minute, int second,
                       int utcOffsetHours);

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

// The messages of an operation log, without their time stamps.
std::vector<std::string> logMessages(const QString& logPath);

// A recording file with its log in a fresh folder, a clock that stands still
// and a wait that only notes what it was asked to wait.
struct RecordingBench {
    QTemporaryDir dir;
    ManualClock clock;
    OperationLog log{clock};
    std::vector<int> waits;
    QString defaultName;
    RecordingFile file;

    // The default file lies in the bench's folder too, under `defaultFile`.
    explicit RecordingBench(const QString& defaultFile = QStringLiteral("UserData/test.gnf"));
    QString path(const QString& name) const { return dir.filePath(name); }
    QString logPath() const { return dir.filePath("ToolOperation.log"); }
    QString defaultPath() const { return dir.filePath(defaultName); }
    std::vector<std::string> logged() const { return logMessages(logPath()); }
};

} // namespace dormivo::test
