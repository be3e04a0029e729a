#pragma once

#include "ScheduleValues.h"

#include <QString>

#include <cstdint>

namespace dormivo {

enum class PageState { Idle = 0, ScheduleWaiting = 1, Recording = 2, Triggered = 12 };

// The monitoring page's three window timers: 1 (500 ms) while recording,
// 2 (1000 ms) while a schedule waits, 3 (2000 ms) while idle.
enum class PageTimer { Recording = 1, ScheduleWaiting = 2, Idle = 3 };

enum class CountdownMode { Schedule = 0, Recording = 1 };

enum class MessageIcon { Information, Warning };

// What the recording control asks of the monitoring page's widgets. The page
// implements it; tests use a fake that records the calls.
class PageView {
public:
    virtual ~PageView() = default;

    // START/STOP button (control 1000): caption, then owner-drawn restyle and repaint.
    virtual void setButtonText(const QString& text) = 0;
    virtual void restyleButton() = 0;

    // USB lamp (0 none, 1 grey, 2 green, 3 yellow; repainted only on change) and its label 1043.
    virtual void setUsbLamp(int value) = 0;
    virtual void setLampLabel(const QString& text) = 0;

    // File box 1028, REMARKS box 1022, the four pickers 1018, 1021, 1023, 1024.
    virtual QString fileBoxText() const = 0;
    virtual void setFileBoxText(const QString& text) = 0;
    virtual void setFileBoxEnabled(bool enabled) = 0;
    virtual QString remarksText() const = 0;
    virtual void setRemarksText(const QString& text) = 0;
    virtual void setRemarksEnabled(bool enabled) = 0;
    virtual ScheduleValues pickerValues() const = 0;
    virtual void setPickersEnabled(bool enabled) = 0;

    virtual void startTimer(PageTimer timer) = 0;
    virtual void stopTimer(PageTimer timer) = 0;

    // Modal message box with an OK button; and an OK/Cancel question (true on OK).
    virtual void showMessage(const QString& text, const QString& caption, MessageIcon icon) = 0;
    virtual bool confirm(const QString& text, const QString& caption) = 0;

    // The always-on-top countdown window: open one counting to `target`
    // (seconds since 1970); close the open one through its cancel action.
    virtual void openCountdown(CountdownMode mode, std::int64_t target) = 0;
    virtual void cancelCountdown() = 0;
    // openCountdown first discards a window object left over from an Escape or
    // a reached target. cancelCountdown also discards the object (releasing its
    // sleep inhibitor); it is called from within the window's own STOP signal,
    // so the object must be deleted later, not at once.

    virtual void repaintPage() = 0;

    // Leaving the page: ask the link worker and the action-picture thread to end.
    virtual void requestThreadsStop() = 0;
    // A short pause of the page's thread (the 300 ms before the page ends).
    virtual void pause(int milliseconds) = 0;
};

} // namespace dormivo
