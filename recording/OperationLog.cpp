#include "OperationLog.h"

#include "Clock.h"
#include "LocalTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace dormivo {

OperationLog::OperationLog(const Clock& clock) : clock_(clock) {}

OperationLog::~OperationLog() {
    if (file_)
        std::fclose(file_);
}

bool OperationLog::open(const QString& path) {
    std::lock_guard lock(mutex_);
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    // A NUL would cut the name handed to the system and open another file.
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Binary mode: the CR LF line ends are written by hand on every platform.
    file_ = std::fopen(QFile::encodeName(path).constData(), "a+b");
    return file_ != nullptr;
}

bool OperationLog::isOpen() const {
    std::lock_guard lock(mutex_);
    return file_ != nullptr;
}

void OperationLog::writeLogLine(std::string_view message) {
    const LocalDateTime t = toLocal(clock_.now());
    char stamp[64];
    const int n = std::snprintf(stamp, sizeof stamp, "[%4d/%2d/%2d-%2d:%2d:%2d]:[", t.year, t.month,
                                t.day, t.hour, t.minute, t.second);
    std::string line(stamp, static_cast<std::size_t>(n));
    line.append(message);
    line.append("]\r\n");

    std::lock_guard lock(mutex_);
    if (!file_)
        return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

void OperationLog::writeEmptyLine() {
    std::lock_guard lock(mutex_);
    if (!file_)
        return;
    std::fwrite("\r\n", 1, 2, file_);
    std::fflush(file_);
}

} // namespace dormivo
