#pragma once

#include "ByteSource.h"
#include "LineFeeder.h"
#include "NightBuckets.h"
#include "NightList.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace dormivo {

// Whether the night at a position is to be read, or only listed.
using WantNight = std::function<bool(std::size_t index)>;
// Called for each night in file order once it has been read through: with its
// buckets when it was wanted, with null otherwise. Returning false stops.
using OnReadNight =
    std::function<bool(std::size_t index, const singlenight& night, const ParsedNight* parsed)>;

// Reads the nights of a whole recording in one pass: the search for the night
// markers hands every byte on to the night it belongs to, so each byte is
// read once, and memory holds one block and one night whatever the size.
class NightStream {
public:
    explicit NightStream(std::size_t blockSize);

    // False when the source failed.
    bool read(const ByteSource& source, const WantNight& want, const OnReadNight& onNight);

private:
    NightScanner scanner_;
    LineFeeder feeder_;
    std::unique_ptr<ParsedNight> parsed_;
};

} // namespace dormivo
