#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>

namespace dormivo {

class Clock;
class OperationLog;

enum class StartedBy { Hand, Schedule };

enum class RecordingFileKind { Absent, Recording, Foreign };

struct RecordingFileCheck {
    RecordingFileKind kind = RecordingFileKind::Absent;
    QString leadingText; // text before the first marker, for a recording file
};

struct RecordingFileOpen {
    bool existed = false; // whether the path the user typed existed before
    bool open = false;    // whether a file (typed or default) is now open
    QString pathInUse;    // the typed path, or the default file after a fallback
};

// The one open recording file. The page thread opens, heads and closes it; the
// link worker appends sample lines. One lock makes appending and closing
// mutually exclusive, so a sample never lands in a closed or half-written file.
class RecordingFile {
public:
    using Wait = std::function<void(int milliseconds)>;

    RecordingFile(const Clock& clock, OperationLog& log, QString defaultPath, Wait wait);
    ~RecordingFile();
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    // Probe, wait 1 s, open for appending, retry once after 1 s, else fall
    // back to the default file; logs as it goes.
    RecordingFileOpen open(const QString& path, StartedBy how);
    bool isOpen() const;

    void writeRemarksLine(const QString& remark);
    void writeHeaderLine();
    // One line written and flushed as a unit. False when the file is open but
    // the line could not be written completely; true otherwise (also when no
    // file is open, which is not an error).
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action);

    enum class CloseReason { Stop, ProgramQuit };
    // Closes (retrying once after 500 ms) and logs the matching line.
    void close(CloseReason reason = CloseReason::Stop);
    // Closes without any log line (leaving the page by Data Analysis).
    void closeSilently();

private:
    bool closeLocked();

    const Clock& clock_;
    OperationLog& log_;
    QString defaultPath_;
    Wait wait_;
    mutable std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

RecordingFileCheck checkRecordingFile(const QString& path);
QString fixRecordingExtension(const QString& path);

// Remark text as the file stores it: U+0001..U+00FF as that byte, anything
// else as '?', a typed CR LF as CR followed by the line end.
QByteArray encodeRemark(const QString& remark);

} // namespace dormivo
