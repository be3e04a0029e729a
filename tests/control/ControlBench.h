#pragma once

#include "Clock.h"
#include "LinkShared.h"
#include "OperationLog.h"
#include "PageView.h"
#include "RecordingControl.h"
#include "RecordingFile.h"
#include "StringTable.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dormivo::test {

// Seconds since 1970 of a local wall-clock time. The tests run in Central
// European time (TZ pinned before main), so a time written in UTC shows.
std::int64_t localSeconds(int year, int month, int day, int hour, int minute, int second);

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
};

struct OpenCountdown {
    CountdownMode mode;
    std::int64_t target;
};

// A page that notes what the control does to it. Its timers fire from
// ControlBench::runUntil, and its countdown window answers cancelCountdown
// the way the real window does.
class FakePage : public PageView {
public:
    explicit FakePage(ManualClock& clock) : clock_(clock) {}

    RecordingControl* control = nullptr;
    // Called at every stopTimer, to change the world between two steps of the control.
    std::function<void(PageTimer)> onStopTimer;

    QString buttonText = QStringLiteral("START");
    int restyles = 0;
    int usbLamp = 1;
    std::vector<int> lampHistory;
    QString lampLabel = QStringLiteral("   USB");
    QString fileBox;
    bool fileBoxEnabled = true;
    QString remarks;
    bool remarksEnabled = true;
    ScheduleValues pickers;
    bool pickersEnabled = true;
    std::map<PageTimer, std::int64_t> timerDue; // running timers and their next tick (ms)
    std::vector<ShownMessage> messages;
    std::vector<QString> questions;
    bool answerOk = true;
    std::optional<OpenCountdown> countdown;
    int countdownsOpened = 0;
    bool threadsStopRequested = false;
    std::vector<int> pauses;

    bool running(PageTimer timer) const { return timerDue.count(timer) != 0; }
    // The window's own Escape: closed, nothing stopped.
    void escapeCountdown();
    // The window's STOP: the control acts, then the window closes itself.
    void pressCountdownStop();

    void setButtonText(const QString& text) override { buttonText = text; }
    void restyleButton() override { ++restyles; }
    void setUsbLamp(int value) override;
    void setLampLabel(const QString& text) override { lampLabel = text; }
    QString fileBoxText() const override { return fileBox; }
    void setFileBoxText(const QString& text) override { fileBox = text; }
    void setFileBoxEnabled(bool enabled) override { fileBoxEnabled = enabled; }
    QString remarksText() const override { return remarks; }
    void setRemarksText(const QString& text) override { remarks = text; }
    void setRemarksEnabled(bool enabled) override { remarksEnabled = enabled; }
    ScheduleValues pickerValues() const override { return pickers; }
    void setPickersEnabled(bool enabled) override { pickersEnabled = enabled; }
    void startTimer(PageTimer timer) override;
    void stopTimer(PageTimer timer) override;
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
    bool confirm(const QString& text, const QString& caption) override;
    void openCountdown(CountdownMode mode, std::int64_t target) override;
    void cancelCountdown() override;
    void repaintPage() override {}
    void requestThreadsStop() override { threadsStopRequested = true; }
    void pause(int milliseconds) override;

private:
    ManualClock& clock_;
};

// The recording control on a fake page, with a real operation log and real
// recording files in a fresh folder, and a clock moved by hand. The file's
// one-second waits move the clock, as the blocked page thread would see it.
struct ControlBench {
    QTemporaryDir dir;
    ManualClock clock;
    StringTable strings;
    OperationLog log{clock};
    RecordingFile file;
    QString currentRecordingPath;
    LinkShared link; // the link counts as up
    FakePage page{clock};
    RecordingControl control;

    ControlBench();

    QString path(const QString& name) const { return dir.filePath(name); }
    QString logPath() const { return dir.filePath(QStringLiteral("ToolOperation.log")); }
    QString defaultPath() const { return dir.filePath(QStringLiteral("UserData/test.gnf")); }

    void setNow(int year, int month, int day, int hour, int minute, int second);
    // Fires the page timers that fall due up to `millis` (each at its own
    // moment, one tick per due time), then sets the clock there.
    void runUntil(std::int64_t millis);
    void runUntil(int year, int month, int day, int hour, int minute, int second);
    void runFor(std::int64_t millis) { runUntil(clock.nowMillis() + millis); }

    // The log as lines without their CR LF, empty lines kept.
    std::vector<std::string> logLines() const;
    QByteArray fileBytes(const QString& path) const;
};

} // namespace dormivo::test
