#pragma once

#include "DeviceLinkWorker.h"
#include "ScheduleValues.h"

#include <QBrush>
#include <QFont>
#include <QString>

#include <functional>

namespace dormivo {

class Clock;
class OperationLog;
class PageMessages;
class RecordingFile;
class Sleeper;
class StringTable;
struct LinkShared;

// The four solid brushes the application lends to the monitoring page.
struct AppBrushes {
    QBrush green{QColor(0, 255, 0)};
    QBrush red{QColor(255, 0, 0)};
    QBrush blue{QColor(0, 0, 255)};
    QBrush amber{QColor(238, 199, 16)};
};

// What the monitoring page borrows from the application for one visit.
struct MonitoringContext {
    const Clock& clock;
    const StringTable& strings;
    const AppBrushes& brushes;
    OperationLog& log;
    QString logPath; // opened again on every entry
    RecordingFile& recordFile;
    QString& currentRecordingPath; // the page sets it when a recording starts
    QFont& pageLogFont;            // the page's font, handed on to the chart
    // The values the page shares with its link worker; they outlive the visit.
    LinkShared& link;
    LinkWorkerFactory makeLinkWorker = makeDeviceLinkWorker;
    // The action-picture thread's 100 ms waits; none: real time.
    Sleeper* animationSleeper = nullptr;
    // The page's own short waits (the pause before it ends); none: real time.
    std::function<void(int milliseconds)> pause = {};
    // Message boxes; none: real ones.
    PageMessages* messages = nullptr;
};

} // namespace dormivo
