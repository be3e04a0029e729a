#include "RecordingFile.h"

#include "Clock.h"
#include "LocalTime.h"
#include "OperationLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dormivo {

namespace {

constexpr int kOpenRetryMillis = 1000;
constexpr int kCloseRetryMillis = 500;

bool usablePath(const QString& path) {
    // A NUL would cut the name handed to the system and open another file.
    return !path.isEmpty() && !path.contains(QChar(0));
}

bool existsAsFile(const QString& path) {
    const QFileInfo info(path);
    return usablePath(path) && info.exists() && !info.isDir();
}

// Append-and-read, created when missing. Non-blocking so that a FIFO or a
// device typed as the path can never stall the link worker under the lock.
int openForAppend(const QString& path) {
    if (!usablePath(path))
        return -1;
    return ::open(QFile::encodeName(path).constData(),
                  O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
}

std::string systemBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

RecordingFile::RecordingFile(const Clock& clock, OperationLog& log, QString defaultPath, Wait wait)
    : clock_(clock), log_(log), defaultPath_(std::move(defaultPath)), wait_(std::move(wait)) {}

RecordingFile::~RecordingFile() {
    closeSilently();
}

RecordingFileOpen RecordingFile::open(const QString& path, StartedBy how) {
    closeSilently();
    RecordingFileOpen result;
    result.existed = existsAsFile(path);
    wait_(kOpenRetryMillis);
    int fd = openForAppend(path);
    if (fd < 0) {
        wait_(kOpenRetryMillis);
        fd = openForAppend(path);
    }
    if (fd >= 0) {
        result.pathInUse = path;
        log_.writeLogLine("Data recording file <" + systemBytes(path) + "> is opened.");
    } else {
        log_.writeLogLine(how == StartedBy::Hand
                              ? "Data recording file can not be opened - Error, in order to avoid "
                                "data missing, open default file <test.gnf> for recording"
                              : "Data recording file can not be opened - Error, in order to avoid "
                                "data missing, use the default file for recording");
        result.pathInUse = defaultPath_;
        QDir().mkpath(QFileInfo(defaultPath_).absolutePath());
        fd = openForAppend(defaultPath_);
    }
    result.open = fd >= 0;
    std::lock_guard lock(mutex_);
    fd_ = fd;
    pending_.clear();
    return result;
}

bool RecordingFile::isOpen() const {
    std::lock_guard lock(mutex_);
    return fd_ >= 0;
}

void RecordingFile::writeRemarksLine(const QString& remark) {
    const QByteArray text = encodeRemark(remark);
    std::lock_guard lock(mutex_);
    if (fd_ < 0 || !pending_.empty())
        return;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size > 0)
        return;
    pending_.append("Remarks:");
    pending_.append(text.constData(), static_cast<std::size_t>(text.size()));
    pending_.append("\r\n");
}

void RecordingFile::writeHeaderLine() {
    const LocalDateTime t = toLocal(clock_.now());
    char line[64];
    const int n =
        std::snprintf(line, sizeof line, "TAMOSTART:[%4d-%02d-%02d %02d:%02d:%02d][1][1]\r\n",
                      t.year, t.month, t.day, t.hour, t.minute, t.second);
    std::lock_guard lock(mutex_);
    if (fd_ < 0)
        return;
    pending_.append(line, static_cast<std::size_t>(n));
}

bool RecordingFile::writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) {
    const LocalDateTime t = toLocal(clock_.now());
    char line[64];
    const int n =
        std::snprintf(line, sizeof line, "[%02d:%02d:%02d]:[%u][%x][%u]\r\n", t.hour, t.minute,
                      t.second, unsigned{level}, unsigned{mask}, unsigned{action});
    std::lock_guard lock(mutex_);
    if (fd_ < 0)
        return true;
    pending_.append(line, static_cast<std::size_t>(n));
    return drainLocked();
}

void RecordingFile::close(CloseReason reason) {
    bool closed = true;
    {
        std::lock_guard lock(mutex_);
        if (fd_ >= 0)
            closed = closeLocked();
    }
    if (closed)
        log_.writeLogLine(reason == CloseReason::Stop
                              ? "Data recording file is closed."
                              : "Data recording file is closed(Due to program quit).");
}

void RecordingFile::closeSilently() {
    std::lock_guard lock(mutex_);
    if (fd_ >= 0)
        closeLocked();
}

// Everything pending goes out in one write as a rule; what the file did not
// take stays pending, so a half-written line is completed by the next attempt
// instead of being lost or glued to another.
bool RecordingFile::drainLocked() {
    std::size_t done = 0;
    while (done < pending_.size()) {
        const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    pending_.erase(0, done);
    return pending_.empty();
}

// The descriptor is released in any case, so nothing is ever written into a
// closed file; true only when every byte reached the file.
bool RecordingFile::closeLocked() {
    bool written = drainLocked();
    if (!written) {
        wait_(kCloseRetryMillis);
        written = drainLocked();
    }
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    pending_.clear();
    return written && closed;
}

QByteArray encodeRemark(const QString& remark) {
    QByteArray out;
    out.reserve(remark.size());
    for (qsizetype i = 0; i < remark.size(); ++i) {
        const char16_t c = remark.at(i).unicode();
        const bool crLf = c == u'\r' && i + 1 < remark.size() && remark.at(i + 1) == u'\n';
        if (crLf || c == u'\n') {
            // A typed line break (CR LF from the keyboard, or LF as Qt's editors
            // hand it over) is CR followed by the line end.
            out.append("\r\r\n");
            i += crLf ? 1 : 0;
        } else if (QChar::isHighSurrogate(c) && i + 1 < remark.size() &&
                   remark.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
        } else if (c >= 0x01 && c <= 0xFF) {
            out.append(static_cast<char>(c));
        } else {
            out.append('?');
        }
    }
    return out;
}

} // namespace dormivo
