#include "CDormivoApp.h"

#include "CRecordCtlDlg.h"
#include "Clock.h"
#include "LanguageChoice.h"
#include "OperationLog.h"
#include "RecordingFile.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "StringTable.h"
#include "UserDataPaths.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

namespace dormivo {

CDormivoApp::CDormivoApp(const Clock& clock, SettingsStore& settings, Options options)
    : clock_(clock), settings_(settings), options_(std::move(options)),
      strings_(std::make_unique<StringTable>()) {
    if (options_.defaultRecording.isEmpty())
        options_.defaultRecording = defaultRecordingPath();
    if (options_.logPath.isEmpty())
        options_.logPath = operationLogPath();
    currentRecordingPath_ = options_.defaultRecording;
    log_ = std::make_unique<OperationLog>(clock_);
    recordFile_ = std::make_unique<RecordingFile>(clock_, *log_, options_.defaultRecording,
                                                  [](int ms) { QThread::msleep(ms); });
}

CDormivoApp::CDormivoApp(const Clock& clock, SettingsStore& settings)
    : CDormivoApp(clock, settings, Options{}) {}

CDormivoApp::~CDormivoApp() = default;

QString CDormivoApp::readRecordingPath(SettingsStore& settings, const QString& defaultPath) {
    const QString path = settings.fileName(defaultPath);
    if (path.compare(defaultPath, Qt::CaseInsensitive) == 0) {
        settings.setFileName(defaultPath);
        settings.sync();
    }
    return path;
}

void CDormivoApp::chooseLanguageLibrary() {
    const QString wanted = languageLibraryName(languageIdOf(QLocale::system()));
    if (!strings_->loadLibrary(wanted))
        strings_->loadLibrary(fallbackLanguageLibraryName());
}

bool CDormivoApp::InitInstance() {
    instance_ = std::make_unique<SingleInstance>(options_.lockPath);
    if (!instance_->acquire()) {
        QMessageBox::information(nullptr, QString(),
                                 QStringLiteral("The application data tool had already run!"));
        return false;
    }
    currentRecordingPath_ = readRecordingPath(settings_, options_.defaultRecording);
    settingsRead_ = true;
    chooseLanguageLibrary();
    schedule_ = ScheduleValues::defaults(clock_);
    if (!RunMonitoringPage(true))
        return false;
    // The analysis screen is not part of this build yet: after "Data Analysis"
    // the program ends as if the main window could not be created.
    return false;
}

int CDormivoApp::ExitInstance() {
    // A start refused as a second instance never read the settings; storing
    // the built-in default then would overwrite the running instance's path.
    if (settingsRead_) {
        settings_.setFileName(currentRecordingPath_);
        settings_.sync();
    }
    return 0;
}

bool CDormivoApp::RunMonitoringPage(bool atStartup) {
    Q_UNUSED(atStartup);
    MonitoringContext context{.clock = clock_,
                              .strings = *strings_,
                              .brushes = brushes_,
                              .log = *log_,
                              .logPath = options_.logPath,
                              .recordFile = *recordFile_,
                              .currentRecordingPath = currentRecordingPath_,
                              .pageLogFont = pageLogFont_,
                              .link = link_};
    CRecordCtlDlg page(context, currentRecordingPath_, schedule_);
    if (page.exec() != QDialog::Accepted)
        return false;
    schedule_ = page.schedule();
    currentRecordingPath_ = page.recordingFileName();
    return true;
}

QSize CDormivoApp::ChooseWindowSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return windowSize_.choose(screen ? screen->geometry().size() : QSize());
}

} // namespace dormivo
