#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace dormivo {

enum class ReportFormat { Text, Json, Csv };

struct ReportOptions {
    bool list = false;
    std::optional<std::size_t> night; // 0-based, in file order
    std::optional<int> rangeStart;    // set together with rangeEnd
    std::optional<int> rangeEnd;
    bool detail = false;
    bool help = false;
    ReportFormat format = ReportFormat::Text;
    std::string file;
};

// Reads the command line (without the program name). Nothing, with the reason
// in `error`, when the arguments are not understood.
std::optional<ReportOptions> parseReportOptions(const std::vector<std::string>& args,
                                                std::string& error);

extern const char* const kReportUsage;

} // namespace dormivo
