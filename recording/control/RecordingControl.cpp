#include "RecordingControl.h"

#include "Clock.h"
#include "OperationLog.h"
#include "ScheduleRules.h"
#include "StringTable.h"

namespace dormivo {

namespace {

constexpr int kEndBeforeStartMessage = 524;
constexpr int kExpiredMessage = 525;

// The buffer each page text is cut to.
int bufferChars(int id) {
    switch (id) {
    case 501:
        return 10;
    case 522:
    case 547:
        return 16;
    case 548:
        return 32;
    case 518:
    case 523:
        return 128;
    default:
        return 256;
    }
}

} // namespace

RecordingControl::RecordingControl(PageView& view, const RecordingControlDeps& deps,
                                   QString recordingFileName)
    : view_(view), deps_(deps), recordingFileName_(std::move(recordingFileName)) {}

QString RecordingControl::text(int id) const {
    return deps_.strings.load(id, bufferChars(id));
}

void RecordingControl::inform(int messageId) {
    view_.showMessage(text(messageId), text(kCaption), MessageIcon::Information);
}

void RecordingControl::log(const char* message) {
    deps_.log.writeLogLine(message);
}

void RecordingControl::startStopClicked() {
    switch (state_) {
    case PageState::Idle:
        startProcedure();
        break;
    case PageState::ScheduleWaiting:
    case PageState::Recording:
        showCountdown();
        break;
    case PageState::Triggered:
        break;
    }
}

void RecordingControl::startProcedure() {
    if (deps_.linkConnected.load() != 1) {
        inform(kNoLinkMessage);
        return;
    }
    const QString path = view_.fileBoxText();
    if (path.isEmpty()) {
        inform(kNoFileMessage);
        return;
    }
    deps_.currentRecordingPath = path;
    switch (decideAtStart(view_.pickerValues(), deps_.clock.now())) {
    case StartDecision::EndBeforeStart:
        inform(kEndBeforeStartMessage);
        break;
    case StartDecision::Expired:
        inform(kExpiredMessage);
        break;
    case StartDecision::RecordNow:
        startRecording(StartedBy::Hand);
        break;
    case StartDecision::Wait:
        startSchedule();
        break;
    }
}

void RecordingControl::startRecording(StartedBy how) {
    if (how == StartedBy::Schedule) {
        // A refused scheduled start would leave the page in Triggered with no
        // timer running and no way on; it ends the schedule instead.
        if (deps_.linkConnected.load() != 1) {
            returnToIdleAfterRefusedStart(kNoLinkMessage);
            return;
        }
        if (view_.fileBoxText().isEmpty()) {
            returnToIdleAfterRefusedStart(kNoFileMessage);
            return;
        }
        view_.setButtonText(text(kStopText));
        state_ = PageState::Recording;
        view_.setLampLabel(QStringLiteral("RECORDING"));
        view_.restyleButton();
        view_.stopTimer(PageTimer::Idle);
        view_.setRemarksEnabled(false);
        beginRecordingInto(view_.fileBoxText(), how);
        return;
    }
    view_.stopTimer(PageTimer::Idle);
    view_.setRemarksEnabled(false);
    const QString path = view_.fileBoxText();
    log("Press <start> to start recording.");
    beginRecordingInto(path, how);
}

void RecordingControl::beginRecordingInto(const QString& path, StartedBy how) {
    const RecordingFileOpen opened = deps_.recordFile.open(path, how);
    recordingFileName_ = opened.pathInUse;
    if (opened.pathInUse != path)
        view_.setFileBoxText(opened.pathInUse);
    deps_.currentRecordingPath = recordingFileName_;
    if (opened.open) {
        if (!opened.existed)
            deps_.recordFile.writeRemarksLine(view_.remarksText());
        deps_.recordFile.writeHeaderLine();
        deps_.recordingActive.store(true);
    }
    if (how == StartedBy::Hand) {
        view_.setButtonText(text(kStopText));
        state_ = PageState::Recording;
        view_.restyleButton();
    }
    setControlsForRunning();
    previousCheck_ = deps_.clock.now();
    view_.startTimer(PageTimer::Recording);
    log("Recording is started.");
    log("Recording is ongoing......................................");
    showCountdown();
}

void RecordingControl::returnToIdleAfterRefusedStart(int messageId) {
    stopSchedule();
    inform(messageId);
}

void RecordingControl::stopRecording() {
    deps_.recordingActive.store(false);
    returnToIdle(PageTimer::Recording);
    view_.startTimer(PageTimer::Idle);
    log("Recording is stopped.");
    deps_.recordFile.close(RecordingFile::CloseReason::Stop);
}

void RecordingControl::startSchedule() {
    view_.stopTimer(PageTimer::Idle);
    view_.setRemarksEnabled(false);
    view_.setButtonText(text(kStopText));
    state_ = PageState::ScheduleWaiting;
    view_.restyleButton();
    setControlsForRunning();
    log("Press <start> to start schedule.");
    previousCheck_ = deps_.clock.now();
    view_.startTimer(PageTimer::ScheduleWaiting);
    log("Schedule is started.");
    showCountdown();
}

void RecordingControl::stopSchedule() {
    returnToIdle(PageTimer::ScheduleWaiting);
    log("Schedule is stopped.");
    if (deps_.linkConnected.load() == 1) {
        view_.setUsbLamp(2);
    } else {
        view_.setUsbLamp(1);
        view_.setLampLabel(kUsbLabel);
    }
    view_.startTimer(PageTimer::Idle);
}

void RecordingControl::setControlsForRunning() {
    view_.setFileBoxEnabled(false);
    view_.setPickersEnabled(false);
}

void RecordingControl::returnToIdle(PageTimer runningTimer) {
    view_.stopTimer(runningTimer);
    view_.setButtonText(text(kStartText));
    view_.setLampLabel(kUsbLabel);
    state_ = PageState::Idle;
    view_.restyleButton();
    view_.setFileBoxEnabled(true);
    view_.setPickersEnabled(true);
}

void RecordingControl::showCountdown() {
    if (state_ != PageState::Recording && state_ != PageState::ScheduleWaiting)
        return;
    const bool recording = state_ == PageState::Recording;
    if (countdownShown_) {
        if (!countdownStopRequested_)
            return;
        countdownShown_ = false;
        countdownStopRequested_ = false;
        // The window closes itself after its STOP; this lets the page discard it.
        view_.cancelCountdown();
        view_.repaintPage();
        if (recording)
            stopRecording();
        else
            stopSchedule();
        return;
    }
    const ScheduleValues pickers = view_.pickerValues();
    countdownMode_ = recording ? CountdownMode::Recording : CountdownMode::Schedule;
    const std::int64_t target = recording
                                    ? combineDateAndTime(pickers.endDate, pickers.endTime)
                                    : combineDateAndTime(pickers.startDate, pickers.startTime);
    view_.openCountdown(countdownMode_, target);
    countdownShown_ = true;
    view_.repaintPage();
}

void RecordingControl::closeCountdown() {
    if (!countdownShown_)
        return;
    view_.cancelCountdown();
    countdownShown_ = false;
    view_.repaintPage();
}

void RecordingControl::countdownStopPressed() {
    countdownStopRequested_ = true;
    log(countdownMode_ == CountdownMode::Recording ? "Press <STOP> to stop recording."
                                                   : "Press <STOP> to stop schedule.");
    showCountdown();
}

void RecordingControl::countdownCancelled() {
    countdownShown_ = false;
    view_.repaintPage();
}

} // namespace dormivo
