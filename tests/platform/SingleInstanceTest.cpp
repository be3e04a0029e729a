#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString probe() {
    return QCoreApplication::applicationDirPath() + "/lock_probe";
}

QString runOnce(const QString& lockPath) {
    QProcess p;
    p.start(probe(), {lockPath});
    p.waitForFinished(10000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(SingleInstance, SecondProcessIsRefusedAndAKilledOwnerDoesNotBlock) {
    QTemporaryDir dir;
    const QString lockPath = dir.filePath("Parvolux.Dormivo.lock");

    QProcess first;
    first.start(probe(), {lockPath, "hold"});
    ASSERT_TRUE(first.waitForReadyRead(10000));
    EXPECT_EQ(QString::fromLatin1(first.readAllStandardOutput()).trimmed(), "locked");

    EXPECT_EQ(runOnce(lockPath), "refused");

    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    first.waitForFinished(10000);
    EXPECT_EQ(runOnce(lockPath), "locked");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
