#include "Report.h"

#include "NightSummary.h"
#include "RecordingReader.h"
#include "ReportFormatter.h"
#include "ReportOptions.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace dormivo {

namespace {

// Output is gathered and written in large pieces; a report that fails after
// it began writes nothing more.
constexpr std::size_t kFlushSize = std::size_t{1} << 20;

class ReportRun {
public:
    ReportRun(const ReportOptions& options, std::FILE* out)
        : options_(options), out_(out), formatter_(makeReportFormatter(options)),
          summary_(std::make_unique<NightSummary>()) {}

    // False when the file could not be read through.
    bool run(RecordingReader& reader, std::size_t& nightCount) {
        formatter_->begin(text_, options_.file);
        std::size_t index = 0;
        std::optional<singlenight> pending;
        const bool ok = reader.scanNights([&](const singlenight& night) {
            const std::size_t current = index++;
            if (options_.list) {
                if (wanted(current))
                    formatter_->listed(text_, current, night);
            } else {
                // A night ends at the next marker, so it is read once that
                // marker has been found.
                if (pending && wanted(current - 1))
                    summarize(reader, current - 1, *pending, night.markerOffset);
                pending = night;
            }
            flushIfFull();
            return !options_.night || current <= *options_.night;
        });
        if (!ok)
            return false;
        if (pending && wanted(index - 1))
            summarize(reader, index - 1, *pending, std::nullopt);
        nightCount = index;
        return true;
    }

    void finish() {
        formatter_->end(text_);
        flush();
    }

    // What was gathered is dropped when the run ends in an error.
    void discard() { text_.clear(); }

private:
    bool wanted(std::size_t index) const { return !options_.night || *options_.night == index; }

    void summarize(RecordingReader& reader, std::size_t index, const singlenight& night,
                   std::optional<std::int64_t> next) {
        summarizeNight(reader, options_, index, night, next, *summary_);
        formatter_->night(text_, *summary_);
    }

    void flushIfFull() {
        if (text_.size() >= kFlushSize)
            flush();
    }

    void flush() {
        std::fwrite(text_.data(), 1, text_.size(), out_);
        text_.clear();
    }

    const ReportOptions& options_;
    std::FILE* out_;
    std::unique_ptr<ReportFormatter> formatter_;
    std::unique_ptr<NightSummary> summary_;
    std::string text_;
};

} // namespace

int runReport(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto options = parseReportOptions(args, error);
    if (!options) {
        std::fprintf(err, "dormivo-report: %s\n%s", error.c_str(), kReportUsage);
        return kReportUsageError;
    }
    if (options->help) {
        std::fputs(kReportUsage, out);
        return kReportOk;
    }
    RecordingReader reader;
    if (!reader.open(options->file)) {
        std::fprintf(err, "dormivo-report: cannot open %s: %s\n", options->file.c_str(),
                     std::strerror(errno));
        return kReportCannotRead;
    }
    ReportRun run(*options, out);
    std::size_t nightCount = 0;
    if (!run.run(reader, nightCount)) {
        run.discard();
        std::fprintf(err, "dormivo-report: cannot read %s: %s\n", options->file.c_str(),
                     std::strerror(errno));
        return kReportCannotRead;
    }
    if (options->night && *options->night >= nightCount) {
        run.discard();
        std::fprintf(err, "dormivo-report: %s holds %zu night(s); there is no night %zu\n",
                     options->file.c_str(), nightCount, *options->night);
        return kReportUsageError;
    }
    run.finish();
    return kReportOk;
}

} // namespace dormivo
