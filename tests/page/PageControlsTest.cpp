#include "PageFixture.h"

#include <QAbstractButton>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

QString textOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        return group->title();
    }
    return {};
}

TEST(PageControls, EveryTextedControlCarriesItsIdAndItsText) {
    const std::vector<std::pair<int, const char*>> texts{
        {1000, "START"},
        {1, "Data Analysis"},
        {1070, "Recording Schedule"},
        {1071, "START Time"},
        {1072, "START Date"},
        {1073, "END Time(Per day)"},
        {1074, "END Date"},
        {1075, "REMARKS"},
        {1076, "LIVE ACTION MONITOR"},
        {1077, "LIVE SNORING MONITOR"},
        {1078, "Heavy snoring"},
        {1079, "Significant snoring"},
        {1080, "Moderate to significant snoring"},
        {1081, "Moderate snoring"},
        {1082, "Light snoring"},
        {1083, "No snoring"},
        {1084, "LIVE SENSOR MONITOR"},
        {1043, "   USB"},
    };
    PageBench bench;
    auto page = bench.openPage();

    EXPECT_EQ(page->windowTitle(),
              QStringLiteral("Varnel Anti-Snoring Pillow Data Monitor Tool - v1.8.1"));
    for (const auto& [id, text] : texts) {
        auto* w = page->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
        ASSERT_NE(w, nullptr) << "control " << id;
        EXPECT_EQ(textOf(w), QString::fromLatin1(text)) << "control " << id;
    }
    for (int id : {1007, 1014, 1015, 1016, 1017, 1019, 1020, 1025, 1026, 1027, 1029,
                   1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1041, 1067}) {
        EXPECT_NE(page->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)), nullptr)
            << "control " << id;
    }
}

TEST(PageControls, EntryFillsTheBoxesAndPickersFromTheApplication) {
    PageBench bench;
    const ScheduleValues schedule{.startDate = 1367888461, // 2013-05-07 01:01:01
                                  .endDate = 1367974861,
                                  .startTime = 1367960400, // 21:00:00
                                  .endTime = 1072944000};  // 2004-01-01 08:00:00
    auto page = bench.openPage(schedule);

    EXPECT_EQ(page->findChild<QLineEdit*>(QStringLiteral("ctl1028"))->text(),
              bench.currentRecordingPath);
    const auto picker = [&](int id) {
        return page->findChild<QDateTimeEdit*>(QStringLiteral("ctl%1").arg(id));
    };
    EXPECT_EQ(picker(1023)->dateTime().toSecsSinceEpoch(), schedule.startDate);
    EXPECT_EQ(picker(1024)->dateTime().toSecsSinceEpoch(), schedule.endDate);
    EXPECT_EQ(picker(1018)->dateTime().toSecsSinceEpoch(), schedule.startTime);
    EXPECT_EQ(picker(1021)->dateTime().toSecsSinceEpoch(), schedule.endTime);
    EXPECT_EQ(picker(1021)->text(), QStringLiteral("08:00:00"));
    EXPECT_EQ(picker(1023)->text(), QStringLiteral("2013-05-07"));
    EXPECT_EQ(page->pickerValues().endTime, schedule.endTime)
        << "a time picker keeps the date it was given";
    EXPECT_EQ(bench.pageLogFont, page->font());
    EXPECT_TRUE(page->timerRunning(PageTimer::Idle));
    EXPECT_FALSE(page->timerRunning(PageTimer::Recording));
}

} // namespace
} // namespace dormivo::test
