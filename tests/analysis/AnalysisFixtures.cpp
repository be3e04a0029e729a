#include "AnalysisFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace dormivo::test {

namespace {

// Dates and times are read in a zone with daylight saving, the same one
// whoever runs the tests; DORMIVO_TEST_TZ picks another such zone.
const bool timeZonePinned = [] {
    const char* zone = std::getenv("DORMIVO_TEST_TZ");
    return setenv("TZ", zone ? zone : "Europe/Berlin", 1) == 0;
}();

} // namespace

std::string fixturePath(const std::string& name) {
    return std::string(DORMIVO_ANALYSIS_DATA) + "/" + name;
}

std::string readFixture(const std::string& name) {
    std::ifstream in(fixturePath(name), std::ios::binary);
    if (!in || !timeZonePinned)
        throw std::runtime_error("missing fixture " + name);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TempFile::TempFile(const std::string& bytes) {
    char name[] = "/tmp/dormivo-analysis-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0)
        throw std::runtime_error("cannot make a temporary file");
    path_ = name;
    std::ofstream(path_, std::ios::binary) << bytes;
    ::close(fd);
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

std::vector<int> levelsOf(const NightBuckets& night) {
    return {night.snoreLevels.begin(), night.snoreLevels.begin() + night.bucketCount};
}

std::vector<std::string> labelsOf(const NightBuckets& night) {
    return {night.timeLabels.begin(), night.timeLabels.begin() + night.bucketCount};
}

} // namespace dormivo::test
