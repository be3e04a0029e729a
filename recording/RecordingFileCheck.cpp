#include "RecordingFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dormivo {

namespace {

enum class Scan { Found, NotFound, Empty, ReadError };

// Streams the file in chunks, so a large foreign file costs no more memory
// than the leading text it may yield, and the search stays linear. On return
// `leading` holds the first bytes before the marker, at most kLeadingTextLimit.
Scan scanForMarker(int fd, QByteArray& leading) {
    static const QByteArray marker("TAMOSTART:");
    QByteArray tail; // the end of the data read so far, for a marker cut by a chunk
    qint64 consumed = 0;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Scan::ReadError;
        if (n == 0)
            return consumed == 0 ? Scan::Empty : Scan::NotFound;
        const QByteArray chunk = tail + QByteArray(buffer, n);
        const qsizetype at = chunk.indexOf(marker);
        const qint64 end = at >= 0 ? consumed - tail.size() + at : consumed + n;
        const qint64 keep = std::min<qint64>(end, kLeadingTextLimit);
        if (keep < leading.size())
            leading.truncate(keep);
        else
            leading.append(buffer, keep - leading.size());
        if (at >= 0)
            return Scan::Found;
        consumed += n;
        tail = chunk.right(marker.size() - 1);
    }
}

} // namespace

RecordingFileCheck checkRecordingFile(const QString& path) {
    RecordingFileCheck result;
    if (path.isEmpty() || path.contains(QChar(0)))
        return result;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return result;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        // A folder cannot be read as a file: it counts as no file at all.
        ::close(fd);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        // A device or a pipe may never end; it is not a recording in any case.
        ::close(fd);
        result.kind = RecordingFileKind::Foreign;
        return result;
    }
    QByteArray leading;
    const Scan scan = scanForMarker(fd, leading);
    ::close(fd);
    // An empty file carries nothing foreign: the first header makes it a
    // recording file, so it is taken as one with no remark.
    if (scan == Scan::Found || scan == Scan::Empty) {
        result.kind = RecordingFileKind::Recording;
        leading.replace("\r\r\n", "\n").replace("\r\n", "\n");
        result.leadingText = QString::fromLatin1(leading);
    } else {
        result.kind = RecordingFileKind::Foreign;
    }
    return result;
}

QString fixRecordingExtension(const QString& path) {
    if (path.size() <= 5 || path.endsWith(u'/') || path.endsWith(QStringLiteral(".gnf")))
        return path;
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const QStringView name = QStringView(path).mid(nameStart);
    if (name == u"." || name == u"..")
        return path;
    // Only the file name's own dot counts: a dot in a folder name would move
    // the file into another folder. A leading dot marks a hidden file.
    const qsizetype dot = path.indexOf(u'.', nameStart + 1);
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".gnf");
}

} // namespace dormivo
