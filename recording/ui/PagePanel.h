#pragma once

#include "LiveMonitorRules.h"

#include <array>

class QDateTimeEdit;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace dormivo {

class CTamoButton;
class MonitorCell;
class RemarksEdit;
class StringTable;
class SvgFrame;
class UsbLampBox;

// The controls of the monitoring page that its logic touches after set-up.
struct PageControls {
    CTamoButton* startButton = nullptr;  // 1000
    QPushButton* dataAnalysis = nullptr; // 1
    QLineEdit* fileBox = nullptr;        // 1028
    QToolButton* browse = nullptr;       // the file box's "..." button
    RemarksEdit* remarks = nullptr;      // 1022
    QDateTimeEdit* startTime = nullptr;  // 1018
    QDateTimeEdit* endTime = nullptr;    // 1021
    QDateTimeEdit* startDate = nullptr;  // 1023
    QDateTimeEdit* endDate = nullptr;    // 1024
    SvgFrame* actionFrame = nullptr;     // 1007
    std::array<MonitorCell*, kLevelRows> levelRows{};
    std::array<MonitorCell*, kSensorCells> sensorCells{};
    UsbLampBox* lampBox = nullptr; // 1041
    QLabel* lampLabel = nullptr;   // 1043
    SvgFrame* logo = nullptr;      // 1067
};

inline constexpr int kRemarksLimit = 512;

// Creates every control of the page with its id as object name and its text
// from the string table, and lays them out as one panel: the live monitors
// on a dark display on top, the recording controls below it, the lamp, logo
// and the two buttons at the side.
PageControls buildPagePanel(QDialog& page, const StringTable& strings);

} // namespace dormivo
