#pragma once

#include "ActionPictureThread.h"
#include "LinkView.h"
#include "LinkWorkerThread.h"
#include "MonitoringContext.h"
#include "PagePanel.h"
#include "PageView.h"
#include "RecordingControl.h"
#include "RecordingSampleWriter.h"

#include <QDialog>
#include <QPointer>

#include <atomic>
#include <memory>

class QTimer;

namespace dormivo {

class CConfirmDlg;
class QueuedLinkView;

// The data monitoring page: the first screen, shown modally. "Data Analysis"
// ends it with Accepted; closing its window ends it with Rejected. It runs
// the link worker and the action-picture thread for as long as it is open
// and waits for both to end before it goes.
class CRecordCtlDlg : public QDialog, public PageView, public LinkView {
    Q_OBJECT
public:
    CRecordCtlDlg(MonitoringContext& context, const QString& recordingFileName,
                  const ScheduleValues& schedule, QWidget* parent = nullptr);
    ~CRecordCtlDlg() override;

    // What the application takes back after "Data Analysis".
    QString recordingFileName() const { return recordingFileName_; }
    ScheduleValues schedule() const { return schedule_; }

    PageState state() const { return control_.state(); }
    int usbLamp() const;
    int actionPicture() const { return actionPicture_.load(); }
    bool timerRunning(PageTimer timer) const;
    bool linkWorkerRunning() const { return linkThread_.running(); }

    // One tick of a page timer, as its QTimer delivers it.
    void timerTick(PageTimer timer);

    // PageView
    void setButtonText(const QString& text) override;
    void restyleButton() override;
    void setUsbLamp(int value) override;
    void setLampLabel(const QString& text) override;
    QString fileBoxText() const override;
    void setFileBoxText(const QString& text) override;
    void setFileBoxEnabled(bool enabled) override;
    QString remarksText() const override;
    void setRemarksText(const QString& text) override;
    void setRemarksEnabled(bool enabled) override;
    ScheduleValues pickerValues() const override;
    void setPickersEnabled(bool enabled) override;
    void startTimer(PageTimer timer) override;
    void stopTimer(PageTimer timer) override;
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
    bool confirm(const QString& text, const QString& caption) override;
    void openCountdown(CountdownMode mode, std::int64_t target) override;
    void cancelCountdown() override;
    void repaintPage() override;
    void requestThreadsStop() override;
    void pause(int milliseconds) override;

    // LinkView, carried out on this thread (the worker reaches it through a
    // QueuedLinkView).
    void setLampLabelText(std::string_view text) override;
    void restyleStartButton() override;
    void refreshMonitorCells() override;

public slots:
    void done(int result) override;
    void reject() override;

private:
    void setPickers(const ScheduleValues& values);
    void startThreads();
    void stopThreads();
    void onDataAnalysis();
    void browseForFile();
    QTimer* timer(PageTimer which) const;

    MonitoringContext& context_;
    QString recordingFileName_;
    ScheduleValues schedule_;
    PageControls controls_;
    RecordingSampleWriter sampleWriter_;
    RecordingControl control_;
    std::unique_ptr<QueuedLinkView> queuedView_;
    QTimer* recordingTimer_ = nullptr;
    QTimer* scheduleTimer_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    QPointer<CConfirmDlg> countdownWindow_;
    std::atomic<int> actionPicture_{0};
    LinkWorkerThread linkThread_;
    ActionPictureThread actionThread_;
};

} // namespace dormivo
