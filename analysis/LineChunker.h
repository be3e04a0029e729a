#pragma once

#include "ByteSource.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace dormivo {

// Receives a run of whole lines: each ends with a line feed except perhaps the
// last, which then ends at `end` (a line cut short, or the stream's last line).
// Returning false stops the reading.
using LineSink = std::function<bool(const char* begin, const char* end)>;

// Splits a stream into runs of whole lines while holding one block in memory,
// whatever the lengths of the lines. A line of up to maxLine bytes always
// arrives whole; of a longer one at least its first maxLine bytes arrive (cut
// short, as a run of their own when the line did not fit), so whoever reads
// the lines looks no further than maxLine bytes into a line.
class LineChunker {
public:
    LineChunker(std::size_t blockSize, std::size_t maxLine);

    // Reads the source to its end or until the sink stops. A last line without
    // a line feed is handed on only when keepUnterminated is set. False when
    // the source failed.
    bool run(const ByteSource& source, bool keepUnterminated, const LineSink& sink);

private:
    std::size_t blockSize_;
    std::size_t maxLine_;
    std::vector<char> buffer_;
};

} // namespace dormivo
