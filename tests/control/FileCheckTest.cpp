#include "ScheduleFixture.h"

#include <QFile>

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

const QString kWarning = QStringLiteral(
    "The selected file is not of pillow data recording format, please select correct file or "
    "input new file!");

class FileCheckTest : public ScheduleFixture {
protected:
    void SetUp() override {
        ScheduleFixture::SetUp();
        bench.setNow(2013, 5, 7, 12, 0, 0);
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(bench.path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void tick() { bench.runFor(2000); }
};

TEST_F(FileCheckTest, RecordingFileShowsItsRemarkDisabled) {
    write(QStringLiteral("old.gnf"),
          "Remarks:Night 1\r\nTAMOSTART:[2013-05-07 09:05:03][1][1]\r\n[09:05:03]:[0][0][0]\r\n");
    bench.page.fileBox = bench.path(QStringLiteral("old.gnf"));
    tick();
    EXPECT_TRUE(bench.page.remarks.contains(QStringLiteral("Night 1")));
    EXPECT_FALSE(bench.page.remarksEnabled);
    EXPECT_EQ(bench.currentRecordingPath, bench.path(QStringLiteral("old.gnf")));
    EXPECT_TRUE(bench.page.messages.empty());
}

TEST_F(FileCheckTest, ForeignFileWarnsOncePerPathTextInAnyCase) {
    write(QStringLiteral("notes.txt"), "shopping list\r\nmilk\r\n");
    bench.page.fileBox = bench.path(QStringLiteral("notes.txt"));
    tick();
    ASSERT_EQ(bench.page.messages.size(), 1u);
    EXPECT_EQ(bench.page.messages[0].text, kWarning);
    EXPECT_EQ(bench.page.messages[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(bench.page.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(bench.page.remarks, QStringLiteral("WARNING: ") + kWarning);

    tick();
    bench.page.fileBox = bench.path(QStringLiteral("NOTES.TXT"));
    tick();
    EXPECT_EQ(bench.page.messages.size(), 1u);

    // Another text and back again: examined anew.
    bench.page.fileBox = bench.path(QStringLiteral("new"));
    tick();
    bench.page.fileBox = bench.path(QStringLiteral("notes.txt"));
    tick();
    EXPECT_EQ(bench.page.messages.size(), 2u);
    EXPECT_TRUE(bench.control.state() == PageState::Idle);
}

TEST_F(FileCheckTest, AbsentFileGetsTheExtensionAndAnEnabledEmptyRemark) {
    bench.page.remarks = QStringLiteral("left over");
    bench.page.remarksEnabled = false;
    bench.page.fileBox = bench.path(QStringLiteral("night"));
    tick();
    EXPECT_EQ(bench.page.fileBox, bench.path(QStringLiteral("night.gnf")));
    EXPECT_TRUE(bench.page.remarks.isEmpty());
    EXPECT_TRUE(bench.page.remarksEnabled);

    // The changed text is examined on the next tick, and stays as it is.
    tick();
    EXPECT_EQ(bench.page.fileBox, bench.path(QStringLiteral("night.gnf")));
    EXPECT_TRUE(bench.page.messages.empty());
}

TEST_F(FileCheckTest, OnlyTheIdleTimerChecksAndLightsTheLamp) {
    bench.link.linkConnected = 0;
    bench.page.usbLamp = 2;
    bench.page.lampLabel = QStringLiteral("SCHEDULED");
    tick();
    EXPECT_EQ(bench.page.usbLamp, 1);
    EXPECT_EQ(bench.page.lampLabel, QStringLiteral("   USB"));
    bench.link.linkConnected = 1;
    tick();
    EXPECT_EQ(bench.page.usbLamp, 2);

    // A stale tick of timer 3 during a recording does nothing.
    pressStart(pickerValues({2013, 5, 7}, {11, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
               {12, 0, 0});
    ASSERT_EQ(bench.control.state(), PageState::Recording);
    bench.page.fileBox = bench.path(QStringLiteral("other"));
    bench.control.timerTick(PageTimer::Idle);
    EXPECT_EQ(bench.page.fileBox, bench.path(QStringLiteral("other")));
}

} // namespace
} // namespace dormivo::test
