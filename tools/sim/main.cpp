// dormivo-sim: the pillow simulator. Tests, demos and newcomers use it in
// place of the pillow.
#include "FrameScanner.h"
#include "NoiseMaker.h"
#include "PtyDevice.h"
#include "Scenario.h"
#include "SimOptions.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

using namespace dormivo;
using namespace dormivo::sim;

namespace {

volatile std::sig_atomic_t quitRequested = 0;

void onQuitSignal(int) {
    quitRequested = 1;
}

void installSignals() {
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(sig, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}

timespec addNanos(timespec t, long long nanos) {
    const long long total = t.tv_nsec + nanos;
    t.tv_sec += static_cast<time_t>(total / 1000000000LL);
    t.tv_nsec = static_cast<long>(total % 1000000000LL);
    return t;
}

double secondsBetween(const timespec& from, const timespec& to) {
    return static_cast<double>(to.tv_sec - from.tv_sec) + (to.tv_nsec - from.tv_nsec) / 1e9;
}

// Sleeps until the moment unless a quit signal comes first.
void sleepUntil(const timespec& when) {
    while (!quitRequested &&
           clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &when, nullptr) == EINTR) {
    }
}

std::unique_ptr<Scenario> makeScenario(const SimOptions& options, std::string& error) {
    if (options.scenario == "quiet") {
        return makeQuietScenario();
    }
    if (options.scenario == "night") {
        return makeNightScenario(options.seed);
    }
    if (options.scenario == "silent-after") {
        return makeSilentAfter(makeNightScenario(options.seed), options.scenarioSeconds);
    }
    if (options.scenario == "unplug-after") {
        return makeUnplugAfter(makeNightScenario(options.seed), options.scenarioSeconds);
    }
    std::ifstream file(options.scenario);
    if (!file) {
        error = "no such scenario or file: " + options.scenario;
        return nullptr;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::unique_ptr<Scenario> parsed = parseScenarioText(text.str(), error);
    if (!parsed) {
        error = options.scenario + ": " + error;
    }
    return parsed;
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kSimUsage, stdout);
            return 0;
        }
    }
    if (!parseSimOptions(args, options, error)) {
        std::fprintf(stderr, "dormivo-sim: %s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    std::unique_ptr<Scenario> scenario = makeScenario(options, error);
    if (!scenario) {
        std::fprintf(stderr, "dormivo-sim: %s\n", error.c_str());
        return 2;
    }
    installSignals();
    PtyDevice device;
    if (!device.plugIn(options.linkPath, error)) {
        std::fprintf(stderr, "dormivo-sim: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "dormivo-sim: pillow on %s%s%s, scenario %s, %g Hz%s\n",
                 device.slavePath().c_str(), options.linkPath.empty() ? "" : " linked as ",
                 options.linkPath.c_str(), options.scenario.c_str(), options.hz,
                 options.noise ? ", noisy line" : "");

    NoiseMaker noise(options.seed);
    const long long periodNanos = static_cast<long long>(1e9 / options.hz);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    timespec next = start;
    while (!quitRequested) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const SimStep step = scenario->at(secondsBetween(start, now));
        if (step.kind == SimStep::Kind::Unplug) {
            break;
        }
        if (step.kind == SimStep::Kind::Send) {
            const auto frame = encodeFrame(step.values);
            if (!options.noise) {
                device.write(frame);
            } else {
                bool first = true;
                for (const auto& bytes : noise.writesFor(frame)) {
                    if (!first) {
                        // A short gap so that a reader may catch the frame halfway.
                        clock_gettime(CLOCK_MONOTONIC, &now);
                        sleepUntil(addNanos(now, 3000000));
                    }
                    device.write(bytes);
                    first = false;
                }
            }
        }
        next = addNanos(next, periodNanos);
        sleepUntil(next);
    }
    device.unplug();
    std::fputs("dormivo-sim: unplugged\n", stderr);
    return 0;
}
