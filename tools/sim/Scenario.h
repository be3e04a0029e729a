#pragma once

#include "FrameValues.h"

#include <memory>
#include <optional>
#include <string>

namespace dormivo::sim {

// What the simulated pillow does at one moment of its run.
struct SimStep {
    enum class Kind { Send, Silent, Unplug };
    Kind kind = Kind::Send;
    FrameValues values;
};

// A scenario answers for moments that never go back in time.
class Scenario {
public:
    virtual ~Scenario() = default;
    virtual SimStep at(double seconds) = 0;
};

// Head lying on the quiet pillow: level 0, the middle sensors, no action.
std::unique_ptr<Scenario> makeQuietScenario();
// A lively night: snoring episodes, both groups of pillow actions, head moves.
std::unique_ptr<Scenario> makeNightScenario(unsigned seed);
// The inner scenario until the given moment, then silence or an unplug.
std::unique_ptr<Scenario> makeSilentAfter(std::unique_ptr<Scenario> inner, double seconds);
std::unique_ptr<Scenario> makeUnplugAfter(std::unique_ptr<Scenario> inner, double seconds);

// Parses the plain-text scenario format:
//   # comment
//   SECONDS LEVEL MASK ACTION     (MASK in hexadecimal; held until the next line)
//   SECONDS silent
//   SECONDS unplug
// Times must not go backwards. On a fault, nothing and a message naming the line.
std::unique_ptr<Scenario> parseScenarioText(const std::string& text, std::string& error);

} // namespace dormivo::sim
