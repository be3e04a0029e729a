#include "SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dormivo;

TEST(SettingsStore, EmptyStoreGivesDefaults) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("Dormivo.conf"));
    EXPECT_EQ(store.fileName("/home/u/UserData/test.gnf"), "/home/u/UserData/test.gnf");
    EXPECT_EQ(store.applicationLook(), 210);
}

TEST(SettingsStore, ValuesSurviveAReopen) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Dormivo.conf");
    {
        SettingsStore store(path);
        store.setFileName(QString::fromUtf8("/data/nächte/kissen.gnf"));
        store.setApplicationLook(216);
        store.sync();
    }
    SettingsStore store(path);
    EXPECT_EQ(store.fileName("x"), QString::fromUtf8("/data/nächte/kissen.gnf"));
    EXPECT_EQ(store.applicationLook(), 216);
}

TEST(SettingsStore, UnreadableOrCorruptedStoreGivesDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Dormivo.conf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[Userdata]\nFileName=\"/unterminated\n\x01\x02\xff[[[\n[Workspace\nApplicationLook=abc\n");
    f.close();
    SettingsStore store(path);
    EXPECT_EQ(store.fileName("/d/test.gnf"), "/d/test.gnf");
    EXPECT_EQ(store.applicationLook(), 210);
}
