#include "CRecordCtlDlg.h"

#include "Artwork.h"
#include "CConfirmDlg.h"
#include "CTamoButton.h"
#include "DialogUnits.h"
#include "LinkShared.h"
#include "LinkWorker.h"
#include "MonitorCell.h"
#include "OperationLog.h"
#include "PageMessages.h"
#include "QueuedLinkView.h"
#include "RemarksEdit.h"
#include "Sleeper.h"
#include "StringTable.h"
#include "SvgFrame.h"
#include "UsbLampBox.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace dormivo {

namespace {

// The file box's filter; "All files" matches every name, with or without a dot.
const QString kFileFilter = QStringLiteral("Snoring data files (*.gnf);;All files (*)");

RecordingControlDeps controlDeps(MonitoringContext& context) {
    return {context.clock,
            context.strings,
            context.log,
            context.recordFile,
            context.currentRecordingPath,
            context.link.linkConnected,
            context.link.recordingActive};
}

MessageBoxes& realMessageBoxes() {
    static MessageBoxes boxes;
    return boxes;
}

// Room kept for the window's title bar when the page is fitted to the screen.
constexpr int kTitleBarAllowance = 32;

// A 1024 x 600 screen with a panel has less room than the template asks for;
// the page then gives up height rather than hide its buttons below the edge.
QSize fittedToScreen(QSize wanted, const QWidget& page) {
    const QScreen* screen = page.screen();
    if (screen == nullptr) {
        return wanted;
    }
    const QSize room = screen->availableGeometry().size() - QSize(0, kTitleBarAllowance);
    return wanted.boundedTo(room).expandedTo(page.minimumSizeHint());
}

ThreadSleeper& realSleeper() {
    static ThreadSleeper sleeper;
    return sleeper;
}

} // namespace

CRecordCtlDlg::CRecordCtlDlg(MonitoringContext& context, const QString& recordingFileName,
                             const ScheduleValues& schedule, QWidget* parent)
    : QDialog(parent), context_(context), recordingFileName_(recordingFileName),
      schedule_(schedule), sampleWriter_(context.recordFile),
      control_(*this, controlDeps(context), recordingFileName) {
    initArtwork();
    setObjectName(QStringLiteral("dlg312"));
    setFont(pageFont());
    setWindowIcon(QIcon(windowIconPath()));

    setWindowTitle(context_.strings.load(500, 96));
    controls_ = buildPagePanel(*this, context_.strings);
    resize(fittedToScreen(dialogUnitsToPixels(fontMetrics(), QSize(479, 353)), *this));

    controls_.fileBox->setText(recordingFileName_);
    connect(controls_.browse, &QToolButton::clicked, this, &CRecordCtlDlg::browseForFile);
    connect(controls_.startButton, &QPushButton::clicked, this,
            [this] { control_.startStopClicked(); });
    connect(controls_.dataAnalysis, &QPushButton::clicked, this, &CRecordCtlDlg::onDataAnalysis);

    actionPicture_.store(0);
    controls_.actionFrame->setPicture(0);
    controls_.logo->setPicture(0);

    context_.link.portHandle.reset();
    context_.link.liveSample.clear();
    refreshMonitorCells();

    setPickers(schedule_);

    queuedView_ = std::make_unique<QueuedLinkView>(*this, *this);

    context_.log.open(context_.logPath);
    context_.log.writeLogLine("Enter into data monitoring page.");

    recordingTimer_ = new QTimer(this);
    recordingTimer_->setInterval(500);
    scheduleTimer_ = new QTimer(this);
    scheduleTimer_->setInterval(1000);
    idleTimer_ = new QTimer(this);
    idleTimer_->setInterval(2000);
    connect(recordingTimer_, &QTimer::timeout, this, [this] { timerTick(PageTimer::Recording); });
    connect(scheduleTimer_, &QTimer::timeout, this,
            [this] { timerTick(PageTimer::ScheduleWaiting); });
    connect(idleTimer_, &QTimer::timeout, this, [this] { timerTick(PageTimer::Idle); });

    startThreads();

    context_.pageLogFont = font();

    setUsbLamp(1);
    setLampLabel(QStringLiteral("   USB"));

    startTimer(PageTimer::Idle);
}

