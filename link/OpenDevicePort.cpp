#include "OpenDevicePort.h"

namespace dormivo {

bool OpenDevicePort(std::unique_ptr<SerialPort>& portHandle, PortOpener& opener,
                    const std::vector<std::string>& candidates) {
    portHandle.reset();
    for (const std::string& name : candidates) {
        PortOpenResult result = opener.open(name);
        if (result.port) {
            portHandle = std::move(result.port);
            return true;
        }
    }
    return false;
}

} // namespace dormivo
