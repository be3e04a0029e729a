#include "RecordingControl.h"

#include "OperationLog.h"

namespace dormivo {

namespace {

const QString kConfirmation = QStringLiteral("Confirmation");

PageTimer timerOf(PageState state) {
    switch (state) {
    case PageState::Recording:
        return PageTimer::Recording;
    case PageState::ScheduleWaiting:
        return PageTimer::ScheduleWaiting;
    default:
        return PageTimer::Idle;
    }
}

} // namespace

bool RecordingControl::dataAnalysis() {
    recordingFileName_ = view_.fileBoxText();
    if (countdownShown_)
        return false;
    bool closeWithLogLine = false;
    if (state_ == PageState::Recording && deps_.linkConnected.load() == 1) {
        if (!view_.confirm(QStringLiteral("Do you want to quit current recording?"), kConfirmation))
            return false;
        // The question's own event loop lets the timers run: the link may have
        // ended the recording meanwhile, and its file is closed already.
        closeWithLogLine = state_ == PageState::Recording;
    }
    deps_.recordingActive.store(false);
    view_.requestThreadsStop();
    if (state_ != PageState::Triggered)
        view_.stopTimer(timerOf(state_));
    if (closeWithLogLine)
        deps_.recordFile.close(RecordingFile::CloseReason::Stop);
    else
        deps_.recordFile.closeSilently();
    log("Press button <Data Analysis> and leave data monitoring page.");
    deps_.log.writeEmptyLine();
    view_.pause(300);
    return true;
}

bool RecordingControl::closeRequested() {
    bool quitRecording = false;
    if (state_ == PageState::Recording && deps_.linkConnected.load() == 1) {
        if (!view_.confirm(QStringLiteral("It is under data recording, do you want to quit?"),
                           kConfirmation))
            return false;
        quitRecording = state_ == PageState::Recording;
    }
    log("Press <close> to leave data monitor page and quit program.");
    if (quitRecording) {
        deps_.recordingActive.store(false);
        view_.stopTimer(PageTimer::Recording);
        log("Recording is stopped(Due to program quit).");
        deps_.recordFile.close(RecordingFile::CloseReason::ProgramQuit);
    } else {
        // Nothing is appended any more once the program has said it ends.
        deps_.recordingActive.store(false);
        if (state_ != PageState::Triggered)
            view_.stopTimer(timerOf(state_));
        deps_.recordFile.closeSilently();
    }
    closeCountdown();
    log("Program is terminated.");
    deps_.log.writeEmptyLine();
    return true;
}

} // namespace dormivo
