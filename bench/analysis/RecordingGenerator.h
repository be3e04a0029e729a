#pragma once

#include <cstdint>
#include <string>

namespace dormivo::bench {

// Lines of one generated night: ten hours at ten lines per second.
constexpr int kNightLines = 360000;

// Writes a recording of whole nights, one a day from 2013-01-01 at 22:00:00,
// ten sample lines a second for ten hours, with a remark at the top, until the
// file holds at least targetBytes. False when the file cannot be written.
bool generateRecording(const std::string& path, std::int64_t targetBytes);

} // namespace dormivo::bench
