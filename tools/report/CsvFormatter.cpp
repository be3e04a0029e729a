#include "NightSummary.h"
#include "ReportFormatter.h"
#include "ReportOptions.h"
#include "TextEncoding.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace dormivo {

namespace {

std::string percent(float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
    return text;
}

class CsvFormatter final : public ReportFormatter {
public:
    explicit CsvFormatter(const ReportOptions& options)
        : list_(options.list), series_(!options.list && options.night.has_value()) {}

    void begin(std::string& out, const std::string&) override {
        if (list_)
            out += "index,label,offset\n";
        else if (series_)
            out += "index,time,level,mask,action\n";
        else
            out += "index,label,offset,buckets,firstMark,lastMark,rangeStart,rangeEnd,valid,"
                   "totalSnoring,actualSnoring,action,supposable,effectiveness,"
                   "effectivenessInclSupposable,error\n";
    }

    void listed(std::string& out, std::size_t index, const singlenight& night) override {
        out += std::to_string(index) + ',';
        appendCsvField(out, latin1ToUtf8(night.nightLabel));
        out += ',' + std::to_string(night.markerOffset) + '\n';
    }

    void night(std::string& out, const NightSummary& s) override {
        if (series_)
            series(out, s.parsed->buckets);
        else
            totalsRow(out, s);
    }

    void end(std::string&) override {}

private:
    static void series(std::string& out, const NightBuckets& b) {
        for (int i = 0; i < b.bucketCount; ++i) {
            out += std::to_string(i) + ',' + b.timeLabels[i] + ',' +
                   std::to_string(b.snoreLevels[i]) + ',' +
                   std::string(b.sensorMaskTexts[i].data()) + ',' +
                   std::to_string(b.actionStates[i]) + '\n';
        }
    }

    static void totalsRow(std::string& out, const NightSummary& s) {
        const NightTotals& t = s.totals;
        out += std::to_string(s.index) + ',';
        appendCsvField(out, latin1ToUtf8(s.night.nightLabel));
        for (const long long value :
             {static_cast<long long>(s.night.markerOffset),
              static_cast<long long>(s.parsed->buckets.bucketCount),
              static_cast<long long>(s.marks.firstMark), static_cast<long long>(s.marks.lastMark),
              static_cast<long long>(s.rangeStart), static_cast<long long>(s.rangeEnd)})
            out += ',' + std::to_string(value);
        out += t.totalsValid ? ",true," : ",false,";
        out += std::to_string(t.totalSnoringTime);
        if (t.totalsValid) {
            out += ',' + std::to_string(t.actualSnoringTime) + ',' + std::to_string(t.actionTime) +
                   ',' + std::to_string(t.supposableTime) + ',' + percent(t.erPercent) + ',' +
                   percent(t.eisPercent) + ',';
        } else {
            out += ",,,,,,";
        }
        appendCsvField(out, nightStatusMessage(s.parsed->status));
        out += '\n';
    }

    bool list_;
    bool series_;
};

} // namespace

std::unique_ptr<ReportFormatter> makeCsvFormatter(const ReportOptions& options) {
    return std::make_unique<CsvFormatter>(options);
}

} // namespace dormivo
