#include "RecordingControl.h"

#include "Clock.h"
#include "FailureTimeText.h"
#include "OperationLog.h"
#include "ScheduleRules.h"

namespace dormivo {

namespace {

const QString kForeignFileMessage = QStringLiteral(
    "The selected file is not of pillow data recording format, please select correct file or "
    "input new file!");

} // namespace

void RecordingControl::timerTick(PageTimer timer) {
    switch (timer) {
    case PageTimer::Recording:
        if (state_ == PageState::Recording)
            recordingTick();
        break;
    case PageTimer::ScheduleWaiting:
        if (state_ == PageState::ScheduleWaiting)
            scheduleTick();
        break;
    case PageTimer::Idle:
        if (state_ == PageState::Idle)
            idleTick();
        break;
    }
}

void RecordingControl::steadyOrBlinkingLamp(bool& blinkFlag, int onValue) {
    if (countdownShown_) {
        view_.setUsbLamp(2);
        view_.setLampLabel(kUsbLabel);
        return;
    }
    view_.setUsbLamp(blinkFlag ? 0 : onValue);
    blinkFlag = !blinkFlag;
}

void RecordingControl::recordingTick() {
    if (deps_.linkConnected.load() != 1) {
        linkLost(PageTimer::Recording);
        return;
    }
    steadyOrBlinkingLamp(recordingBlink_, 2);
    const std::int64_t now = deps_.clock.now();
    const bool endDue = dailyEndDue(view_.pickerValues(), previousCheck_, now);
    previousCheck_ = now;
    if (endDue)
        dailyEnd(now);
}

void RecordingControl::dailyEnd(std::int64_t now) {
    closeCountdown();
    deps_.recordingActive.store(false);
    view_.stopTimer(PageTimer::Recording);
    state_ = PageState::Triggered;
    view_.restyleButton();
    view_.setButtonText(text(kStopText));
    view_.setLampLabel(QStringLiteral("SCHEDULED"));
    state_ = PageState::ScheduleWaiting;
    view_.restyleButton();
    setControlsForRunning();
    view_.startTimer(PageTimer::ScheduleWaiting);
    log("Recording is stopped(Time triggered).");
    deps_.recordFile.close(RecordingFile::CloseReason::Stop);
    log("Schedule is started(From background).");

    if (scheduleExpired(view_.pickerValues(), now)) {
        returnToIdle(PageTimer::ScheduleWaiting);
        log("Schedule is automatically stopped due to time expiration");
        view_.startTimer(PageTimer::Idle);
        return;
    }
    showCountdown();
}

void RecordingControl::scheduleTick() {
    if (deps_.linkConnected.load() != 1) {
        linkLost(PageTimer::ScheduleWaiting);
        return;
    }
    steadyOrBlinkingLamp(scheduleBlink_, 3);
    const std::int64_t now = deps_.clock.now();
    const std::optional<std::int64_t> start = latestStartMoment(view_.pickerValues(), now);
    // Any start moment reached since the previous tick counts, so a late or
    // skipped tick does not lose the night; each moment counts once.
    const bool due = start && *start > previousCheck_ && *start > lastStartMoment_;
    previousCheck_ = now;
    if (due)
        triggerScheduledStart(*start);
}

void RecordingControl::triggerScheduledStart(std::int64_t startMoment) {
    lastStartMoment_ = startMoment;
    view_.stopTimer(PageTimer::ScheduleWaiting);
    closeCountdown();
    state_ = PageState::Triggered;
    log("Recording is triggered.");
    startRecording(StartedBy::Schedule);
}

void RecordingControl::linkLost(PageTimer timer) {
    const bool recording = timer == PageTimer::Recording;
    view_.stopTimer(timer);
    closeCountdown();
    if (recording) {
        log("USB connection is failed, recording is to be stopped!");
        stopRecording();
    } else {
        log("USB connection is failed, schedule is to be cancelled!");
        stopSchedule();
    }
    view_.showMessage(text(kLinkFailedText) + failureTimeText(deps_.clock.now()) + text(kQuitText),
                      text(kCaption), MessageIcon::Information);
}

void RecordingControl::onSampleWriteFailed() {
    if (state_ != PageState::Recording)
        return;
    view_.stopTimer(PageTimer::Recording);
    closeCountdown();
    log("Data recording file can not be written, recording is to be stopped!");
    stopRecording();
    view_.showMessage(QStringLiteral("Data recording file can not be written at time") +
                          failureTimeText(deps_.clock.now()) + QStringLiteral("recording quit"),
                      QStringLiteral("WARNING"), MessageIcon::Warning);
}

void RecordingControl::idleTick() {
    if (deps_.linkConnected.load() == 1) {
        view_.setUsbLamp(2);
    } else {
        view_.setUsbLamp(1);
        view_.setLampLabel(kUsbLabel);
    }
    checkFileBox();
}

void RecordingControl::checkFileBox() {
    const QString path = view_.fileBoxText();
    if (path.isEmpty() || path.compare(lastCheckedPath_, Qt::CaseInsensitive) == 0) {
        lastCheckedPath_ = path;
        return;
    }
    const RecordingFileCheck check = checkRecordingFile(path);
    switch (check.kind) {
    case RecordingFileKind::Recording:
        // The remark of an existing file cannot be changed any more.
        view_.setRemarksText(check.leadingText);
        view_.setRemarksEnabled(false);
        deps_.currentRecordingPath = path;
        break;
    case RecordingFileKind::Foreign:
        view_.setRemarksText(QStringLiteral("WARNING: ") + kForeignFileMessage);
        // Noted before the message box, whose own event loop lets this timer tick again.
        lastCheckedPath_ = path;
        view_.showMessage(kForeignFileMessage, QStringLiteral("WARNING"), MessageIcon::Warning);
        return;
    case RecordingFileKind::Absent: {
        view_.setRemarksText(QString());
        view_.setRemarksEnabled(true);
        const QString fixed = fixRecordingExtension(path);
        if (fixed != path)
            view_.setFileBoxText(fixed);
        break;
    }
    }
    // The text before any extension change, so a changed text is examined on the next tick.
    lastCheckedPath_ = path;
}

} // namespace dormivo
