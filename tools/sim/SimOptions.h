#pragma once

#include <string>
#include <vector>

namespace dormivo::sim {

struct SimOptions {
    std::string linkPath;
    double hz = 20;
    std::string scenario = "night"; // quiet, night, silent-after, unplug-after or a file
    double scenarioSeconds = 0;     // for silent-after and unplug-after
    bool noise = false;
    unsigned seed = 2013;
};

inline constexpr const char* kSimUsage =
    "usage: dormivo-sim [--link PATH] [--hz RATE] [--noise] [--seed N]\n"
    "                   [--scenario quiet|night|silent-after SECONDS|unplug-after SECONDS|FILE]\n"
    "Streams pillow frames on a pseudo-terminal, reachable under PATH when given.\n"
    "Quitting (SIGINT, SIGTERM) unplugs the simulated pillow.\n";

// False with a message for arguments that make no sense.
bool parseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

} // namespace dormivo::sim
