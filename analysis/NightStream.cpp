#include "NightStream.h"

#include "NightParser.h"
#include "SampleDating.h"

#include <optional>

namespace dormivo {

NightStream::NightStream(std::size_t blockSize)
    : scanner_(blockSize), feeder_(kMaxLineExamined), parsed_(std::make_unique<ParsedNight>()) {}

bool NightStream::read(const ByteSource& source, const WantNight& want,
                       const OnReadNight& onNight) {
    std::optional<NightParser> parser;
    std::size_t begun = 0; // nights whose marker has been found
    singlenight current;
    bool wanted = false;
    bool stopped = false;
    const LineSink sink = [&](const char* begin, const char* end) {
        return parser->feed(begin, end);
    };
    // A night ends where the line of the next marker begins; only the last
    // one runs to the end of the stream.
    const auto close = [&](bool lastNight) {
        if (begun == 0)
            return true;
        if (!wanted)
            return onNight(begun - 1, current, nullptr);
        if (parser) {
            feeder_.finish(lastNight, sink);
            parser->finish();
            parser.reset();
        }
        return onNight(begun - 1, current, parsed_.get());
    };
    const OnBytes onBytes = [&](const char* data, std::size_t size) {
        if (parser)
            feeder_.push(data, size, sink);
    };
    const OnNight onMarker = [&](const singlenight& night) {
        if (!close(false)) {
            stopped = true;
            return false;
        }
        current = night;
        wanted = want(begun++);
        if (!wanted)
            return true;
        if (const auto date = labelDate(night.nightLabel)) {
            feeder_.reset();
            parser.emplace(*parsed_, *date);
        } else {
            parsed_->clear();
            parsed_->status = NightStatus::InvalidLabelDate;
        }
        return true;
    };
    if (!scanner_.scan(source, onMarker, &onBytes))
        return false;
    if (!stopped)
        close(true);
    return true;
}

} // namespace dormivo
