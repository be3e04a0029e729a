#include "UserDataPaths.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace dormivo {
namespace {

TEST(UserDataPaths, FollowHome) {
    const QByteArray saved = qgetenv("HOME");
    qputenv("HOME", "/home/sleeper");
    EXPECT_EQ(userDataFolder(), QStringLiteral("/home/sleeper/UserData"));
    EXPECT_EQ(defaultRecordingPath(), QStringLiteral("/home/sleeper/UserData/test.gnf"));
    EXPECT_EQ(operationLogPath(), QStringLiteral("/home/sleeper/UserData/ToolOperation.log"));
    qputenv("HOME", saved);
}

} // namespace
} // namespace dormivo
