#include "CConfirmDlg.h"

#include "Clock.h"
#include "StringTable.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace dormivo {
namespace {

class CConfirmDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "countdown_tests";
        static char* argv[] = {name, nullptr};
        // Never destroyed: Qt's input devices must not go down after the statics they use.
        static QApplication* app = new QApplication(argc, argv);
        Q_UNUSED(app);
    }

    std::unique_ptr<CConfirmDlg> open(CountdownMode mode, std::int64_t target) {
        auto dlg = std::make_unique<CConfirmDlg>(mode, target, clock, strings);
        dlg->show();
        return dlg;
    }

    static QString childText(const CConfirmDlg& dlg, const char* name) {
        if (auto* label = dlg.findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        if (auto* button = dlg.findChild<QPushButton*>(QLatin1String(name)))
            return button->text();
        return QStringLiteral("<missing>");
    }

    static constexpr std::int64_t kNow = 1368000000;
    ManualClock clock{kNow * 1000};
    StringTable strings;
};

TEST_F(CConfirmDlgTest, ScheduleModeCountsDaysAndClosesItselfAtTheTargetSecond) {
    auto dlg = open(CountdownMode::Schedule, kNow + 2 * 86400 + 3 * 3600);
    QSignalSpy cancelled(dlg.get(), &CConfirmDlg::cancelled);
    QSignalSpy stopped(dlg.get(), &CConfirmDlg::stopPressed);

    EXPECT_EQ(dlg->countdownText(), QStringLiteral("2 Days  03:00:00"));
    EXPECT_EQ(childText(*dlg, "ctl1042"), QStringLiteral("Time left until START Recording"));
    EXPECT_EQ(childText(*dlg, "ctl1085"), QStringLiteral("Recording"));
    EXPECT_EQ(childText(*dlg, "ctl1"), QStringLiteral("STOP"));
    EXPECT_TRUE(dlg->windowTitle().isEmpty());
    EXPECT_TRUE(dlg->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    clock.advanceMillis(1000);
    dlg->tick();
    EXPECT_EQ(dlg->countdownText(), QStringLiteral("2 Days  02:59:59"));

    clock.setSeconds(dlg->target() - 1);
    dlg->tick();
    EXPECT_TRUE(dlg->isVisible());
    clock.setSeconds(dlg->target());
    dlg->tick();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(stopped.count(), 0);
}

TEST_F(CConfirmDlgTest, MissedTargetSecondCountsOnToTheNextDay) {
    auto dlg = open(CountdownMode::Schedule, kNow + 1);
    QSignalSpy cancelled(dlg.get(), &CConfirmDlg::cancelled);
    clock.advanceMillis(2000);
    dlg->tick();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(cancelled.count(), 0);
    EXPECT_EQ(dlg->countdownText(), QStringLiteral("0 Days  23:59:59"));
}

TEST_F(CConfirmDlgTest, RecordingModeShowsNoDays) {
    auto dlg = open(CountdownMode::Recording, kNow + 2 * 86400 + 3 * 3600);
    EXPECT_EQ(dlg->countdownText(), QStringLiteral("0 Days  03:00:00"));
    EXPECT_EQ(childText(*dlg, "ctl1042"), QStringLiteral("Remaining Recording Time"));
}

TEST_F(CConfirmDlgTest, EscapeCancelsAndStopReportsStop) {
    auto dlg = open(CountdownMode::Recording, kNow + 3600);
    QSignalSpy cancelled(dlg.get(), &CConfirmDlg::cancelled);
    QSignalSpy stopped(dlg.get(), &CConfirmDlg::stopPressed);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dlg.get(), &escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(stopped.count(), 0);

    auto second = open(CountdownMode::Recording, kNow + 3600);
    QSignalSpy cancelled2(second.get(), &CConfirmDlg::cancelled);
    QSignalSpy stopped2(second.get(), &CConfirmDlg::stopPressed);
    second->findChild<QPushButton*>(QStringLiteral("ctl1"))->click();
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(stopped2.count(), 1);
    EXPECT_EQ(cancelled2.count(), 0);
    // Gone is gone: a late tick at the target second does not report again.
    clock.setSeconds(second->target());
    second->tick();
    EXPECT_EQ(cancelled2.count(), 0);
}

TEST_F(CConfirmDlgTest, StopMayDiscardTheWindowFromItsOwnSignal) {
    auto* dlg = new CConfirmDlg(CountdownMode::Schedule, kNow + 60, clock, strings);
    dlg->show();
    QPointer<CConfirmDlg> watch(dlg);
    QObject::connect(dlg, &CConfirmDlg::stopPressed, [dlg] { delete dlg; });
    dlg->findChild<QPushButton*>(QStringLiteral("ctl1"))->click();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(CConfirmDlgTest, PaintsTheFrameTheTextAndTheLampInTheirColours) {
    struct Case {
        const char* name;
        CountdownMode mode;
        QColor innerLamp;
    };
    const Case cases[] = {{"schedule", CountdownMode::Schedule, QColor(192, 192, 192)},
                          {"recording", CountdownMode::Recording, QColor(255, 0, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dlg = open(c.mode, kNow + 5 * 3600);
        const QImage shot = dlg->grab().toImage();

        for (const QPoint corner : {QPoint(297, 170), QPoint(440, 170), QPoint(440, 210),
                                    QPoint(297, 210), QPoint(368, 170), QPoint(440, 190)})
            EXPECT_EQ(shot.pixelColor(corner), QColor(0, 0, 255))
                << corner.x() << "," << corner.y();

        int textPixels = 0;
        for (int y = CConfirmDlg::kRefreshRect.top(); y <= CConfirmDlg::kRefreshRect.bottom(); ++y)
            for (int x = CConfirmDlg::kTextOrigin.x(); x < 290; ++x)
                textPixels += shot.pixelColor(x, y) == QColor(30, 50, 190);
        EXPECT_GT(textPixels, 20); // the day count, left of the frame

        // The lamp: an outer ring of grey around the inner colour.
        int inner = 0;
        int outer = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 140; ++x) {
                inner += shot.pixelColor(x, y) == c.innerLamp;
                outer += shot.pixelColor(x, y) == QColor(128, 128, 128);
            }
        EXPECT_GT(inner, 50);
        EXPECT_GT(outer, 50);
    }
}

} // namespace
} // namespace dormivo
