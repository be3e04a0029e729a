#pragma once

#include "LineFeeder.h"
#include "NightBuckets.h"
#include "NightList.h"
#include "NightStream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dormivo {

// Reads a recording file without ever holding it whole: the nights are found
// by streaming through the file once, and a chosen night is read on its own,
// so memory stays bounded whatever the file's size.
class RecordingReader {
public:
    RecordingReader();
    ~RecordingReader();
    RecordingReader(const RecordingReader&) = delete;
    RecordingReader& operator=(const RecordingReader&) = delete;

    // False when the file cannot be opened for reading.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Reports each night in file order from the start of the file; onNight
    // returns false to stop early. False when reading failed.
    bool scanNights(const OnNight& onNight);
    bool listNights(std::vector<singlenight>& nights);

    // Reads a night that runs from its marker to the next night's marker, or
    // to the end of the file when nextMarkerOffset is empty (the last night).
    NightStatus readNight(const singlenight& night, std::optional<std::int64_t> nextMarkerOffset,
                          ParsedNight& out);
    // Reads the night at `index` of a list made by listNights.
    NightStatus readNight(const std::vector<singlenight>& nights, std::size_t index,
                          ParsedNight& out);

    // Lists and reads the nights of the whole file in one pass (see
    // NightStream). False when reading failed.
    bool readNights(const WantNight& want, const OnReadNight& onNight);

private:
    int fd_ = -1;
    NightScanner scanner_;
    NightStream stream_;
    LineFeeder feeder_;
    std::vector<char> block_;
};

} // namespace dormivo
