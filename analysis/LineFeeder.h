#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace dormivo {

// Receives a run of whole lines: each ends with a line feed except perhaps the
// last, which then ends at `end` (a line cut short, or the stream's last line).
// Returning false stops the feeding.
using LineSink = std::function<bool(const char* begin, const char* end)>;

// Turns the pieces of a stream into runs of whole lines, whatever the pieces'
// sizes and the lines' lengths, holding no more than one line of its own.
// A line of up to maxLine bytes always arrives whole; of a longer one at least
// its first maxLine bytes arrive (cut short, as a run of their own when the
// line spans pieces), so whoever reads the lines looks no further than maxLine
// bytes into a line. Runs point into the pieces wherever they can.
class LineFeeder {
public:
    explicit LineFeeder(std::size_t maxLine);

    // Starts a new stream.
    void reset();
    // Hands on the lines that this piece completes. False once the sink has
    // stopped; later pieces are then ignored.
    bool push(const char* data, std::size_t size, const LineSink& sink);
    // Ends the stream; a last line without a line feed is handed on only when
    // keepUnterminated is set.
    void finish(bool keepUnterminated, const LineSink& sink);

private:
    void keep(const char* data, std::size_t size);

    std::size_t maxLine_;
    std::vector<char> line_; // the start of an unfinished line
    std::size_t lineSize_ = 0;
    bool cut_ = false; // the unfinished line was longer than maxLine
    bool stopped_ = false;
};

} // namespace dormivo
