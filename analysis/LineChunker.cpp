#include "LineChunker.h"

#include <algorithm>
#include <cstring>

namespace dormivo {

LineChunker::LineChunker(std::size_t blockSize, std::size_t maxLine)
    : blockSize_(std::max<std::size_t>(blockSize, 1)), maxLine_(std::max<std::size_t>(maxLine, 1)),
      buffer_(maxLine_ + blockSize_) {}

bool LineChunker::run(const ByteSource& source, bool keepUnterminated, const LineSink& sink) {
    char* const buf = buffer_.data();
    std::size_t carry = 0; // start of an unfinished line, at buf
    bool dropping = false; // the carried line was cut; skip to its line feed
    for (;;) {
        const std::ptrdiff_t got = source(buf + carry, blockSize_);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        const char* start = buf + carry;
        const char* const end = start + got;
        if (dropping) {
            const auto* lf =
                static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(got)));
            if (!lf)
                continue;
            dropping = false;
            if (!sink(buf, buf + carry))
                return true;
            start = lf + 1;
        } else {
            start = buf;
        }
        const auto* lastLf =
            static_cast<const char*>(memrchr(start, '\n', static_cast<std::size_t>(end - start)));
        if (lastLf) {
            if (!sink(start, lastLf + 1))
                return true;
            start = lastLf + 1;
        }
        const auto tail = static_cast<std::size_t>(end - start);
        if (tail > maxLine_) {
            std::memmove(buf, start, maxLine_);
            carry = maxLine_;
            dropping = true;
        } else {
            std::memmove(buf, start, tail);
            carry = tail;
        }
    }
    if (carry > 0 && keepUnterminated)
        sink(buf, buf + carry);
    return true;
}

} // namespace dormivo
