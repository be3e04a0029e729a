#pragma once

#include <QString>

#include <cstdio>
#include <mutex>
#include <string_view>

namespace dormivo {

class Clock;

// The append-only operation log: one time-stamped line per operator action or
// recording event, flushed at once so the log survives an abrupt end.
class OperationLog {
public:
    explicit OperationLog(const Clock& clock);
    ~OperationLog();
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    // Creates the folder when missing and opens the file for appending
    // (closing a stream left open before). False when it cannot; every later
    // write is then a no-op.
    bool open(const QString& path);
    bool isOpen() const;

    // "[%4d/%2d/%2d-%2d:%2d:%2d]:[%s]" + CR LF in local time; nothing when not open.
    void writeLogLine(std::string_view message);
    // CR LF alone.
    void writeEmptyLine();

private:
    const Clock& clock_;
    mutable std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

} // namespace dormivo
