#include "Scenario.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace dormivo::sim {

namespace {

struct TimedStep {
    double from;
    SimStep step;
};

class FileScenario final : public Scenario {
public:
    explicit FileScenario(std::vector<TimedStep> steps) : steps_(std::move(steps)) {}
    SimStep at(double seconds) override {
        while (next_ < steps_.size() && steps_[next_].from <= seconds) {
            current_ = steps_[next_].step;
            ++next_;
        }
        return current_;
    }

private:
    std::vector<TimedStep> steps_;
    std::size_t next_ = 0;
    SimStep current_{SimStep::Kind::Silent, {}};
};

bool parseUnsigned(const std::string& text, int base, unsigned long limit, unsigned long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, base);
    return *end == '\0' && text[0] != '-' && value <= limit;
}

} // namespace

std::unique_ptr<Scenario> parseScenarioText(const std::string& text, std::string& error) {
    std::vector<TimedStep> steps;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string w; fields >> w;) {
            words.push_back(w);
        }
        if (words.empty()) {
            continue;
        }
        char* end = nullptr;
        const double from = std::strtod(words[0].c_str(), &end);
        if (*end != '\0' || !(from >= 0)) {
            error = where + "a time in seconds comes first";
            return nullptr;
        }
        if (!steps.empty() && from < steps.back().from) {
            error = where + "time goes backwards";
            return nullptr;
        }
        TimedStep timed{from, {}};
        unsigned long level = 0, mask = 0, action = 0;
        if (words.size() == 2 && words[1] == "silent") {
            timed.step.kind = SimStep::Kind::Silent;
        } else if (words.size() == 2 && words[1] == "unplug") {
            timed.step.kind = SimStep::Kind::Unplug;
        } else if (words.size() == 4 && parseUnsigned(words[1], 10, 255, level) &&
                   parseUnsigned(words[2], 16, 0x0FFF, mask) &&
                   parseUnsigned(words[3], 10, 255, action)) {
            timed.step.values.snoreLevel = static_cast<std::uint8_t>(level);
            timed.step.values.sensorMask = static_cast<std::uint16_t>(mask);
            timed.step.values.actionState = static_cast<std::uint8_t>(action);
        } else {
            error = where + "expected \"SECONDS LEVEL MASK ACTION\" (level and action 0-255, "
                            "mask hexadecimal 0-fff), \"SECONDS silent\" or \"SECONDS unplug\"";
            return nullptr;
        }
        steps.push_back(timed);
    }
    if (steps.empty()) {
        error = "the scenario holds no step";
        return nullptr;
    }
    return std::make_unique<FileScenario>(std::move(steps));
}

} // namespace dormivo::sim
