#include "ReportFormatter.h"

#include "ReportOptions.h"

namespace dormivo {

std::unique_ptr<ReportFormatter> makeReportFormatter(const ReportOptions& options) {
    switch (options.format) {
    case ReportFormat::Json:
        return makeJsonFormatter(options);
    case ReportFormat::Csv:
        return makeCsvFormatter(options);
    case ReportFormat::Text:
        break;
    }
    return makeTextFormatter(options);
}

} // namespace dormivo
