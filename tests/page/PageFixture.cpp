#include "PageFixture.h"

#include "FrameScanner.h"
#include "LinkWorker.h"

#include <QFile>

#include <chrono>
#include <thread>

namespace dormivo::test {

void QuickSleeper::sleepMillis(int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Every read delivers one frame, as a pillow streaming at 10 Hz would.
class FakePillowPort final : public SerialPort {
public:
    explicit FakePillowPort(FakePillow& pillow) : pillow_(pillow) {
        const int now = ++pillow_.open_;
        int most = pillow_.mostOpen_.load();
        while (now > most && !pillow_.mostOpen_.compare_exchange_weak(most, now)) {
        }
        pillow_.note("open");
    }
    ~FakePillowPort() override {
        --pillow_.open_;
        pillow_.note("close");
    }
    ReadResult read(std::span<std::uint8_t> buffer) override {
        FrameValues values;
        values.snoreLevel = 2;
        values.sensorMask = 0x0F0;
        const auto frame = encodeFrame(values);
        if (buffer.size() < frame.size()) {
            return {true, 0};
        }
        std::copy(frame.begin(), frame.end(), buffer.begin());
        return {true, frame.size()};
    }
    void purge() override {}

private:
    FakePillow& pillow_;
};

PortOpenResult FakePillow::open(const std::string&) {
    PortOpenResult result;
    if (present_) {
        result.port = std::make_unique<FakePillowPort>(*this);
    } else {
        result.failure = OpenFailure::Missing;
    }
    return result;
}

void FakePillow::note(const std::string& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
}

std::vector<std::string> FakePillow::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

PageBench::PageBench(bool pillowPresent)
    : clock(1367960400000), // 2013-05-07 21:00:00 UTC
      recordFile(clock, log, dir.filePath(QStringLiteral("UserData/test.gnf")),
                 [this](int ms) { pauses.push_back(ms); }),
      currentRecordingPath(dir.filePath(QStringLiteral("UserData/test.gnf"))),
      pillow(pillowPresent), context{.clock = clock,
                                     .strings = strings,
                                     .brushes = brushes,
                                     .log = log,
                                     .logPath = logPath(),
                                     .recordFile = recordFile,
                                     .currentRecordingPath = currentRecordingPath,
                                     .pageLogFont = pageLogFont,
                                     .link = link,
                                     .makeLinkWorker =
                                         [this](LinkShared& shared, LinkView& view,
                                                SampleWriter& writer) {
                                             ++workersMade;
                                             pillow.note("worker " + std::to_string(workersMade));
                                             return std::make_unique<LinkWorker>(
                                                 shared, view, writer, pillow,
                                                 std::vector<std::string>{"/dev/fake-pillow"},
                                                 sleeper);
                                         },
                                     .animationSleeper = &sleeper,
                                     .pause = [this](int ms) { pauses.push_back(ms); },
                                     .messages = &messages} {}

PageBench::~PageBench() = default;

std::unique_ptr<CRecordCtlDlg> PageBench::openPage() {
    return openPage(ScheduleValues::defaults(clock));
}

std::unique_ptr<CRecordCtlDlg> PageBench::openPage(const ScheduleValues& schedule) {
    return std::make_unique<CRecordCtlDlg>(context, currentRecordingPath, schedule);
}

std::vector<std::string> PageBench::logLines() const {
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<std::string> lines;
    for (const QByteArray& line : bytes.split('\n')) {
        lines.push_back(line.endsWith('\r') ? line.chopped(1).toStdString() : line.toStdString());
    }
    // The text after the last line end is not a line.
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

} // namespace dormivo::test
