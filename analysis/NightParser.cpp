#include "NightParser.h"

#include "SampleLine.h"

#include <cstring>
#include <string>

namespace dormivo {

namespace {

constexpr std::int64_t kEntrySeconds = 300;

const char* findByte(const char* from, const char* end, char c) {
    return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)));
}

} // namespace

NightParser::NightParser(ParsedNight& out, const LocalDateTime& nightDate)
    : out_(out), dating_(nightDate) {
    out_.clear();
}

bool NightParser::feed(const char* begin, const char* end) {
    if (full_)
        return false;
    const char* p = begin;
    if (!headerSkipped_) {
        headerSkipped_ = true;
        const char* lf = findByte(p, end, '\n');
        if (!lf)
            return true;
        p = lf + 1;
    }
    SampleLine sample;
    while (p < end) {
        const char* sampleEnd = nullptr;
        if (*p == '[') {
            // The usual case: a line that starts with its sample and ends right
            // after it, read without searching.
            if (readSampleLine(p, end, sample, &sampleEnd)) {
                if (!take(sample))
                    return false;
                if (sampleEnd < end && *sampleEnd == '\n') {
                    p = sampleEnd + 1;
                    continue;
                }
                if (end - sampleEnd >= 2 && sampleEnd[0] == '\r' && sampleEnd[1] == '\n') {
                    p = sampleEnd + 2;
                    continue;
                }
                p = sampleEnd;
            }
        } else {
            const char* lf = findByte(p, end, '\n');
            const char* lineEnd = lf ? lf : end;
            const char* limit = lineEnd - p > static_cast<std::ptrdiff_t>(kMaxLineExamined)
                                    ? p + kMaxLineExamined
                                    : lineEnd;
            const char* bracket = findByte(p, limit, '[');
            if (bracket && readSampleLine(bracket, limit, sample, &sampleEnd) && !take(sample))
                return false;
            p = lf ? lf + 1 : end;
            continue;
        }
        const char* lf = findByte(p, end, '\n');
        p = lf ? lf + 1 : end;
    }
    return true;
}

bool NightParser::take(const SampleLine& sample) {
    std::int64_t t = 0;
    if (!dating_.MakeSampleTime(sample.hour, sample.minute, sample.second, t))
        return true;
    if (opened_ == 0) {
        lastEntryTime_ = t;
        addEntry(sample.timeLabel, 0);
        open(0, sample, t);
    } else if (t - bucketStart_ >= kBucketSeconds) {
        if (t - lastEntryTime_ >= kEntrySeconds) {
            addEntry(sample.timeLabel, opened_);
            lastEntryTime_ = t;
        }
        open(opened_, sample, t);
    } else {
        merge(opened_ - 1, sample);
    }
    full_ = opened_ >= kMaxBuckets;
    return !full_;
}

void NightParser::open(int bucket, const SampleLine& sample, std::int64_t t) {
    NightBuckets& b = out_.buckets;
    b.snoreLevels[bucket] = sample.levelDigit - '0';
    b.sensorMaskTexts[bucket] = sample.maskText;
    b.actionStates[bucket] = sample.actionDigit - '0';
    b.timeLabels[bucket].assign(sample.timeLabel);
    bucketStart_ = t;
    linesAfterOpener_ = 0;
    snoringLines_ = 0;
    opened_ = bucket + 1;
}

void NightParser::merge(int bucket, const SampleLine& sample) {
    ++linesAfterOpener_;
    // The first bucket keeps the values of the line that opened it.
    if (bucket == 0)
        return;
    NightBuckets& b = out_.buckets;
    const bool snoring = sample.levelDigit != '0';
    if (b.snoreLevels[bucket - 1] == 0) {
        // After a quiet bucket one snoring line is enough to mark this one.
        if (!snoring)
            return;
        b.snoreLevels[bucket] = sample.levelDigit - '0';
    } else {
        // After a snoring bucket this one stays snoring only while at least
        // half of its later lines snore.
        if (snoring)
            ++snoringLines_;
        if (snoringLines_ < linesAfterOpener_ / 2)
            b.snoreLevels[bucket] = 0;
        else if (snoring)
            b.snoreLevels[bucket] = sample.levelDigit - '0';
    }
    b.sensorMaskTexts[bucket] = sample.maskText;
    b.actionStates[bucket] = sample.actionDigit - '0';
    // The label the bucket was opened with has the same ten characters.
    std::memcpy(b.timeLabels[bucket].data(), sample.timeLabel.data(), sample.timeLabel.size());
}

void NightParser::addEntry(std::string_view timeLabel, int bucket) {
    std::string entry(timeLabel);
    entry += "    ";
    entry += std::to_string(bucket);
    out_.startEntries.push_back(entry);
    out_.endEntries.push_back(std::move(entry));
}

void NightParser::finish() {
    if (opened_ == 0) {
        out_.status = NightStatus::EmptyRecord;
        return;
    }
    const int last = opened_ - 1;
    out_.endEntries.push_back(out_.buckets.timeLabels[last] + "    " + std::to_string(last));
    out_.buckets.bucketCount = opened_;
    out_.buckets.rangeStart = 0;
    out_.buckets.rangeEnd = last;
    out_.status = NightStatus::Ok;
}

void ParseNight(std::string_view nightText, const LocalDateTime& nightDate, ParsedNight& out) {
    NightParser parser(out, nightDate);
    parser.feed(nightText.data(), nightText.data() + nightText.size());
    parser.finish();
}

} // namespace dormivo
