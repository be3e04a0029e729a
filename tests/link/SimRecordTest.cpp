// The simulator and the headless recorder on real pseudo-terminals.
#include "ChildProcess.h"
#include "PosixSerialPort.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace dormivo::test {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2) {
        lines.push_back(text.substr(from, end - from));
    }
    EXPECT_EQ(from, text.size()) << "the file ends with a whole line";
    return lines;
}

struct SampleLine {
    std::string time;
    std::string values; // "[level][mask][action]"
};

std::vector<SampleLine> sampleLines(const std::vector<std::string>& lines, std::size_t first) {
    static const std::regex sample(R"(\[(\d\d:\d\d:\d\d)\]:(\[\d+\]\[[0-9a-f]+\]\[\d+\]))");
    std::vector<SampleLine> samples;
    for (std::size_t i = first; i < lines.size(); ++i) {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(lines[i], m, sample)) << lines[i];
        samples.push_back({m[1], m[2]});
    }
    return samples;
}

class SimRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/dormivo-simrecord-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name) << text;
    }
    std::unique_ptr<ChildProcess> startSim(const std::string& link, const std::string& scenario) {
        auto sim = std::make_unique<ChildProcess>(
            std::vector<std::string>{DORMIVO_SIM_PATH, "--link", path(link), "--hz", "50",
                                     "--scenario", scenario},
            std::vector<std::string>{}, path(link + ".err"));
        EXPECT_TRUE(sim->started());
        EXPECT_TRUE(waitForPath(path(link)));
        return sim;
    }
    std::unique_ptr<ChildProcess> startRecord(const std::string& ports,
                                              std::vector<std::string> args) {
        args.insert(args.begin(), DORMIVO_RECORD_PATH);
        return std::make_unique<ChildProcess>(
            args,
            std::vector<std::string>{"DORMIVO_SERIAL_PORTS=" + ports, "HOME=" + dir_.string()},
            path("record.err"));
    }

    fs::path dir_;
};

TEST_F(SimRecordTest, RecordsTheFramesSentUntilTheUnplug) {
    write("scenario.txt", "0   1 0f0 0\n"
                          "1.6 3 1f0 2\n"
                          "2.4 0 3 5\n"
                          "3.2 unplug\n");
    auto sim = startSim("pillow", path("scenario.txt"));
    auto record = startRecord(path("pillow"), {"--remark", "Night 1", path("n.gnf")});
    EXPECT_EQ(record->waitForExit(), 3) << readAll(path("record.err"));
    EXPECT_EQ(sim->waitForExit(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("pillow")))) << "unplugging removes the link";

    const std::string said = readAll(path("record.err"));
    EXPECT_TRUE(std::regex_search(
        said,
        std::regex(
            R"(USB connection is failed at time'\d{4}-[A-Z][a-z]{2}-\d\d \d\d:\d\d:\d\d'recording quit)")))
        << said;

    const std::vector<std::string> lines = crlfLines(readAll(path("n.gnf")));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Remarks:Night 1");
    EXPECT_TRUE(std::regex_match(
        lines[1], std::regex(R"(TAMOSTART:\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]\[1\]\[1\])")))
        << lines[1];
    const std::vector<std::string> sent = {"[1][f0][0]", "[3][1f0][2]", "[0][3][5]"};
    std::size_t reached = 0;
    std::map<std::string, int> perSecond;
    for (const SampleLine& s : sampleLines(lines, 2)) {
        const auto it = std::find(sent.begin(), sent.end(), s.values);
        ASSERT_NE(it, sent.end()) << "not sent, or a filler line: " << s.values;
        const std::size_t index = static_cast<std::size_t>(it - sent.begin());
        EXPECT_GE(index, reached) << "values go back in time";
        reached = index;
        ++perSecond[s.time];
    }
    for (const auto& [second, count] : perSecond) {
        EXPECT_LE(count, 10) << "more than one line per 100 ms cycle at " << second;
    }
}

TEST_F(SimRecordTest, BusyPortIsSkippedForTheNextCandidate) {
    write("other.txt", "0 4 abc 5\n");
    auto busySim = startSim("busy", "quiet");
    auto freeSim = startSim("free", path("other.txt"));
    PosixPortOpener opener;
    const PortOpenResult held = opener.open(path("busy"));
    ASSERT_NE(held.port, nullptr);

    auto record =
        startRecord(path("busy") + ":" + path("free"), {"--duration", "1", path("n.gnf")});
    EXPECT_EQ(record->waitForExit(), 0) << readAll(path("record.err"));
    EXPECT_NE(readAll(path("record.err")).find("port " + path("free") + " opened"),
              std::string::npos);

    const std::vector<std::string> lines = crlfLines(readAll(path("n.gnf")));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Remarks:");
    for (const SampleLine& s : sampleLines(lines, 2)) {
        EXPECT_EQ(s.values, "[4][abc][5]");
    }

    busySim->signal(SIGTERM);
    freeSim->signal(SIGTERM);
    EXPECT_EQ(busySim->waitForExit(), 0);
    EXPECT_EQ(freeSim->waitForExit(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("free")))) << "quitting is an unplug";
}

} // namespace
} // namespace dormivo::test
