#include "PageFixture.h"

#include "SvgFrame.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace dormivo::test {
namespace {

std::string stamped(const std::string& message) {
    return kStamp + ("[" + message + "]");
}

std::vector<std::string> stampedLines(std::initializer_list<const char*> messages) {
    std::vector<std::string> lines;
    for (const char* m : messages) {
        lines.push_back(*m == '\0' ? std::string() : stamped(m));
    }
    return lines;
}

QPushButton* button(QWidget& page, int id) {
    return page.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(id));
}

TEST(PageLeave, DataAnalysisLogsItsLinesAndHandsBackFileAndSchedule) {
    PageBench bench;
    auto page = bench.openPage();
    auto* fileBox = page->findChild<QLineEdit*>(QStringLiteral("ctl1028"));
    auto* endDate = page->findChild<QDateTimeEdit*>(QStringLiteral("ctl1024"));
    ASSERT_TRUE(fileBox && endDate);
    fileBox->setText(bench.path(QStringLiteral("week.gnf")));
    endDate->setDateTime(endDate->dateTime().addDays(3));
    const std::int64_t chosenEnd = endDate->dateTime().toSecsSinceEpoch();

    button(*page, 1)->click();

    EXPECT_EQ(page->result(), QDialog::Accepted);
    EXPECT_FALSE(page->linkWorkerRunning());
    EXPECT_EQ(page->recordingFileName(), bench.path(QStringLiteral("week.gnf")));
    EXPECT_EQ(page->schedule().endDate, chosenEnd);
    EXPECT_EQ(bench.pauses, std::vector<int>{300});
    EXPECT_EQ(bench.logLines(),
              stampedLines({"Enter into data monitoring page.",
                            "Press button <Data Analysis> and leave data monitoring page.", ""}));
}

TEST(PageLeave, ClosingWhileIdleLogsTheQuitAndAnEmptyLine) {
    PageBench bench;
    auto page = bench.openPage();
    page->show();

    EXPECT_TRUE(page->close());

    EXPECT_EQ(page->result(), QDialog::Rejected);
    EXPECT_FALSE(page->linkWorkerRunning());
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.logLines(),
              stampedLines({"Enter into data monitoring page.",
                            "Press <close> to leave data monitor page and quit program.",
                            "Program is terminated.", ""}));
}

class RecordingPage : public ::testing::Test {
protected:
    void SetUp() override {
        page = bench.openPage();
        page->findChild<QLineEdit*>(QStringLiteral("ctl1028"))
            ->setText(bench.path(QStringLiteral("tonight.gnf")));
        page->show();
        ASSERT_TRUE(processUntil([&] { return bench.link.linkConnected.load() == 1; }));
        button(*page, 1000)->click();
        ASSERT_EQ(page->state(), PageState::Recording);
    }
    std::string opened() const {
        return "Data recording file <" + bench.path(QStringLiteral("tonight.gnf")).toStdString() +
               "> is opened.";
    }

    PageBench bench{true};
    std::unique_ptr<CRecordCtlDlg> page;
};

TEST_F(RecordingPage, ClosingAsksThenStopsClosesAndLogsInOrder) {
    EXPECT_TRUE(page->close());

    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0].text,
              QStringLiteral("It is under data recording, do you want to quit?"));
    EXPECT_EQ(bench.messages.shown[0].caption, QStringLiteral("Confirmation"));
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(page->linkWorkerRunning());
    EXPECT_EQ(bench.logLines(),
              stampedLines({"Enter into data monitoring page.", "Press <start> to start recording.",
                            opened().c_str(), "Recording is started.",
                            "Recording is ongoing......................................",
                            "Press <close> to leave data monitor page and quit program.",
                            "Recording is stopped(Due to program quit).",
                            "Data recording file is closed(Due to program quit).",
                            "Program is terminated.", ""}));
}

