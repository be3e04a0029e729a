#pragma once

#include <string>
#include <vector>

namespace dormivo {

// The device nodes tried for the pillow, in order: the colon-separated list
// of DORMIVO_SERIAL_PORTS when given, else /dev/ttyACM19 down to /dev/ttyACM0
// and then /dev/ttyUSB19 down to /dev/ttyUSB0.
std::vector<std::string> candidatePortNames(const char* environmentList);

// The same, reading DORMIVO_SERIAL_PORTS from the environment.
std::vector<std::string> candidatePortNames();

} // namespace dormivo
