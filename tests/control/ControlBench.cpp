#include "ControlBench.h"

#include "LocalTime.h"

#include <QFile>

#include <cstdlib>

namespace dormivo::test {

namespace {

// Central European time with its summer time, so local and UTC differ.
const bool zonePinned = [] { return setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1) == 0; }();

std::int64_t periodOf(PageTimer timer) {
    switch (timer) {
    case PageTimer::Recording:
        return 500;
    case PageTimer::ScheduleWaiting:
        return 1000;
    case PageTimer::Idle:
        return 2000;
    }
    return 0;
}

} // namespace

std::int64_t localSeconds(int year, int month, int day, int hour, int minute, int second) {
    return fromLocal({year, month, day, hour, minute, second}).value();
}

void FakePage::setUsbLamp(int value) {
    usbLamp = value;
    lampHistory.push_back(value);
}

void FakePage::startTimer(PageTimer timer) {
    timerDue[timer] = clock_.nowMillis() + periodOf(timer);
}

void FakePage::stopTimer(PageTimer timer) {
    timerDue.erase(timer);
    if (onStopTimer)
        onStopTimer(timer);
}

void FakePage::showMessage(const QString& text, const QString& caption, MessageIcon icon) {
    messages.push_back({text, caption, icon});
}

bool FakePage::confirm(const QString& text, const QString&) {
    questions.push_back(text);
    return answerOk;
}

void FakePage::openCountdown(CountdownMode mode, std::int64_t target) {
    countdown = OpenCountdown{mode, target};
    ++countdownsOpened;
}

void FakePage::cancelCountdown() {
    if (!countdown)
        return;
    countdown.reset();
    control->countdownCancelled();
}

void FakePage::escapeCountdown() {
    countdown.reset();
    control->countdownCancelled();
}

void FakePage::pressCountdownStop() {
    control->countdownStopPressed();
    countdown.reset();
}

void FakePage::pause(int milliseconds) {
    pauses.push_back(milliseconds);
    clock_.advanceMillis(milliseconds);
}

ControlBench::ControlBench()
    : file(clock, log, defaultPath(), [this](int ms) { clock.advanceMillis(ms); }),
      control(page,
              RecordingControlDeps{clock, strings, log, file, currentRecordingPath,
                                   link.linkConnected, link.recordingActive},
              QString()) {
    page.control = &control;
    link.linkConnected = 1;
    log.open(logPath());
}

void ControlBench::setNow(int year, int month, int day, int hour, int minute, int second) {
    clock.setSeconds(localSeconds(year, month, day, hour, minute, second));
}

void ControlBench::runUntil(std::int64_t millis) {
    for (;;) {
        auto next = page.timerDue.end();
        for (auto it = page.timerDue.begin(); it != page.timerDue.end(); ++it) {
            if (next == page.timerDue.end() || it->second < next->second)
                next = it;
        }
        if (next == page.timerDue.end() || next->second > millis)
            break;
        // A timer held up by a blocking step fires once, late, as a window timer does.
        const std::int64_t at = std::max(next->second, clock.nowMillis());
        const PageTimer timer = next->first;
        clock.setMillis(at);
        next->second = at + periodOf(timer);
        control.timerTick(timer);
    }
    clock.setMillis(std::max(millis, clock.nowMillis()));
}

void ControlBench::runUntil(int year, int month, int day, int hour, int minute, int second) {
    runUntil(localSeconds(year, month, day, hour, minute, second) * 1000);
}

std::vector<std::string> ControlBench::logLines() const {
    std::vector<std::string> lines;
    const QByteArray bytes = fileBytes(logPath());
    qsizetype from = 0;
    for (qsizetype end = bytes.indexOf("\r\n"); end >= 0; end = bytes.indexOf("\r\n", from)) {
        lines.push_back(bytes.mid(from, end - from).toStdString());
        from = end + 2;
    }
    if (from < bytes.size())
        lines.push_back(bytes.mid(from).toStdString());
    return lines;
}

QByteArray ControlBench::fileBytes(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace dormivo::test
