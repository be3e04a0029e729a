#include "NightSummary.h"
#include "ReportFormatter.h"
#include "ReportOptions.h"
#include "TextEncoding.h"

#include <string>
#include <string_view>

namespace dormivo {

namespace {

// Appends a text padded to a column of `width` and the gap to the next one.
void column(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
    out += "  ";
}

class TextFormatter final : public ReportFormatter {
public:
    explicit TextFormatter(const ReportOptions& options) : list_(options.list) {}

    void begin(std::string& out, const std::string&) override {
        if (list_)
            out += "night  offset        label\n";
        else
            out += "night  label                    buckets  range                  TAS       "
                   "TPA       Effectiveness\n";
    }

    void listed(std::string& out, std::size_t index, const singlenight& night) override {
        column(out, std::to_string(index), 5);
        column(out, std::to_string(night.markerOffset), 12);
        out += latin1ToUtf8(night.nightLabel);
        out += '\n';
    }

    void night(std::string& out, const NightSummary& s) override {
        column(out, std::to_string(s.index), 5);
        column(out, latin1ToUtf8(s.night.nightLabel), 23);
        column(out, std::to_string(s.parsed->buckets.bucketCount), 7);
        const bool noRange = s.startTime.empty() && s.endTime.empty();
        column(out, noRange ? "-" : s.startTime + "-" + s.endTime, 21);
        column(out, s.texts.tas, 8);
        column(out, s.texts.tpa, 8);
        out += s.texts.er;
        if (s.parsed->status != NightStatus::Ok) {
            out += "  (";
            out += nightStatusMessage(s.parsed->status);
            out += ')';
        }
        out += '\n';
    }

    void end(std::string&) override {}

private:
    bool list_;
};

} // namespace

std::unique_ptr<ReportFormatter> makeTextFormatter(const ReportOptions& options) {
    return std::make_unique<TextFormatter>(options);
}

} // namespace dormivo
