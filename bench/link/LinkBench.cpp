// Measures the link on a real pseudo-terminal: the latency from a frame
// written by the "device" to its sample line written into the recording
// file, and the processor time the link worker takes while connected and
// while its port is unplugged. Prints what it measured.
//
//   link_bench [--frames N] [--cpu-seconds S]
#include "Clock.h"
#include "FrameScanner.h"
#include "LinkShared.h"
#include "LinkView.h"
#include "LinkWorker.h"
#include "OperationLog.h"
#include "PosixSerialPort.h"
#include "RecordingFile.h"
#include "SampleWriter.h"
#include "Sleeper.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <pthread.h>
#include <random>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace dormivo;
using Steady = std::chrono::steady_clock;

namespace {

class QuietView final : public LinkView {
public:
    void setUsbLamp(int) override {}
    void setLampLabelText(std::string_view) override {}
    void restyleStartButton() override {}
    void refreshMonitorCells() override {}
};

// Notes when each line has been handed to the file.
class TimedWriter final : public SampleWriter {
public:
    explicit TimedWriter(RecordingFile& file) : file_(file) {}
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) override {
        const bool ok = file_.writeSampleLine(level, mask, action);
        const Steady::time_point now = Steady::now();
        std::lock_guard lock(mutex_);
        written_[key(level, mask)] = now;
        return ok;
    }
    static std::uint32_t key(std::uint8_t level, std::uint16_t mask) {
        return std::uint32_t{mask} << 8 | level;
    }
    std::map<std::uint32_t, Steady::time_point> written() {
        std::lock_guard lock(mutex_);
        return written_;
    }

private:
    RecordingFile& file_;
    std::mutex mutex_;
    std::map<std::uint32_t, Steady::time_point> written_;
};

struct Pty {
    int master = -1;
    std::string slave;
    bool open() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            return false;
        }
        slave = ptsname(master);
        return true;
    }
    void close() {
        ::close(master);
        master = -1;
    }
};

// One worker on its own thread, whose processor time can be read.
struct RunningWorker {
    RunningWorker(LinkShared& shared, LinkView& view, SampleWriter& writer, PortOpener& opener,
                  const std::string& port)
        : worker(shared, view, writer, opener, {port}, sleeper), shared_(shared),
          thread([this] { worker.run(); }) {
        pthread_getcpuclockid(thread.native_handle(), &cpuClock);
    }
    ~RunningWorker() {
        shared_.linkStopRequested = true;
        thread.join();
    }
    double cpuSeconds() const {
        timespec t{};
        clock_gettime(cpuClock, &t);
        return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
    }
    // Processor time over a stretch of wall time, in percent of one core.
    double cpuPercentOver(double seconds) const {
        const double before = cpuSeconds();
        const Steady::time_point start = Steady::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double wall = std::chrono::duration<double>(Steady::now() - start).count();
        return 100.0 * (cpuSeconds() - before) / wall;
    }

    ThreadSleeper sleeper;
    LinkWorker worker;
    LinkShared& shared_;
    std::thread thread;
    clockid_t cpuClock{};
};

void waitUntilConnected(const LinkShared& shared) {
    while (shared.linkConnected.load() != 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    int frames = 1000;
    double cpuSeconds = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--frames") {
            frames = std::max(1, std::atoi(argv[i + 1]));
        } else if (arg == "--cpu-seconds") {
            cpuSeconds = std::max(1.0, std::atof(argv[i + 1]));
        }
    }

    Pty pty;
    if (!pty.open()) {
        std::perror("link_bench: pseudo-terminal");
        return 1;
    }
    char folder[] = "/tmp/dormivo-link-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("link_bench: temporary folder");
        return 1;
    }
    const QString filePath = QString(folder) + "/bench.gnf";
    OperationLog log(SystemClock::instance());
    RecordingFile file(SystemClock::instance(), log, filePath, [](int) {});
    TimedWriter writer(file);
    QuietView view;
    PosixPortOpener opener;
    LinkShared shared;

    std::printf("link_bench: %d frames, one every 101-125 ms, into %s\n", frames,
                qPrintable(filePath));
    std::fflush(stdout);
    double streamingCpu = 0;
    double silentCpu = 0;
    double unpluggedCpu = 0;
    std::vector<double> latencies;
    int missed = 0;
    {
        RunningWorker running(shared, view, writer, opener, pty.slave);
        waitUntilConnected(shared);
        file.open(filePath, StartedBy::Hand);
        file.writeHeaderLine();
        shared.recordingActive = true;

        // Latency: each frame carries its own number, spaced so that each
        // lands in a read cycle of its own.
        std::mt19937 rng(1);
        std::vector<Steady::time_point> sentAt;
        for (int k = 0; k < frames; ++k) {
            FrameValues v;
            v.snoreLevel = static_cast<std::uint8_t>(k & 0xFF);
            v.sensorMask = static_cast<std::uint16_t>((k >> 8) & 0x0FFF);
            const auto bytes = encodeFrame(v);
            sentAt.push_back(Steady::now());
            if (write(pty.master, bytes.data(), bytes.size()) !=
                static_cast<ssize_t>(bytes.size())) {
                std::perror("link_bench: write");
                return 1;
            }
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::uniform_int_distribution<>(101, 125)(rng)));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto written = writer.written();
        for (int k = 0; k < frames; ++k) {
            const auto it = written.find(TimedWriter::key(static_cast<std::uint8_t>(k & 0xFF),
                                                          static_cast<std::uint16_t>(k >> 8)));
            if (it == written.end()) {
                ++missed;
                continue;
            }
            latencies.push_back(
                std::chrono::duration<double, std::milli>(it->second - sentAt[k]).count());
        }
        shared.recordingActive = false;
        file.closeSilently();

        // Processor time: connected and fed at the pillow's 20 frames a second.
        std::atomic<bool> feeding{true};
        std::thread feeder([&] {
            const auto bytes = encodeFrame(FrameValues{2, 0x0F0, 1, 0, 0});
            while (feeding) {
                if (write(pty.master, bytes.data(), bytes.size()) < 0) {
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
        streamingCpu = running.cpuPercentOver(cpuSeconds);
        feeding = false;
        feeder.join();
        // Connected but silent: the port stays open, the worker keeps polling.
        silentCpu = running.cpuPercentOver(cpuSeconds);
        // Unplugged: the far end hangs up; the worker drops the port and searches.
        pty.close();
        unpluggedCpu = running.cpuPercentOver(cpuSeconds);
    }

    if (latencies.empty()) {
        std::printf("link_bench: no frame reached the file\n");
        return 1;
    }
    std::printf("latency frame written -> sample line written, over %zu frames (%d without "
                "a line of their own):\n",
                latencies.size(), missed);
    std::printf("  median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n",
                percentile(latencies, 0.5), percentile(latencies, 0.9),
                *std::max_element(latencies.begin(), latencies.end()));
    std::printf("link worker processor time over %.0f s each, in %% of one core:\n", cpuSeconds);
    std::printf("  connected, 20 frames/s, not recording: %.3f %%\n", streamingCpu);
    std::printf("  connected, silent:                     %.3f %%\n", silentCpu);
    std::printf("  port unplugged:                        %.3f %%\n", unpluggedCpu);
    std::remove(qPrintable(filePath));
    rmdir(folder);
    return 0;
}
