#pragma once

#include "NightBuckets.h"

#include <string>
#include <vector>

namespace dormivo::test {

// Path of a file in tests/data/analysis.
std::string fixturePath(const std::string& name);
// The bytes of a file in tests/data/analysis.
std::string readFixture(const std::string& name);

// A file under /tmp holding the given bytes, removed again at the end.
class TempFile {
public:
    explicit TempFile(const std::string& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The levels of the filled buckets.
std::vector<int> levelsOf(const NightBuckets& night);
// The time labels of the filled buckets.
std::vector<std::string> labelsOf(const NightBuckets& night);

} // namespace dormivo::test
