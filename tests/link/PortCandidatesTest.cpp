#include "PortCandidates.h"

#include <gtest/gtest.h>

namespace dormivo {
namespace {

TEST(PortCandidates, DefaultListRunsFromTheHighestNumberDown) {
    const std::vector<std::string> names = candidatePortNames(nullptr);
    ASSERT_EQ(names.size(), 40u);
    EXPECT_EQ(names.front(), "/dev/ttyACM19");
    EXPECT_EQ(names[19], "/dev/ttyACM0");
    EXPECT_EQ(names[20], "/dev/ttyUSB19");
    EXPECT_EQ(names.back(), "/dev/ttyUSB0");
    EXPECT_EQ(candidatePortNames(""), names);
}

TEST(PortCandidates, EnvironmentListReplacesTheDefault) {
    EXPECT_EQ(candidatePortNames("/tmp/pillow"), std::vector<std::string>{"/tmp/pillow"});
    EXPECT_EQ(candidatePortNames("/tmp/a::/tmp/b:"),
              (std::vector<std::string>{"/tmp/a", "/tmp/b"}));
}

} // namespace
} // namespace dormivo
