#include "Report.h"

#include "NightSummary.h"
#include "RecordingReader.h"
#include "ReportFormatter.h"
#include "ReportOptions.h"

#include <cerrno>
#include <cstring>
#include <memory>

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
        nightCount = 0;
        // Past the chosen night nothing more is read.
        const auto more = [&](std::size_t index) {
            return !options_.night || index < *options_.night;
        };
        if (options_.list) {
            return reader.scanNights([&](const singlenight& night) {
                const std::size_t index = nightCount++;
                if (wanted(index))
                    formatter_->listed(text_, index, night);
                flushIfFull();
                return more(index);
            });
        }
        return reader.readNights(
            [&](std::size_t index) { return wanted(index); },
            [&](std::size_t index, const singlenight& night, const ParsedNight* parsed) {
                nightCount = index + 1;
                if (parsed) {
                    summarizeNight(options_, index, night, *parsed, *summary_);
                    formatter_->night(text_, *summary_);
                }
                flushIfFull();
                return more(index);
            });
    }

    void finish() {
        formatter_->end(text_);
        flush();
    }

    // What was gathered is dropped when the run ends in an error.
    void discard() { text_.clear(); }

private:
    bool wanted(std::size_t index) const { return !options_.night || *options_.night == index; }

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
