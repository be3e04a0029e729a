#include "RecordingReader.h"

#include "NightParser.h"
#include "SampleDating.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace dormivo {

namespace {

// Large enough that a read costs little per byte, small enough to stay cached.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

std::ptrdiff_t readRetrying(int fd, char* into, std::size_t max) {
    for (;;) {
        const ssize_t got = ::read(fd, into, max);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

std::ptrdiff_t preadRetrying(int fd, char* into, std::size_t max, std::int64_t offset) {
    for (;;) {
        const ssize_t got = ::pread(fd, into, max, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

} // namespace

RecordingReader::RecordingReader()
    : scanner_(kBlockSize), stream_(kBlockSize), feeder_(kMaxLineExamined), block_(kBlockSize) {}

RecordingReader::~RecordingReader() {
    close();
}

bool RecordingReader::open(const std::string& path) {
    close();
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

void RecordingReader::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool RecordingReader::scanNights(const OnNight& onNight) {
    if (fd_ < 0 || ::lseek(fd_, 0, SEEK_SET) < 0)
        return false;
    return scanner_.scan(
        [this](char* into, std::size_t max) { return readRetrying(fd_, into, max); }, onNight);
}

bool RecordingReader::listNights(std::vector<singlenight>& nights) {
    nights.clear();
    return scanNights([&](const singlenight& night) {
        nights.push_back(night);
        return true;
    });
}

NightStatus RecordingReader::readNight(const singlenight& night,
                                       std::optional<std::int64_t> nextMarkerOffset,
                                       ParsedNight& out) {
    out.clear();
    const auto date = labelDate(night.nightLabel);
    if (!date) {
        out.status = NightStatus::InvalidLabelDate;
        return out.status;
    }
    if (fd_ < 0) {
        out.status = NightStatus::ReadFailed;
        return out.status;
    }
    NightParser parser(out, *date);
    const LineSink sink = [&](const char* begin, const char* end) {
        return parser.feed(begin, end);
    };
    feeder_.reset();
    std::int64_t position = night.markerOffset;
    for (;;) {
        std::size_t want = block_.size();
        if (nextMarkerOffset)
            want = static_cast<std::size_t>(std::clamp<std::int64_t>(
                *nextMarkerOffset - position, 0, static_cast<std::int64_t>(want)));
        const std::ptrdiff_t got =
            want == 0 ? 0 : preadRetrying(fd_, block_.data(), want, position);
        if (got < 0) {
            out.clear();
            out.status = NightStatus::ReadFailed;
            return out.status;
        }
        if (got == 0 || !feeder_.push(block_.data(), static_cast<std::size_t>(got), sink))
            break;
        position += got;
    }
    // Only the last night runs to the end of the file; any other ends where
    // the line of the next marker begins.
    feeder_.finish(!nextMarkerOffset, sink);
    parser.finish();
    return out.status;
}

NightStatus RecordingReader::readNight(const std::vector<singlenight>& nights, std::size_t index,
                                       ParsedNight& out) {
    if (index >= nights.size()) {
        out.clear();
        out.status = NightStatus::NoSuchNight;
        return out.status;
    }
    std::optional<std::int64_t> next;
    if (index + 1 < nights.size())
        next = nights[index + 1].markerOffset;
    return readNight(nights[index], next, out);
}

bool RecordingReader::readNights(const WantNight& want, const OnReadNight& onNight) {
    if (fd_ < 0 || ::lseek(fd_, 0, SEEK_SET) < 0)
        return false;
    return stream_.read(
        [this](char* into, std::size_t max) { return readRetrying(fd_, into, max); }, want,
        onNight);
}

} // namespace dormivo
