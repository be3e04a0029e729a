#pragma once

#include "CRecordCtlDlg.h"
#include "Clock.h"
#include "LinkShared.h"
#include "MonitoringContext.h"
#include "OperationLog.h"
#include "PageMessages.h"
#include "RecordingFile.h"
#include "SerialPort.h"
#include "Sleeper.h"
#include "StringTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace dormivo::test {

// Message boxes answered without a window; every one asked is noted.
class RecordedMessages final : public PageMessages {
public:
    struct Shown {
        QString text;
        QString caption;
    };
    void show(QWidget*, const QString& text, const QString& caption, MessageIcon) override {
        shown.push_back({text, caption});
    }
    bool confirm(QWidget*, const QString& text, const QString& caption) override {
        shown.push_back({text, caption});
        return answerOk;
    }
    std::vector<Shown> shown;
    bool answerOk = true;
};

// Waits a millisecond for every 100 ms asked, so the background threads run
// their cycles quickly without spinning.
class QuickSleeper final : public Sleeper {
public:
    void sleepMillis(int) override;
};

// A pillow that is either absent (no port opens) or streams one fixed frame.
// Opening and closing of its ports are noted in order, with the number of
// workers made, so a test can tell which worker did what when.
class FakePillow final : public PortOpener {
public:
    explicit FakePillow(bool present) : present_(present) {}
    PortOpenResult open(const std::string& name) override;

    void note(const std::string& event);
    std::vector<std::string> events() const;
    int mostPortsOpenAtOnce() const { return mostOpen_.load(); }
    int portsOpen() const { return open_.load(); }

private:
    friend class FakePillowPort;
    bool present_;
    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::atomic<int> open_{0};
    std::atomic<int> mostOpen_{0};
};

// Everything the application lends the page, in a fresh folder with a clock
// pinned to 2013-05-07 21:00:00 (UTC, the tests' local time).
struct PageBench {
    explicit PageBench(bool pillowPresent = false);
    ~PageBench();

    std::unique_ptr<CRecordCtlDlg> openPage();
    std::unique_ptr<CRecordCtlDlg> openPage(const ScheduleValues& schedule);
    QString path(const QString& name) const { return dir.filePath(name); }
    QString logPath() const { return dir.filePath(QStringLiteral("ToolOperation.log")); }
    // The log's lines without their line ends; an empty line stays empty.
    std::vector<std::string> logLines() const;

    QTemporaryDir dir;
    ManualClock clock;
    StringTable strings;
    AppBrushes brushes;
    OperationLog log{clock};
    RecordingFile recordFile;
    QString currentRecordingPath;
    QFont pageLogFont;
    LinkShared link;
    FakePillow pillow;
    QuickSleeper sleeper;
    RecordedMessages messages;
    std::vector<int> pauses;
    int workersMade = 0;
    MonitoringContext context;
};

// The local-time stamp the pinned clock gives every log line.
inline constexpr const char* kStamp = "[2013/ 5/ 7-21: 0: 0]:";

// Lets queued calls and repaints run until `done` holds; false if it never
// does within a generous bound (a hung thread, not a slow machine).
template <typename Condition> bool processUntil(Condition done) {
    QElapsedTimer bound;
    bound.start();
    while (!done()) {
        if (bound.elapsed() > 10000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
    return true;
}

} // namespace dormivo::test
