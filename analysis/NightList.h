#pragma once

#include "ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dormivo {

// One night found in a recording file: the 21 bytes after "TAMOSTART:" (the
// recording's start date and time in brackets, as Latin-1 text) and the byte
// offset of the "T" of its marker.
struct singlenight {
    std::string nightLabel;
    std::int64_t markerOffset = 0;

    bool operator==(const singlenight&) const = default;
};

// Called for each night in file order; returning false stops the search.
using OnNight = std::function<bool(const singlenight&)>;

constexpr std::string_view kNightMarker = "TAMOSTART";

// Receives the bytes of a stream once they have been searched, in order and
// each once; the bytes before a marker arrive before onNight hears of it.
using OnBytes = std::function<void(const char* data, std::size_t size)>;

// Searches one block of a recording that lies at fileOffset for night markers.
// The search goes on 10 bytes after each match, so the label is never searched.
// Unless atEnd, a match whose label does not fit into the block yet, or a
// possible start of a marker at the block's end, is left for the next block:
// the return value is the number of leading bytes that are done (the caller
// puts the rest, at most kMarkerCarry bytes, in front of the next block).
// onBytes, when given, receives the bytes that are done. *stopped is set when
// onNight asked to stop.
std::size_t scanMarkers(const char* data, std::size_t size, std::int64_t fileOffset, bool atEnd,
                        const OnNight& onNight, const OnBytes* onBytes, bool* stopped);

// Bytes of a marker with its label, minus one: the most a block leaves over.
constexpr std::size_t kMarkerCarry = 30;

// Searches a whole stream for nights in blocks of blockSize bytes, holding no
// more than one block in memory. False when the source failed.
class NightScanner {
public:
    explicit NightScanner(std::size_t blockSize);
    bool scan(const ByteSource& source, const OnNight& onNight, const OnBytes* onBytes = nullptr);

private:
    std::size_t blockSize_;
    std::vector<char> buffer_;
};

// The nights of a recording held in memory.
std::vector<singlenight> listNightsInText(std::string_view fileText);

} // namespace dormivo
