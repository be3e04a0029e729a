#pragma once

#include <cstddef>
#include <functional>

namespace dormivo {

// Hands out the next bytes of a stream: fills up to `max` bytes at `into` and
// returns how many, 0 at the end of the stream, or -1 when reading failed.
using ByteSource = std::function<std::ptrdiff_t(char* into, std::size_t max)>;

} // namespace dormivo
