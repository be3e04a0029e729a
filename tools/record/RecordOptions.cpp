#include "RecordOptions.h"

#include <cstdlib>

namespace dormivo::record {

bool parseRecordOptions(const std::vector<std::string>& args, RecordOptions& options,
                        std::string& error) {
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--keep-going") {
            options.keepGoing = true;
        } else if (arg == "--remark" && hasValue) {
            options.remark = args[++i];
        } else if (arg == "--duration" && hasValue) {
            const std::string& text = args[++i];
            char* end = nullptr;
            const double seconds = std::strtod(text.c_str(), &end);
            if (text.empty() || *end != '\0' || !(seconds > 0)) {
                error = "--duration takes a positive number of seconds";
                return false;
            }
            options.durationSeconds = seconds;
        } else if (arg.starts_with("--") || haveFile) {
            error = "unknown or incomplete argument: " + arg;
            return false;
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile || options.file.empty()) {
        error = "no recording file given";
        return false;
    }
    return true;
}

} // namespace dormivo::record
