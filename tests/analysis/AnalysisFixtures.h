#pragma once

#include "NightBuckets.h"

#include <string>
#include <vector>

namespace dormivo::test {

// Path of a file in tests/data/analysis.
std::string fixturePath(const std::string& name);
// The bytes of a file in tests/data/analysis.
std::string readFixture(const std::string& name);

// The levels of the filled buckets.
std::vector<int> levelsOf(const NightBuckets& night);
// The time labels of the filled buckets.
std::vector<std::string> labelsOf(const NightBuckets& night);

} // namespace dormivo::test
