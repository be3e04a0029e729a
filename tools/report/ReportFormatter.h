#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace dormivo {

struct NightSummary;
struct ReportOptions;
struct singlenight;

// Writes the report in one format, night by night, appending to `out`.
class ReportFormatter {
public:
    virtual ~ReportFormatter() = default;
    virtual void begin(std::string& out, const std::string& file) = 0;
    // A night of --list: its position, label and offset only.
    virtual void listed(std::string& out, std::size_t index, const singlenight& night) = 0;
    virtual void night(std::string& out, const NightSummary& summary) = 0;
    virtual void end(std::string& out) = 0;
};

std::unique_ptr<ReportFormatter> makeTextFormatter(const ReportOptions& options);
std::unique_ptr<ReportFormatter> makeJsonFormatter(const ReportOptions& options);
std::unique_ptr<ReportFormatter> makeCsvFormatter(const ReportOptions& options);

std::unique_ptr<ReportFormatter> makeReportFormatter(const ReportOptions& options);

} // namespace dormivo