CRecordCtlDlg::~CRecordCtlDlg() {
    stopThreads();
}

void CRecordCtlDlg::startThreads() {
    linkThread_.start(context_.link,
                      context_.makeLinkWorker(context_.link, *queuedView_, sampleWriter_));
    Sleeper& sleeper = context_.animationSleeper ? *context_.animationSleeper : realSleeper();
    actionThread_.start(context_.link.liveSample, actionPicture_, sleeper, [this](int picture) {
        QMetaObject::invokeMethod(
            this, [this, picture] { controls_.actionFrame->setPicture(picture); },
            Qt::QueuedConnection);
    });
}

void CRecordCtlDlg::stopThreads() {
    linkThread_.stopAndWait();
    actionThread_.stopAndWait();
}

void CRecordCtlDlg::done(int result) {
    // Neither thread may outlive the visit: the next one starts its own.
    stopThreads();
    QDialog::done(result);
}

void CRecordCtlDlg::reject() {
    // Escape and the close box both end the program; either way the
    // recording is asked about, stopped and logged.
    if (control_.closeRequested()) {
        QDialog::reject();
    }
}

void CRecordCtlDlg::onDataAnalysis() {
    if (!control_.dataAnalysis()) {
        return;
    }
    recordingFileName_ = control_.recordingFileName();
    schedule_ = pickerValues();
    accept();
}

void CRecordCtlDlg::browseForFile() {
    const QString current = controls_.fileBox->text();
    QFileDialog dialog(this, QString(), QFileInfo(current).absolutePath(), kFileFilter);
    // A new file name may be typed as well as an existing one chosen.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!current.isEmpty()) {
        dialog.selectFile(current);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        controls_.fileBox->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    }
}

void CRecordCtlDlg::setPickers(const ScheduleValues& values) {
    controls_.startTime->setDateTime(QDateTime::fromSecsSinceEpoch(values.startTime));
    controls_.endTime->setDateTime(QDateTime::fromSecsSinceEpoch(values.endTime));
    controls_.startDate->setDateTime(QDateTime::fromSecsSinceEpoch(values.startDate));
    controls_.endDate->setDateTime(QDateTime::fromSecsSinceEpoch(values.endDate));
}

ScheduleValues CRecordCtlDlg::pickerValues() const {
    ScheduleValues values;
    values.startDate = controls_.startDate->dateTime().toSecsSinceEpoch();
    values.endDate = controls_.endDate->dateTime().toSecsSinceEpoch();
    values.startTime = controls_.startTime->dateTime().toSecsSinceEpoch();
    values.endTime = controls_.endTime->dateTime().toSecsSinceEpoch();
    return values;
}

void CRecordCtlDlg::setPickersEnabled(bool enabled) {
    for (QDateTimeEdit* picker :
         {controls_.startTime, controls_.endTime, controls_.startDate, controls_.endDate}) {
        picker->setEnabled(enabled);
    }
}

QTimer* CRecordCtlDlg::timer(PageTimer which) const {
    switch (which) {
    case PageTimer::Recording:
        return recordingTimer_;
    case PageTimer::ScheduleWaiting:
        return scheduleTimer_;
    case PageTimer::Idle:
        break;
    }
    return idleTimer_;
}

void CRecordCtlDlg::startTimer(PageTimer which) {
    timer(which)->start();
}

void CRecordCtlDlg::stopTimer(PageTimer which) {
    timer(which)->stop();
}

bool CRecordCtlDlg::timerRunning(PageTimer which) const {
    return timer(which)->isActive();
}

void CRecordCtlDlg::timerTick(PageTimer which) {
    // A sample line the worker could not write stops the recording before
    // anything else is decided.
    if (context_.link.sampleWriteFailed.exchange(false)) {
        control_.onSampleWriteFailed();
    }
    control_.timerTick(which);
}

