#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dormivo::record {

struct RecordOptions {
    std::string remark;
    std::optional<double> durationSeconds;
    bool keepGoing = false;
    std::string file;
};

inline constexpr const char* kRecordUsage =
    "usage: dormivo-record [--remark TEXT] [--duration SECONDS] [--keep-going] FILE\n"
    "Records the pillow into FILE until SIGINT or SIGTERM, the duration (counted from\n"
    "the start of the recording), or the loss of the link (exit status 3).\n"
    "--keep-going waits for the pillow to come back and starts a new block instead.\n"
    "DORMIVO_SERIAL_PORTS (colon-separated) replaces the ports tried.\n";

// False with a message for arguments that make no sense.
bool parseRecordOptions(const std::vector<std::string>& args, RecordOptions& options,
                        std::string& error);

} // namespace dormivo::record
