#pragma once

#include "PageView.h"
#include "RecordingFile.h"

#include <QString>

#include <atomic>
#include <cstdint>

namespace dormivo {

class Clock;
class OperationLog;
class StringTable;

// What the recording control borrows from the application and the link for
// one visit of the monitoring page.
struct RecordingControlDeps {
    const Clock& clock;
    const StringTable& strings;
    OperationLog& log;
    RecordingFile& recordFile;
    QString& currentRecordingPath;
    // 1 while the link worker counts the link as up.
    const std::atomic<int>& linkConnected;
    // Sample lines are appended while set: set only after the header line,
    // cleared before the file closes.
    std::atomic<bool>& recordingActive;
};

// The monitoring page's state machine: START/STOP, the schedule, the countdown
// window and the three page timers. It runs on the user-interface thread and
// changes the page only through PageView; the page forwards its events here.
class RecordingControl {
public:
    RecordingControl(PageView& view, const RecordingControlDeps& deps, QString recordingFileName);

    PageState state() const { return state_; }
    const QString& recordingFileName() const { return recordingFileName_; }
    bool countdownShown() const { return countdownShown_; }

    // Button 1000.
    void startStopClicked();
    // A tick of page timer 1, 2 or 3; a tick of a timer that should not run is ignored.
    void timerTick(PageTimer timer);

    // From the countdown window: its STOP, and its cancel (Escape, the target
    // second, or cancelCountdown).
    void countdownStopPressed();
    void countdownCancelled();

    // The link worker could not write a sample line: the recording stops as on
    // link loss and the user is told.
    void onSampleWriteFailed();

    // "Data Analysis": true when the page is to end with OK (the page then
    // reads its pickers back).
    bool dataAnalysis();
    // Closing the window: true when it may close.
    bool closeRequested();

    void startRecording(StartedBy how);
    void stopRecording();
    void startSchedule();
    void stopSchedule();
    void showCountdown();
    void closeCountdown();

private:
    void startProcedure();
    void beginRecordingInto(const QString& path, StartedBy how);
    void returnToIdleAfterRefusedStart(int messageId);
    void setControlsForRunning();
    // Stops the running timer and shows START with the file box and pickers enabled.
    void returnToIdle(PageTimer runningTimer);

    void recordingTick();
    void scheduleTick();
    void idleTick();
    void steadyOrBlinkingLamp(bool& blinkFlag, int onValue);
    void dailyEnd(std::int64_t now);
    void triggerScheduledStart(std::int64_t startMoment);
    void linkLost(PageTimer timer);
    void checkFileBox();

    // Page texts by id.
    static constexpr int kStartText = 501;
    static constexpr int kStopText = 522;
    static constexpr int kNoLinkMessage = 518;
    static constexpr int kNoFileMessage = 526;
    static constexpr int kLinkFailedText = 523;
    static constexpr int kQuitText = 548;
    static constexpr int kCaption = 547;
    static inline const QString kUsbLabel = QStringLiteral("   USB");

    QString text(int id) const;
    void inform(int messageId);
    void log(const char* message);

    PageView& view_;
    RecordingControlDeps deps_;
    PageState state_ = PageState::Idle;
    QString recordingFileName_;
    QString lastCheckedPath_;

    bool countdownShown_ = false;
    bool countdownStopRequested_ = false;
    CountdownMode countdownMode_ = CountdownMode::Schedule;

    // The lamp blinks while the countdown window is closed; one phase flag per timer.
    bool recordingBlink_ = false;
    bool scheduleBlink_ = false;

    // Last tick of timer 1 or 2 (or the moment it started), so a start or end
    // moment that fell between two ticks is still acted on.
    std::int64_t previousCheck_ = 0;
    // The start moment acted on last, so no day starts twice.
    std::int64_t lastStartMoment_ = 0;
};

} // namespace dormivo
