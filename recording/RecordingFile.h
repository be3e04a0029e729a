#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace dormivo {

class Clock;
class OperationLog;

enum class StartedBy { Hand, Schedule };

enum class RecordingFileKind { Absent, Recording, Foreign };

struct RecordingFileCheck {
    RecordingFileKind kind = RecordingFileKind::Absent;
    // Text before the first marker of a recording file, read as Latin-1 with
    // each line break as one LF (the remark as it was typed); at most
    // kLeadingTextLimit bytes of it are kept.
    QString leadingText;
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
    // back to the default file (creating its folder); logs as it goes. A file
    // still open is closed first, without a log line.
    RecordingFileOpen open(const QString& path, StartedBy how);
    bool isOpen() const;

    // A remark only ever opens a file: into a file that already holds data
    // (the default file after a fallback) nothing is written.
    void writeRemarksLine(const QString& remark);
    void writeHeaderLine();
    // One line (with the remarks and header lines still pending) handed to the
    // system in one write, nothing kept back in a buffer. False when the file
    // is open but could not take it completely (disk full, file system gone);
    // the rest is kept and goes first with the next line or the close. True
    // otherwise, also when no file is open, which is not an error.
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action);

    enum class CloseReason { Stop, ProgramQuit };
    // Writes what is pending (retrying once after 500 ms), releases the file
    // in any case, and logs the matching line only when nothing was lost.
    void close(CloseReason reason = CloseReason::Stop);
    // Closes without any log line (leaving the page by Data Analysis).
    void closeSilently();

private:
    bool drainLocked();
    bool closeLocked();

    const Clock& clock_;
    OperationLog& log_;
    QString defaultPath_;
    Wait wait_;
    mutable std::mutex mutex_;
    int fd_ = -1;
    // Bytes taken but not yet on disk: the remarks and header lines until the
    // first sample carries them out, and whatever a failed write left over, so
    // a retry continues exactly where the file stopped.
    std::string pending_;
};

// Far more than any remark the page writes; bounds the memory a large foreign
// file can take while it is searched for the marker.
inline constexpr qsizetype kLeadingTextLimit = 1 << 20;

RecordingFileCheck checkRecordingFile(const QString& path);
// The path to show for a new file: the file name's extension replaced by
// ".gnf" (added when it has none); folders, short paths and ".gnf" paths stay.
QString fixRecordingExtension(const QString& path);

// Remark text as the file stores it: U+0001..U+00FF as that byte, anything
// else as '?', a typed CR LF as CR followed by the line end.
QByteArray encodeRemark(const QString& remark);

} // namespace dormivo
