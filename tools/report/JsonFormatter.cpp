#include "NightSummary.h"
#include "ReportFormatter.h"
#include "ReportOptions.h"
#include "TextEncoding.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace dormivo {

namespace {

void appendPercent(std::string& out, float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
    out += text;
}

void appendTexts(std::string& out, const std::vector<std::string>& texts) {
    out += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendJsonString(out, latin1ToUtf8(texts[i]));
    }
    out += ']';
}

class JsonFormatter final : public ReportFormatter {
public:
    explicit JsonFormatter(const ReportOptions& options) : detail_(options.detail) {}

    void begin(std::string& out, const std::string& file) override {
        out += "{\"file\": ";
        appendJsonString(out, pathToUtf8(file));
        out += ", \"nights\": [";
    }

    void listed(std::string& out, std::size_t index, const singlenight& night) override {
        separate(out);
        head(out, index, night);
        out += '}';
    }

    void night(std::string& out, const NightSummary& s) override {
        separate(out);
        head(out, s.index, s.night);
        const NightBuckets& b = s.parsed->buckets;
        out += ", \"buckets\": " + std::to_string(b.bucketCount);
        out += ", \"marks\": {\"first\": " + std::to_string(s.marks.firstMark) +
               ", \"last\": " + std::to_string(s.marks.lastMark) + '}';
        out += ", \"range\": {\"start\": " + std::to_string(s.rangeStart) +
               ", \"end\": " + std::to_string(s.rangeEnd) + '}';
        totals(out, s.totals);
        out += ", \"texts\": {\"tas\": ";
        appendJsonString(out, s.texts.tas);
        out += ", \"tpa\": ";
        appendJsonString(out, s.texts.tpa);
        out += ", \"tss\": ";
        appendJsonString(out, s.texts.tss);
        out += ", \"er\": ";
        appendJsonString(out, s.texts.er);
        out += ", \"eis\": ";
        appendJsonString(out, s.texts.eis);
        out += '}';
        if (s.parsed->status != NightStatus::Ok) {
            out += ", \"error\": ";
            appendJsonString(out, nightStatusMessage(s.parsed->status));
        }
        if (detail_)
            details(out, s);
        out += '}';
    }

    void end(std::string& out) override { out += first_ ? "]}\n" : "\n]}\n"; }

private:
    void separate(std::string& out) {
        out += first_ ? "\n  " : ",\n  ";
        first_ = false;
    }

    static void head(std::string& out, std::size_t index, const singlenight& night) {
        out += "{\"index\": " + std::to_string(index) + ", \"label\": ";
        appendJsonString(out, latin1ToUtf8(night.nightLabel));
        out += ", \"offset\": " + std::to_string(night.markerOffset);
    }

    static void totals(std::string& out, const NightTotals& t) {
        out += ", \"totals\": {\"valid\": ";
        out += t.totalsValid ? "true" : "false";
        out += ", \"totalSnoring\": " + std::to_string(t.totalSnoringTime);
        if (t.totalsValid) {
            out += ", \"actualSnoring\": " + std::to_string(t.actualSnoringTime);
            out += ", \"action\": " + std::to_string(t.actionTime);
            out += ", \"supposable\": " + std::to_string(t.supposableTime);
            out += ", \"effectiveness\": ";
            appendPercent(out, t.erPercent);
            out += ", \"effectivenessInclSupposable\": ";
            appendPercent(out, t.eisPercent);
        }
        out += '}';
    }

    static void details(std::string& out, const NightSummary& s) {
        out += ", \"startEntries\": ";
        appendTexts(out, s.parsed->startEntries);
        out += ", \"endEntries\": ";
        appendTexts(out, s.parsed->endEntries);
        out += ", \"series\": [";
        const NightBuckets& b = s.parsed->buckets;
        for (int i = 0; i < b.bucketCount; ++i) {
            if (i > 0)
                out += ", ";
            out += "{\"time\": ";
            appendJsonString(out, b.timeLabels[i]);
            out += ", \"level\": " + std::to_string(b.snoreLevels[i]);
            out += ", \"mask\": ";
            appendJsonString(out, std::string_view(b.sensorMaskTexts[i].data()));
            out += ", \"action\": " + std::to_string(b.actionStates[i]) + '}';
        }
        out += ']';
    }

    bool detail_;
    bool first_ = true;
};

} // namespace

std::unique_ptr<ReportFormatter> makeJsonFormatter(const ReportOptions& options) {
    return std::make_unique<JsonFormatter>(options);
}

} // namespace dormivo
