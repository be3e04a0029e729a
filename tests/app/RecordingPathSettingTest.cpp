#include "CDormivoApp.h"
#include "SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dormivo;

TEST(RecordingPathSetting, StartUpWritesTheDefaultBackOnlyWhenTheStoredTextIsTheDefault) {
    const QString def = QStringLiteral("/home/u/UserData/test.gnf");
    const struct {
        const char* stored; // nullptr: nothing stored yet (first run)
        const char* current;
        const char* storedAfter;
    } cases[] = {
        {nullptr, "/home/u/UserData/test.gnf", "/home/u/UserData/test.gnf"},
        {"/HOME/U/userdata/TEST.GNF", "/HOME/U/userdata/TEST.GNF", "/home/u/UserData/test.gnf"},
        {"/data/night.gnf", "/data/night.gnf", "/data/night.gnf"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.filePath("Dormivo.conf");
        if (c.stored) {
            SettingsStore before(file);
            before.setFileName(QString::fromUtf8(c.stored));
            before.sync();
        }
        SettingsStore store(file);
        EXPECT_EQ(CDormivoApp::readRecordingPath(store, def), QString::fromUtf8(c.current));
        SettingsStore reread(file);
        EXPECT_EQ(reread.fileName(QStringLiteral("<none>")), QString::fromUtf8(c.storedAfter));
    }
}
