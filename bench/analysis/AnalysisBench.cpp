// Measures the analysis reader on a 1 GiB recording and prints each figure
// beside its reference:
//   analysis_bench [FOLDER]   (the recording is made there once; default
//                              /tmp/dormivo-bench)
#include "NightParser.h"
#include "RecordingGenerator.h"
#include "RecordingReader.h"
#include "SampleDating.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace dormivo;
using Clock = std::chrono::steady_clock;

constexpr std::int64_t kFileBytes = std::int64_t{1} << 30;
constexpr int kProgramRuns = 7;
constexpr int kParseRuns = 31;

struct Run {
    double seconds = 0;    // wall time
    double cpuSeconds = 0; // user and system time
    long peakKiB = 0;
    bool ok = false;
};

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
}

// CPU time of this thread, so a busy machine shows in the wall time only.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Runs a program with its output going to a scratch file (not /dev/null,
// where grep stops at the first match); wall time and peak memory.
Run runProgram(const std::vector<std::string>& args, const std::string& outputPath) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(output, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    Run run;
    if (pid < 0 || wait4(pid, &status, 0, &usage) < 0)
        return run;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) <= 1; // grep -c says 1 for no match
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

using Command = std::vector<std::string>;

// Median wall and cpu time and highest peak memory of each command over
// several warm runs. The commands take turns, so a change in the machine's
// load falls on a program and its reference alike.
std::vector<Run> measure(const std::vector<Command>& commands, const std::string& outputPath) {
    for (const auto& command : commands)
        runProgram(command, outputPath); // warms the cache and the program
    std::vector<std::vector<double>> times(commands.size());
    std::vector<std::vector<double>> cpuTimes(commands.size());
    std::vector<Run> results(commands.size());
    for (auto& r : results)
        r.ok = true;
    for (int round = 0; round < kProgramRuns; ++round) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const Run r = runProgram(commands[i], outputPath);
            results[i].ok = results[i].ok && r.ok;
            results[i].peakKiB = std::max(results[i].peakKiB, r.peakKiB);
            times[i].push_back(r.seconds);
            cpuTimes[i].push_back(r.cpuSeconds);
        }
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        results[i].seconds = median(times[i]);
        results[i].cpuSeconds = median(cpuTimes[i]);
    }
    return results;
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

std::string readSpan(const std::string& path, std::int64_t from, std::int64_t to) {
    std::string text(static_cast<std::size_t>(to - from), '\0');
    const int fd = open(path.c_str(), O_RDONLY);
    std::size_t done = 0;
    while (fd >= 0 && done < text.size()) {
        const ssize_t got = pread(fd, text.data() + done, text.size() - done, from + done);
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    if (fd >= 0)
        close(fd);
    text.resize(done);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "/tmp/dormivo-bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "recording-1g.gnf").string();
    std::error_code error;
    if (std::filesystem::file_size(path, error) < static_cast<std::uintmax_t>(kFileBytes) ||
        error) {
        std::printf("writing %s ...\n", path.c_str());
        std::fflush(stdout);
        if (!bench::generateRecording(path, kFileBytes)) {
            std::fprintf(stderr, "analysis_bench: cannot write %s\n", path.c_str());
            return 2;
        }
    }
    const auto bytes = std::filesystem::file_size(path);

    RecordingReader reader;
    std::vector<singlenight> nights;
    if (!reader.open(path) || !reader.listNights(nights) || nights.size() < 2) {
        std::fprintf(stderr, "analysis_bench: cannot read the nights of %s\n", path.c_str());
        return 2;
    }
    std::printf("recording %s: %.2f GiB, %zu nights of %d lines\n\n", path.c_str(),
                static_cast<double>(bytes) / (1 << 30), nights.size(), bench::kNightLines);

    const std::string report = DORMIVO_REPORT_PATH;
    const std::string output = (folder / "program-output.txt").string();
    const auto listing =
        measure({{"grep", "-c", "TAMOSTART", path}, {report, "--list", path}}, output);
    const auto reading = measure({{"wc", "-l", path}, {report, "--format", "json", path}}, output);
    const Run& grep = listing[0];
    const Run& list = listing[1];
    const Run& wc = reading[0];
    const Run& json = reading[1];
    if (!grep.ok || !list.ok || !wc.ok || !json.ok) {
        std::fprintf(stderr, "analysis_bench: a measured program failed\n");
        return 2;
    }

    // One night parsed into buckets: from its text in memory, and read from
    // the file on its own as the analysis page reads it.
    const std::string nightText = readSpan(path, nights[1].markerOffset, nights[2].markerOffset);
    const auto date = labelDate(nights[1].nightLabel);
    auto parsed = std::make_unique<ParsedNight>();
    std::vector<double> inMemory;
    std::vector<double> inMemoryCpu;
    std::vector<double> fromFile;
    for (int i = 0; i < kParseRuns; ++i) {
        auto start = Clock::now();
        const double cpuStart = threadCpuMs();
        ParseNight(nightText, *date, *parsed);
        inMemoryCpu.push_back(threadCpuMs() - cpuStart);
        inMemory.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        start = Clock::now();
        reader.readNight(nights, 1, *parsed);
        fromFile.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double parseMs = median(inMemory);

    double load[3] = {};
    getloadavg(load, 3);
    std::printf("load average %.2f on %ld processors; wall time decides, cpu time in brackets\n\n",
                load[0], sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("1. dormivo-report --list            %7.3f s   (cpu %.3f s)\n"
                "   reference grep -c TAMOSTART      %7.3f s   (cpu %.3f s)     %s (%.2f x grep)\n",
                list.seconds, list.cpuSeconds, grep.seconds, grep.cpuSeconds,
                verdict(list.seconds <= grep.seconds), list.seconds / grep.seconds);
    const double mib = 1024.0;
    const double peakMiB = static_cast<double>(std::max(list.peakKiB, json.peakKiB)) / mib;
    std::printf("2. peak resident memory             %7.1f MiB (--list %.1f MiB, --format json "
                "%.1f MiB)\n"
                "   reference                         64.0 MiB                    %s\n",
                peakMiB, static_cast<double>(list.peakKiB) / mib,
                static_cast<double>(json.peakKiB) / mib, verdict(peakMiB < 64));
    std::printf("3. one night of %d lines into %d buckets, median of %d\n"
                "   in memory                        %7.3f ms  (cpu %.3f ms)\n"
                "   read from the file               %7.3f ms\n"
                "   reference                         10.000 ms                   %s\n",
                bench::kNightLines, parsed->buckets.bucketCount, kParseRuns, parseMs,
                median(inMemoryCpu), median(fromFile), verdict(parseMs < 10));
    std::printf("4. dormivo-report --format json     %7.3f s   (cpu %.3f s)\n"
                "   reference 4 x wc -l              %7.3f s   (4 x %.3f s, cpu %.3f s)   %s "
                "(%.2f x wc -l)\n",
                json.seconds, json.cpuSeconds, 4 * wc.seconds, wc.seconds, wc.cpuSeconds,
                verdict(json.seconds <= 4 * wc.seconds), json.seconds / wc.seconds);
    return 0;
}
