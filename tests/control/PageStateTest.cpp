#include "ScheduleFixture.h"

#include <QDir>

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

using Lines = std::vector<std::string>;

class PageStateTest : public ScheduleFixture {
protected:
    void startRecordingNow() {
        pressStart(pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0}), {2013, 5, 7},
                   {21, 30, 0});
        ASSERT_EQ(bench.control.state(), PageState::Recording);
    }
    void startWaiting() {
        pressStart(pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0}), {2013, 5, 7},
                   {18, 0, 0});
        ASSERT_EQ(bench.control.state(), PageState::ScheduleWaiting);
    }
};

TEST_F(PageStateTest, StartIsRefusedWithoutLinkOrFile) {
    struct Case {
        const char* name;
        int link;
        const char* fileBox;
        const char* message;
    };
    const Case cases[] = {
        {"link down", 0, "night.gnf",
         "USB connection is not established ,recording can not be launched"},
        {"link unknown value", 2, "night.gnf",
         "USB connection is not established ,recording can not be launched"},
        {"empty file box", 1, "", "No recording file is associated, please input file firstly!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.link.linkConnected = c.link;
        b.page.fileBox = QString::fromLatin1(c.fileBox);
        b.page.startTimer(PageTimer::Idle);
        b.page.pickers = pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0});
        b.setNow(2013, 5, 7, 21, 30, 0);
        b.control.startStopClicked();

        ASSERT_EQ(b.page.messages.size(), 1u);
        EXPECT_EQ(b.page.messages[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(b.page.messages[0].caption, QStringLiteral("Information"));
        EXPECT_EQ(b.control.state(), PageState::Idle);
        EXPECT_TRUE(b.page.running(PageTimer::Idle));
        EXPECT_TRUE(b.page.fileBoxEnabled);
        EXPECT_TRUE(b.page.remarksEnabled);
        EXPECT_TRUE(b.logLines().empty());
    }
}

TEST_F(PageStateTest, ButtonOnlyReopensAClosedCountdown) {
    startRecordingNow();
    EXPECT_EQ(bench.page.countdownsOpened, 1);
    bench.control.startStopClicked();
    EXPECT_EQ(bench.page.countdownsOpened, 1);

    bench.page.escapeCountdown();
    EXPECT_FALSE(bench.control.countdownShown());
    EXPECT_EQ(bench.control.state(), PageState::Recording);
    bench.control.startStopClicked();
    EXPECT_EQ(bench.page.countdownsOpened, 2);
    EXPECT_TRUE(bench.control.countdownShown());
    EXPECT_EQ(bench.page.countdown->mode, CountdownMode::Recording);
    EXPECT_EQ(bench.control.state(), PageState::Recording);
}

TEST_F(PageStateTest, LampIsSteadyWithTheCountdownOpenAndBlinksWithItClosed) {
    struct Case {
        const char* name;
        bool waiting;
        std::vector<int> blink;
    };
    const Case cases[] = {{"recording", false, {2, 0, 2, 0}}, {"waiting", true, {3, 0, 3, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.page.fileBox = b.path(QStringLiteral("night.gnf"));
        b.page.pickers = c.waiting
                             ? pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0})
                             : pickerValues({2013, 5, 7}, {21, 0, 0}, {2013, 5, 8}, {6, 30, 0});
        b.setNow(2013, 5, 7, 21, 30, 0);
        b.control.startStopClicked();
        const std::int64_t period = c.waiting ? 1000 : 500;

        b.page.lampLabel = QStringLiteral("SCHEDULED");
        b.page.lampHistory.clear();
        b.runFor(2 * period);
        EXPECT_EQ(b.page.lampHistory, (std::vector<int>{2, 2}));
        EXPECT_EQ(b.page.lampLabel, QStringLiteral("   USB"));

        b.page.escapeCountdown();
        b.page.lampHistory.clear();
        b.runFor(4 * period);
        EXPECT_EQ(b.page.lampHistory, c.blink);
    }
}

TEST_F(PageStateTest, UnopenableFileFallsBackToTheDefaultFileAndShowsIt) {
    // A folder that is a plain file: nothing can be created below it.
    const QString blocked = bench.path(QStringLiteral("blocked"));
    QFile f(blocked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    bench.page.fileBox = blocked + QStringLiteral("/night.gnf");
    startRecordingNow();

    EXPECT_EQ(
        bench.logLines(),
        (Lines{
            "[2013/ 5/ 7-21:30: 0]:[Press <start> to start recording.]",
            "[2013/ 5/ 7-21:30: 2]:[Data recording file can not be opened - Error, in order "
            "to avoid data missing, open default file <test.gnf> for recording]",
            "[2013/ 5/ 7-21:30: 2]:[Recording is started.]",
            "[2013/ 5/ 7-21:30: 2]:[Recording is ongoing......................................]",
        }));
    EXPECT_EQ(bench.page.fileBox, bench.defaultPath());
    EXPECT_EQ(bench.control.recordingFileName(), bench.defaultPath());
    EXPECT_EQ(bench.currentRecordingPath, bench.defaultPath());
    EXPECT_TRUE(bench.link.recordingActive.load());
}

TEST_F(PageStateTest, DataAnalysisLeavesWithItsLogLinesUnlessTheCountdownIsOpen) {
    startRecordingNow();
    bench.page.fileBox = bench.path(QStringLiteral("other.gnf"));
    EXPECT_FALSE(bench.control.dataAnalysis());
    EXPECT_EQ(bench.control.recordingFileName(), bench.path(QStringLiteral("other.gnf")));
    EXPECT_EQ(bench.logLines().size(), 4u);
    EXPECT_TRUE(bench.page.questions.empty());

    bench.page.escapeCountdown();
    bench.page.answerOk = false;
    EXPECT_FALSE(bench.control.dataAnalysis());
    EXPECT_EQ(bench.control.state(), PageState::Recording);
    EXPECT_TRUE(bench.link.recordingActive.load());

    bench.page.answerOk = true;
    bench.runFor(1000);
    EXPECT_TRUE(bench.control.dataAnalysis());
    EXPECT_EQ(bench.page.questions,
              (std::vector<QString>(2, QStringLiteral("Do you want to quit current recording?"))));
    const Lines lines = bench.logLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-21:30: 2]:[Data recording file is closed.]",
                  "[2013/ 5/ 7-21:30: 2]:[Press button <Data Analysis> and leave data monitoring "
                  "page.]",
                  "",
              }));
    EXPECT_TRUE(bench.page.threadsStopRequested);
    EXPECT_EQ(bench.page.pauses, std::vector<int>{300});
    EXPECT_TRUE(bench.page.timerDue.empty());
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(bench.file.isOpen());
}

