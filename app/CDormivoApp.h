#pragma once

#include "LinkShared.h"
#include "MonitoringContext.h"
#include "ScheduleValues.h"
#include "WindowSizeClass.h"

#include <QFont>
#include <QString>

#include <memory>

namespace dormivo {

class Clock;
class OperationLog;
class RecordingFile;
class SettingsStore;
class SingleInstance;
class StringTable;

// Everything that lives for the whole run: the single-instance guard, the
// settings, the language library, the current recording file, the schedule
// values, the shared brushes, and the alternation of the two screens.
class CDormivoApp {
public:
    struct Options {
        QString lockPath;         // empty: the user's runtime folder
        QString defaultRecording; // empty: ~/UserData/test.gnf
        QString logPath;          // empty: ~/UserData/ToolOperation.log
    };

    CDormivoApp(const Clock& clock, SettingsStore& settings, Options options);
    CDormivoApp(const Clock& clock, SettingsStore& settings);
    ~CDormivoApp();
    CDormivoApp(const CDormivoApp&) = delete;
    CDormivoApp& operator=(const CDormivoApp&) = delete;

    // Start-up in its fixed order; false ends the program (exit still runs).
    bool InitInstance();
    // Exit processing: stores the current recording path.
    int ExitInstance();

    // Shows the monitoring page modally; true when it was left by "Data Analysis".
    bool RunMonitoringPage(bool atStartup);
    // Picks the size class for the primary screen and returns its size.
    QSize ChooseWindowSize();

    const StringTable& strings() const { return *strings_; }
    const QString& currentRecordingPath() const { return currentRecordingPath_; }
    const ScheduleValues& schedule() const { return schedule_; }
    const AppBrushes& brushes() const { return brushes_; }
    int screenClass() const { return windowSize_.screenClass(); }

    // The settings value to use at start-up: the stored path, with the default
    // written back when the stored text is the default in any letter case.
    static QString readRecordingPath(SettingsStore& settings, const QString& defaultPath);

private:
    void chooseLanguageLibrary();

    const Clock& clock_;
    SettingsStore& settings_;
    Options options_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<StringTable> strings_;
    std::unique_ptr<OperationLog> log_;
    std::unique_ptr<RecordingFile> recordFile_;
    QString currentRecordingPath_;
    bool settingsRead_ = false;
    ScheduleValues schedule_;
    AppBrushes brushes_;
    QFont pageLogFont_;
    // Shared with the link worker of each visit of the monitoring page.
    LinkShared link_;
    WindowSizeClass windowSize_;
};

} // namespace dormivo
