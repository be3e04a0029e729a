#pragma once

#include "SerialPort.h"

#include <memory>
#include <string>
#include <vector>

namespace dormivo {

// Closes the port held first, then tries the candidates in order; the first
// that opens is kept in portHandle. False (and no port) when none opens.
bool OpenDevicePort(std::unique_ptr<SerialPort>& portHandle, PortOpener& opener,
                    const std::vector<std::string>& candidates);

} // namespace dormivo