TEST_F(PageStateTest, DataAnalysisWhileIdleOrWaitingClosesNothingWithALogLine) {
    struct Case {
        const char* name;
        bool waiting;
    };
    for (const Case& c : {Case{"idle", false}, Case{"waiting, countdown closed", true}}) {
        SCOPED_TRACE(c.name);
        ControlBench b;
        b.page.fileBox = b.path(QStringLiteral("night.gnf"));
        b.page.startTimer(PageTimer::Idle);
        b.setNow(2013, 5, 7, 18, 0, 0);
        if (c.waiting) {
            b.page.pickers = pickerValues({2013, 5, 7}, {22, 0, 0}, {2013, 5, 9}, {6, 30, 0});
            b.control.startStopClicked();
            b.page.escapeCountdown();
        }
        EXPECT_TRUE(b.control.dataAnalysis());
        const Lines lines = b.logLines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(Lines(lines.end() - 2, lines.end()),
                  (Lines{"[2013/ 5/ 7-18: 0: 0]:[Press button <Data Analysis> and leave data "
                         "monitoring page.]",
                         ""}));
        EXPECT_TRUE(b.page.questions.empty());
        EXPECT_TRUE(b.page.timerDue.empty());
    }
}

TEST_F(PageStateTest, ClosingAsksOnlyWhileRecordingAndStaysOpenOnCancel) {
    startRecordingNow();
    bench.page.answerOk = false;
    EXPECT_FALSE(bench.control.closeRequested());
    EXPECT_EQ(bench.logLines().size(), 4u);
    EXPECT_TRUE(bench.link.recordingActive.load());

    ControlBench idle;
    idle.setNow(2013, 5, 7, 8, 0, 0);
    idle.page.startTimer(PageTimer::Idle);
    EXPECT_TRUE(idle.control.closeRequested());
    EXPECT_TRUE(idle.page.questions.empty());
    EXPECT_EQ(idle.logLines(),
              (Lines{
                  "[2013/ 5/ 7- 8: 0: 0]:[Press <close> to leave data monitor page and quit "
                  "program.]",
                  "[2013/ 5/ 7- 8: 0: 0]:[Program is terminated.]",
                  "",
              }));
}

TEST_F(PageStateTest, ClosingWhileTheLinkIsDownStillStopsAppending) {
    startRecordingNow();
    bench.link.linkConnected = 0;
    EXPECT_TRUE(bench.control.closeRequested());
    EXPECT_TRUE(bench.page.questions.empty());
    EXPECT_FALSE(bench.link.recordingActive.load());
    EXPECT_FALSE(bench.file.isOpen());
    EXPECT_TRUE(bench.page.timerDue.empty());
    const Lines lines = bench.logLines();
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{
                  "[2013/ 5/ 7-21:30: 1]:[Press <close> to leave data monitor page and quit "
                  "program.]",
                  "[2013/ 5/ 7-21:30: 1]:[Program is terminated.]",
                  "",
              }));
}

} // namespace
} // namespace dormivo::test
