#pragma once

#include "NightBuckets.h"
#include "SampleDating.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dormivo {

struct SampleLine;

// Only the first bytes of a line are looked at for its sample: a longer line
// is not a sample line, and a reader with bounded memory cannot hold it.
constexpr std::size_t kMaxLineExamined = 4096;

// Turns the lines of one night into 30-second buckets and the Start and End
// time entries (one about every five minutes).
//
// The night's first line is its header and holds no sample. In each further
// line the first "[" starts the sample; a line without one, or whose sample is
// not shaped like a sample line, is skipped.
class NightParser {
public:
    // Empties `out` and fills it as lines arrive.
    NightParser(ParsedNight& out, const LocalDateTime& nightDate);

    // Takes a run of whole lines (the last may lack its line feed). False once
    // the last bucket has been opened: the rest of the night is not read.
    bool feed(const char* begin, const char* end);

    // Adds the End entry of the last bucket and sets bucketCount, or marks the
    // night as an empty record.
    void finish();

private:
    bool take(const SampleLine& sample);
    void open(int bucket, const SampleLine& sample, std::int64_t t);
    void merge(int bucket, const SampleLine& sample);
    void addEntry(std::string_view timeLabel, int bucket);

    ParsedNight& out_;
    SampleDating dating_;
    bool headerSkipped_ = false;
    bool full_ = false;
    int opened_ = 0;
    std::int64_t bucketStart_ = 0;
    std::int64_t lastEntryTime_ = 0;
    int linesAfterOpener_ = 0;
    int snoringLines_ = 0;
};

// Parses a night's text held in memory (header line first) into `out`.
void ParseNight(std::string_view nightText, const LocalDateTime& nightDate, ParsedNight& out);

} // namespace dormivo
