#include "PortCandidates.h"

#include <cstdlib>
#include <string_view>

namespace dormivo {

std::vector<std::string> candidatePortNames(const char* environmentList) {
    std::vector<std::string> names;
    if (environmentList != nullptr && *environmentList != '\0') {
        std::string_view rest(environmentList);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view name = rest.substr(0, colon);
            if (!name.empty()) {
                names.emplace_back(name);
            }
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
        return names;
    }
    for (const char* family : {"/dev/ttyACM", "/dev/ttyUSB"}) {
        for (int number = 19; number >= 0; --number) {
            names.push_back(family + std::to_string(number));
        }
    }
    return names;
}

std::vector<std::string> candidatePortNames() {
    return candidatePortNames(std::getenv("DORMIVO_SERIAL_PORTS"));
}

} // namespace dormivo
