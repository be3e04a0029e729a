#include "SimOptions.h"

#include <cstdlib>

namespace dormivo::sim {

namespace {

bool parseNumber(const std::string& text, double lo, double hi, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && value >= lo && value <= hi;
}

} // namespace

bool parseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        double number = 0;
        if (arg == "--noise") {
            options.noise = true;
        } else if (arg == "--link" && hasValue) {
            options.linkPath = args[++i];
        } else if (arg == "--hz" && hasValue) {
            if (!parseNumber(args[++i], 0.1, 1000, options.hz)) {
                error = "--hz takes a rate from 0.1 to 1000";
                return false;
            }
        } else if (arg == "--seed" && hasValue) {
            if (!parseNumber(args[++i], 0, 4294967295.0, number)) {
                error = "--seed takes a whole number";
                return false;
            }
            options.seed = static_cast<unsigned>(number);
        } else if (arg == "--scenario" && hasValue) {
            options.scenario = args[++i];
            if (options.scenario == "silent-after" || options.scenario == "unplug-after") {
                if (i + 1 >= args.size() ||
                    !parseNumber(args[++i], 0, 1e9, options.scenarioSeconds)) {
                    error = options.scenario + " takes a number of seconds";
                    return false;
                }
            }
        } else {
            error = "unknown or incomplete argument: " + arg;
            return false;
        }
    }
    return true;
}

} // namespace dormivo::sim
