#include "LineFeeder.h"

#include <algorithm>
#include <cstring>

namespace dormivo {

LineFeeder::LineFeeder(std::size_t maxLine)
    : maxLine_(std::max<std::size_t>(maxLine, 1)), line_(maxLine_) {}

void LineFeeder::reset() {
    lineSize_ = 0;
    cut_ = false;
    stopped_ = false;
}

void LineFeeder::keep(const char* data, std::size_t size) {
    const std::size_t room = maxLine_ - lineSize_;
    std::memcpy(line_.data() + lineSize_, data, std::min(size, room));
    lineSize_ += std::min(size, room);
    cut_ = cut_ || size > room;
}

bool LineFeeder::push(const char* data, std::size_t size, const LineSink& sink) {
    if (stopped_)
        return false;
    const char* p = data;
    const char* const end = data + size;
    if (lineSize_ > 0 || cut_) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', size));
        if (!lf) {
            keep(p, size);
            return true;
        }
        keep(p, static_cast<std::size_t>(lf + 1 - p));
        p = lf + 1;
        const std::size_t line = lineSize_;
        lineSize_ = 0;
        cut_ = false;
        if (!sink(line_.data(), line_.data() + line)) {
            stopped_ = true;
            return false;
        }
    }
    const auto* lastLf =
        static_cast<const char*>(memrchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (lastLf) {
        if (!sink(p, lastLf + 1)) {
            stopped_ = true;
            return false;
        }
        p = lastLf + 1;
    }
    keep(p, static_cast<std::size_t>(end - p));
    return true;
}

void LineFeeder::finish(bool keepUnterminated, const LineSink& sink) {
    if (!stopped_ && keepUnterminated && lineSize_ > 0)
        sink(line_.data(), line_.data() + lineSize_);
    reset();
}

} // namespace dormivo