void CRecordCtlDlg::setButtonText(const QString& text) {
    controls_.startButton->setText(text);
}

void CRecordCtlDlg::restyleButton() {
    controls_.startButton->restyle();
}

void CRecordCtlDlg::restyleStartButton() {
    controls_.startButton->restyle();
}

void CRecordCtlDlg::setUsbLamp(int value) {
    controls_.lampBox->setLamp(value);
}

int CRecordCtlDlg::usbLamp() const {
    return controls_.lampBox->lamp();
}

void CRecordCtlDlg::setLampLabel(const QString& text) {
    controls_.lampLabel->setText(text);
}

void CRecordCtlDlg::setLampLabelText(std::string_view text) {
    setLampLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QString CRecordCtlDlg::fileBoxText() const {
    return controls_.fileBox->text();
}

void CRecordCtlDlg::setFileBoxText(const QString& text) {
    controls_.fileBox->setText(text);
}

void CRecordCtlDlg::setFileBoxEnabled(bool enabled) {
    controls_.fileBox->setEnabled(enabled);
    controls_.browse->setEnabled(enabled);
}

QString CRecordCtlDlg::remarksText() const {
    return controls_.remarks->toPlainText();
}

void CRecordCtlDlg::setRemarksText(const QString& text) {
    controls_.remarks->setPlainText(text);
}

void CRecordCtlDlg::setRemarksEnabled(bool enabled) {
    controls_.remarks->setEnabled(enabled);
}

void CRecordCtlDlg::showMessage(const QString& text, const QString& caption, MessageIcon icon) {
    PageMessages& messages = context_.messages ? *context_.messages : realMessageBoxes();
    messages.show(this, text, caption, icon);
}

bool CRecordCtlDlg::confirm(const QString& text, const QString& caption) {
    PageMessages& messages = context_.messages ? *context_.messages : realMessageBoxes();
    return messages.confirm(this, text, caption);
}

void CRecordCtlDlg::openCountdown(CountdownMode mode, std::int64_t target) {
    // A window closed by Escape or by reaching its target is still around.
    if (countdownWindow_) {
        countdownWindow_->deleteLater();
    }
    // A child of the page, so the modal page lets it take input.
    countdownWindow_ = new CConfirmDlg(mode, target, context_.clock, context_.strings, this);
    connect(countdownWindow_, &CConfirmDlg::stopPressed, this,
            [this] { control_.countdownStopPressed(); });
    connect(countdownWindow_, &CConfirmDlg::cancelled, this,
            [this] { control_.countdownCancelled(); });
    countdownWindow_->show();
}

void CRecordCtlDlg::cancelCountdown() {
    CConfirmDlg* window = countdownWindow_;
    if (window == nullptr) {
        return;
    }
    countdownWindow_ = nullptr;
    window->cancel();
    // Called from within the window's own STOP signal, so deleted later.
    window->deleteLater();
}

void CRecordCtlDlg::repaintPage() {
    // The logo gives way to the countdown window while that is open.
    controls_.logo->setPicture(control_.countdownShown() ? -1 : 0);
    update();
}

void CRecordCtlDlg::requestThreadsStop() {
    context_.link.linkStopRequested.store(true);
    actionThread_.requestStop();
}

void CRecordCtlDlg::pause(int milliseconds) {
    if (context_.pause) {
        context_.pause(milliseconds);
    } else {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}

void CRecordCtlDlg::refreshMonitorCells() {
    const FrameValues sample = context_.link.liveSample.read();
    const AppBrushes& brushes = context_.brushes;
    for (int row = 0; row < kLevelRows; ++row) {
        const QBrush& brush = levelRowLit(row, sample.snoreLevel) ? brushes.amber : brushes.green;
        controls_.levelRows[row]->setFill(brush.color());
    }
    for (int cell = 0; cell < kSensorCells; ++cell) {
        const QBrush& brush = sensorCellSet(cell, sample.sensorMask) ? brushes.green : brushes.blue;
        controls_.sensorCells[cell]->setFill(brush.color());
    }
}

} // namespace dormivo
