// dormivo-record: headless recording for a machine without a desktop. It
// finds the pillow as the program does and writes the same lines with the
// same code.
#include "Clock.h"
#include "LinkLossMessage.h"
#include "LinkShared.h"
#include "LinkWorker.h"
#include "LinkWorkerThread.h"
#include "OperationLog.h"
#include "PortCandidates.h"
#include "PosixSerialPort.h"
#include "RecordEvents.h"
#include "RecordOptions.h"
#include "RecordView.h"
#include "RecorderMachine.h"
#include "RecordingFile.h"
#include "ReportingPortOpener.h"
#include "SampleWriter.h"
#include "Sleeper.h"
#include "UserDataPaths.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

using namespace dormivo;
using namespace dormivo::record;

namespace {

// Sample lines go to the recording file; a line it refuses ends the run.
class FileSampleWriter final : public SampleWriter {
public:
    FileSampleWriter(RecordingFile& file, RecordEvents& events) : file_(file), events_(events) {}
    bool writeSampleLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action) override {
        const bool written = file_.writeSampleLine(level, mask, action);
        if (!written) {
            events_.post(RecordEvents::Event::WriteFailed);
        }
        return written;
    }

private:
    RecordingFile& file_;
    RecordEvents& events_;
};

// Quit signals are taken by one thread and turned into an event, so no line
// is ever cut by a signal handler.
sigset_t quitSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set, sig);
    }
    return set;
}

void watchQuitSignals(RecordEvents& events) {
    const sigset_t set = quitSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([set, &events] {
        int sig = 0;
        while (sigwait(&set, &sig) == 0) {
            events.post(RecordEvents::Event::Quit);
        }
    }).detach();
}

class Recorder {
public:
    Recorder(const RecordOptions& options, RecordEvents& events)
        : options_(options), events_(events), log_(SystemClock::instance()),
          file_(SystemClock::instance(), log_, defaultRecordingPath(),
                [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }),
          view_(events), writer_(file_, events), opener_(posixOpener_, stderr),
          machine_(options.keepGoing) {}

    int run() {
        worker_.start(shared_, std::make_unique<LinkWorker>(shared_, view_, writer_, opener_,
                                                            candidatePortNames(), sleeper_));
        std::optional<RecordEvents::TimePoint> deadline;
        int status = 0;
        while (true) {
            const std::optional<RecordEvents::Event> event = events_.next(deadline);
            const RecorderMachine::Step step =
                machine_.on(event.value_or(RecordEvents::Event::DurationOver));
            if (step.stopBlock) {
                stopBlock();
            }
            if (step.reportLinkLoss) {
                std::fprintf(stderr, "%s\n",
                             linkLossMessage(SystemClock::instance().now()).c_str());
                if (options_.keepGoing) {
                    std::fputs("dormivo-record: waiting for the pillow to come back\n", stderr);
                }
            }
            if (step.startBlock) {
                if (!startBlock()) {
                    status = 1;
                    break;
                }
                if (!deadline && options_.durationSeconds) {
                    deadline = std::chrono::steady_clock::now() +
                               std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                   std::chrono::duration<double>(*options_.durationSeconds));
                }
            }
            if (step.exit == RecorderMachine::Exit::LinkLost) {
                status = 3;
                break;
            }
            if (step.exit == RecorderMachine::Exit::WriteFailed) {
                std::fprintf(stderr, "dormivo-record: %s does not take any more lines\n",
                             options_.file.c_str());
                status = 1;
                break;
            }
            if (step.exit == RecorderMachine::Exit::Done) {
                break;
            }
        }
        if (machine_.recording()) {
            stopBlock();
        }
        worker_.stopAndWait();
        return status;
    }

private:
    bool startBlock() {
        const QString path = QString::fromLocal8Bit(options_.file);
        const RecordingFileOpen opened = file_.open(path, StartedBy::Hand);
        if (!opened.open) {
            std::fprintf(stderr, "dormivo-record: cannot open %s nor the default file %s\n",
                         options_.file.c_str(), defaultRecordingPath().toLocal8Bit().constData());
            return false;
        }
        if (opened.pathInUse != path) {
            std::fprintf(stderr, "dormivo-record: cannot open %s; recording into %s instead\n",
                         options_.file.c_str(), opened.pathInUse.toLocal8Bit().constData());
        }
        if (!opened.existed) {
            file_.writeRemarksLine(QString::fromLocal8Bit(options_.remark));
        }
        file_.writeHeaderLine();
        shared_.recordingActive = true;
        std::fputs("dormivo-record: recording\n", stderr);
        return true;
    }

    void stopBlock() {
        shared_.recordingActive = false;
        file_.close();
        std::fputs("dormivo-record: recording stopped\n", stderr);
    }

    const RecordOptions& options_;
    RecordEvents& events_;
    OperationLog log_; // left unopened: the operation log belongs to the program
    RecordingFile file_;
    LinkShared shared_;
    RecordView view_;
    FileSampleWriter writer_;
    PosixPortOpener posixOpener_;
    ReportingPortOpener opener_;
    ThreadSleeper sleeper_;
    RecorderMachine machine_;
    LinkWorkerThread worker_; // last, so it ends before what it uses
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kRecordUsage, stdout);
            return 0;
        }
    }
    RecordOptions options;
    std::string error;
    if (!parseRecordOptions(args, options, error)) {
        std::fprintf(stderr, "dormivo-record: %s\n%s", error.c_str(), kRecordUsage);
        return 2;
    }
    RecordEvents events;
    watchQuitSignals(events);
    Recorder recorder(options, events);
    return recorder.run();
}
