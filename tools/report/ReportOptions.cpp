#include "ReportOptions.h"

#include "NightBuckets.h"

#include <charconv>
#include <string_view>

namespace dormivo {

const char* const kReportUsage =
    "usage: dormivo-report [--list] [--night N] [--range START:END] [--detail]\n"
    "                      [--format text|json|csv] FILE\n"
    "  --list            one row per night (index, label, byte offset), nights not read\n"
    "  --night N         only the night N (0-based, in file order)\n"
    "  --range START:END bucket indexes in place of the night's default range\n"
    "  --detail          with --format json: range entries and the bucket series\n"
    "  --format F        text (default), json or csv\n";

namespace {

template <typename Int> bool parseNumber(std::string_view text, Int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool parseBucket(std::string_view text, int& bucket) {
    return parseNumber(text, bucket) && bucket >= 0 && bucket < kMaxBuckets;
}

} // namespace

std::optional<ReportOptions> parseReportOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    ReportOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!options.file.empty()) {
                error = "more than one FILE given";
                return std::nullopt;
            }
            options.file = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const bool takesValue = name == "--night" || name == "--range" || name == "--format";
        if (takesValue && !value) {
            if (i + 1 >= args.size()) {
                error = std::string(name) + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        } else if (!takesValue && value) {
            error = std::string(name) + " takes no value";
            return std::nullopt;
        }
        if (name == "--list") {
            options.list = true;
        } else if (name == "--detail") {
            options.detail = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--night") {
            std::size_t night = 0;
            if (!parseNumber(*value, night)) {
                error = "--night needs a night number (0, 1, ...)";
                return std::nullopt;
            }
            options.night = night;
        } else if (name == "--range") {
            const auto colon = value->find(':');
            int start = 0;
            int end = 0;
            if (colon == std::string_view::npos || !parseBucket(value->substr(0, colon), start) ||
                !parseBucket(value->substr(colon + 1), end)) {
                error = "--range needs START:END, two bucket indexes from 0 to 1199";
                return std::nullopt;
            }
            options.rangeStart = start;
            options.rangeEnd = end;
        } else if (name == "--format") {
            if (*value == "text")
                options.format = ReportFormat::Text;
            else if (*value == "json")
                options.format = ReportFormat::Json;
            else if (*value == "csv")
                options.format = ReportFormat::Csv;
            else {
                error = "--format is text, json or csv";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        }
    }
    if (options.file.empty() && !options.help) {
        error = "no FILE given";
        return std::nullopt;
    }
    return options;
}

} // namespace dormivo