TEST_F(RecordingPage, ClosingRefusedKeepsRecording) {
    bench.messages.answerOk = false;

    EXPECT_FALSE(page->close());

    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->state(), PageState::Recording);
    EXPECT_TRUE(bench.link.recordingActive.load());
    EXPECT_TRUE(page->linkWorkerRunning());
}

TEST_F(RecordingPage, CountdownStopEndsTheRecordingAndGivesTheLogoBack) {
    auto* countdown = page->findChild<QDialog*>(QStringLiteral("dlg321"));
    ASSERT_NE(countdown, nullptr);
    EXPECT_TRUE(countdown->isVisible());
    EXPECT_EQ(page->findChild<SvgFrame*>(QStringLiteral("ctl1067"))->picture(), -1);

    countdown->findChild<QPushButton*>(QStringLiteral("ctl1"))->click();

    EXPECT_EQ(page->state(), PageState::Idle);
    EXPECT_EQ(button(*page, 1000)->text(), QStringLiteral("START"));
    EXPECT_TRUE(page->timerRunning(PageTimer::Idle));
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_EQ(page->findChild<SvgFrame*>(QStringLiteral("ctl1067"))->picture(), 0);
    const auto lines = bench.logLines();
    const std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail, stampedLines({"Press <STOP> to stop recording.", "Recording is stopped.",
                                  "Data recording file is closed."}));
}

TEST_F(RecordingPage, DataAnalysisWaitsForTheCountdownThenAsksBeforeEndingTheRecording) {
    button(*page, 1)->click();
    EXPECT_TRUE(page->isVisible()) << "nothing happens while the countdown window is open";
    EXPECT_TRUE(bench.messages.shown.empty());

    page->findChild<QDialog*>(QStringLiteral("dlg321"))->reject();
    button(*page, 1)->click();

    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0].text,
              QStringLiteral("Do you want to quit current recording?"));
    EXPECT_EQ(page->result(), QDialog::Accepted);
    EXPECT_FALSE(page->linkWorkerRunning());
    const auto lines = bench.logLines();
    const std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail,
              stampedLines({"Data recording file is closed.",
                            "Press button <Data Analysis> and leave data monitoring page.", ""}));
}

TEST(PageVisits, SecondVisitStartsItsWorkerOnlyAfterTheFirstHasEnded) {
    PageBench bench(true);
    auto first = bench.openPage();
    first->show();
    ASSERT_TRUE(processUntil([&] { return bench.link.linkConnected.load() == 1; }));
    auto* endTime = first->findChild<QDateTimeEdit*>(QStringLiteral("ctl1021"));
    endTime->setDateTime(endTime->dateTime().addSecs(-30 * 60));
    button(*first, 1)->click();
    ASSERT_EQ(first->result(), QDialog::Accepted);

    // The first page still exists while the second opens, as when the
    // analysis screen's Back comes quickly.
    auto second = bench.openPage(first->schedule());
    second->show();
    ASSERT_TRUE(processUntil([&] { return bench.link.linkConnected.load() == 1; }));

    const auto events = bench.pillow.events();
    const auto firstClose = std::find(events.begin(), events.end(), "close");
    const auto secondWorker = std::find(events.begin(), events.end(), "worker 2");
    ASSERT_NE(firstClose, events.end());
    ASSERT_NE(secondWorker, events.end());
    EXPECT_LT(firstClose - events.begin(), secondWorker - events.begin());
    EXPECT_EQ(events.front(), "worker 1");
    EXPECT_EQ(bench.pillow.mostPortsOpenAtOnce(), 1);
    EXPECT_EQ(second->findChild<QDateTimeEdit*>(QStringLiteral("ctl1021"))->dateTime(),
              endTime->dateTime());

    second->close();
    const auto lines = bench.logLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), stamped("Enter into data monitoring page.")),
              2);
    EXPECT_EQ(bench.pillow.portsOpen(), 0);
}

} // namespace
} // namespace dormivo::test
