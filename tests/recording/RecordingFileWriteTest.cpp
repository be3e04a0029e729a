#include "RecordingFile.h"

#include "RecordingTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <thread>

namespace dormivo {
namespace {

using test::readAll;
using test::RecordingBench;
using test::secondsAt;

TEST(RecordingFileWrite, WorkedExampleAndASecondRecording) {
    RecordingBench bench;
    const QString path = bench.path("night.gnf");
    bench.clock.setSeconds(secondsAt(2013, 5, 7, 9, 5, 3, 2));

    const RecordingFileOpen first = bench.file.open(path, StartedBy::Hand);
    ASSERT_TRUE(first.open);
    EXPECT_FALSE(first.existed);
    bench.file.writeRemarksLine(QStringLiteral("Night 1"));
    bench.file.writeHeaderLine();
    EXPECT_TRUE(bench.file.writeSampleLine(0, 0x000, 0));
    bench.clock.setSeconds(secondsAt(2013, 5, 7, 9, 5, 4, 2));
    EXPECT_TRUE(bench.file.writeSampleLine(3, 0x1f0, 0));
    EXPECT_TRUE(bench.file.writeSampleLine(3, 0x1f0, 2));
    bench.clock.setSeconds(secondsAt(2013, 5, 7, 9, 31, 40, 2));
    EXPECT_TRUE(bench.file.writeSampleLine(8, 0xfff, 8));

    const QByteArray firstBlock = "Remarks:Night 1\r\n"
                                  "TAMOSTART:[2013-05-07 09:05:03][1][1]\r\n"
                                  "[09:05:03]:[0][0][0]\r\n"
                                  "[09:05:04]:[3][1f0][0]\r\n"
                                  "[09:05:04]:[3][1f0][2]\r\n"
                                  "[09:31:40]:[8][fff][8]\r\n";
    // Read before closing: each sample carries everything before it to disk.
    EXPECT_EQ(readAll(path), firstBlock);
    bench.file.close();

    bench.clock.setSeconds(secondsAt(2013, 5, 7, 22, 30, 15, 2));
    const RecordingFileOpen second = bench.file.open(path, StartedBy::Schedule);
    ASSERT_TRUE(second.open);
    EXPECT_TRUE(second.existed);
    bench.file.writeHeaderLine();
    EXPECT_TRUE(bench.file.writeSampleLine(1, 0x003, 0));
    bench.file.close();

    EXPECT_EQ(readAll(path), firstBlock + "TAMOSTART:[2013-05-07 22:30:15][1][1]\r\n"
                                          "[22:30:15]:[1][3][0]\r\n");
    EXPECT_EQ(bench.logged(), (std::vector<std::string>{
                                  "Data recording file <" + path.toStdString() + "> is opened.",
                                  "Data recording file is closed.",
                                  "Data recording file <" + path.toStdString() + "> is opened.",
                                  "Data recording file is closed."}));
}

struct LineCase {
    const char* name;
    std::int64_t at;
    bool header;
    std::uint8_t level;
    std::uint16_t mask;
    std::uint8_t action;
    const char* expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingLineFormat : public testing::TestWithParam<LineCase> {};

TEST_P(RecordingLineFormat, IsByteExact) {
    const LineCase& c = GetParam();
    RecordingBench bench;
    const QString path = bench.path("line.gnf");
    bench.clock.setSeconds(c.at);
    ASSERT_TRUE(bench.file.open(path, StartedBy::Hand).open);
    if (c.header)
        bench.file.writeHeaderLine();
    else
        EXPECT_TRUE(bench.file.writeSampleLine(c.level, c.mask, c.action));
    bench.file.close();
    EXPECT_EQ(readAll(path), QByteArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordingLineFormat,
    testing::Values(LineCase{"HeaderSingleDigits", secondsAt(2013, 5, 7, 9, 5, 3, 2), true, 0, 0, 0,
                             "TAMOSTART:[2013-05-07 09:05:03][1][1]\r\n"},
                    LineCase{"HeaderMidnight", secondsAt(2014, 1, 1, 0, 0, 0, 1), true, 0, 0, 0,
                             "TAMOSTART:[2014-01-01 00:00:00][1][1]\r\n"},
                    LineCase{"HeaderTwoDigits", secondsAt(2013, 12, 31, 23, 59, 59, 1), true, 0, 0,
                             0, "TAMOSTART:[2013-12-31 23:59:59][1][1]\r\n"},
                    LineCase{"SampleQuiet", secondsAt(2013, 5, 8, 0, 0, 9, 2), false, 0, 0x000, 0,
                             "[00:00:09]:[0][0][0]\r\n"},
                    LineCase{"SampleAllSensors", secondsAt(2013, 12, 31, 23, 59, 59, 1), false, 5,
                             0xfff, 1, "[23:59:59]:[5][fff][1]\r\n"},
                    LineCase{"SampleMaskWithoutLeadingZeros", secondsAt(2013, 5, 7, 10, 0, 0, 2),
                             false, 1, 0x00a, 2, "[10:00:00]:[1][a][2]\r\n"},
                    LineCase{"SampleFiller", secondsAt(2013, 5, 7, 9, 31, 40, 2), false, 8, 0xfff,
                             8, "[09:31:40]:[8][fff][8]\r\n"},
                    LineCase{"SampleWideValues", secondsAt(2013, 5, 7, 1, 2, 3, 2), false, 255,
                             0x100, 200, "[01:02:03]:[255][100][200]\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemarkCase {
    const char* name;
    QString remark;
    QByteArray expected;
};

void PrintTo(const RemarkCase& c, std::ostream* os) {
    *os << c.name;
}

class RemarkEncoding : public testing::TestWithParam<RemarkCase> {};

TEST_P(RemarkEncoding, KeepsLatin1AndMarksTheRest) {
    EXPECT_EQ(encodeRemark(GetParam().remark), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Remarks, RemarkEncoding,
    testing::Values(RemarkCase{"Plain", QStringLiteral("Night 1"), "Night 1"},
                    RemarkCase{"Latin1Letter", QStringLiteral(u"Gr\u00fcn"), "Gr\xfcn"},
                    RemarkCase{"CjkLetter", QStringLiteral(u"a\u4e2db"), "a?b"},
                    RemarkCase{"BeyondTheBasicPlane", QStringLiteral(u"a\U0001F600b"), "a?b"},
                    RemarkCase{"Nul", QString(QStringLiteral(u"a\0b")), "a?b"},
                    RemarkCase{"TypedCrLf", QStringLiteral("one\r\ntwo"), "one\r\r\ntwo"},
                    RemarkCase{"EditorLf", QStringLiteral("one\ntwo"), "one\r\r\ntwo"},
                    RemarkCase{"LoneCr", QStringLiteral("a\rb"), "a\rb"},
                    RemarkCase{"Empty", QString(), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordingFileWrite, RemarksLineFramesTheRemark) {
    RecordingBench bench;
    const QString path = bench.path("remark.gnf");
    ASSERT_TRUE(bench.file.open(path, StartedBy::Hand).open);
    bench.file.writeRemarksLine(QStringLiteral(u"\u00fc one\r\n\u4e2d two"));
    bench.file.close();
    EXPECT_EQ(readAll(path), QByteArray("Remarks:\xfc one\r\r\n? two\r\n"));
}

TEST(RecordingFileWrite, EmptyRemarkStillWritesItsLine) {
    RecordingBench bench;
    const QString path = bench.path("empty-remark.gnf");
    bench.clock.setSeconds(secondsAt(2013, 5, 7, 9, 5, 3, 2));
    ASSERT_TRUE(bench.file.open(path, StartedBy::Hand).open);
    bench.file.writeRemarksLine(QString());
    bench.file.writeHeaderLine();
    bench.file.close();
    EXPECT_EQ(readAll(path), QByteArray("Remarks:\r\nTAMOSTART:[2013-05-07 09:05:03][1][1]\r\n"));
}

struct CloseCase {
    const char* name;
    bool fileOpen;
    RecordingFile::CloseReason reason;
    const char* logged;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingFileClose : public testing::TestWithParam<CloseCase> {};

TEST_P(RecordingFileClose, LogsTheMatchingLine) {
    const CloseCase& c = GetParam();
    RecordingBench bench;
    if (c.fileOpen) {
        ASSERT_TRUE(bench.file.open(bench.path("close.gnf"), StartedBy::Hand).open);
    }
    bench.file.close(c.reason);
    EXPECT_FALSE(bench.file.isOpen());
    ASSERT_FALSE(bench.logged().empty());
    EXPECT_EQ(bench.logged().back(), c.logged);
    EXPECT_EQ(bench.waits, c.fileOpen ? std::vector<int>{1000} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, RecordingFileClose,
    testing::Values(CloseCase{"Stop", true, RecordingFile::CloseReason::Stop,
                              "Data recording file is closed."},
                    CloseCase{"ProgramQuit", true, RecordingFile::CloseReason::ProgramQuit,
                              "Data recording file is closed(Due to program quit)."},
                    CloseCase{"NothingOpen", false, RecordingFile::CloseReason::Stop,
                              "Data recording file is closed."},
                    CloseCase{"NothingOpenAtQuit", false, RecordingFile::CloseReason::ProgramQuit,
                              "Data recording file is closed(Due to program quit)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordingFileWrite, CloseSilentlyLeavesNoLogLine) {
    RecordingBench bench;
    const QString path = bench.path("silent.gnf");
    ASSERT_TRUE(bench.file.open(path, StartedBy::Hand).open);
    bench.file.writeHeaderLine();
    bench.file.closeSilently();
    EXPECT_FALSE(bench.file.isOpen());
    EXPECT_TRUE(readAll(path).startsWith("TAMOSTART:"));
    EXPECT_EQ(bench.logged(), std::vector<std::string>{"Data recording file <" +
                                                       path.toStdString() + "> is opened."});
}

TEST(RecordingFileWrite, FullDeviceIsReportedAndTheCloseIsNotLogged) {
    RecordingBench bench;
    ASSERT_TRUE(bench.file.open(QStringLiteral("/dev/full"), StartedBy::Hand).open);
    bench.file.writeHeaderLine();
    EXPECT_FALSE(bench.file.writeSampleLine(1, 0x1, 0));
    EXPECT_FALSE(bench.file.writeSampleLine(1, 0x1, 0));

    bench.file.close();
    EXPECT_FALSE(bench.file.isOpen());
    EXPECT_EQ(bench.waits, (std::vector<int>{1000, 500}));
    EXPECT_EQ(bench.logged(),
              std::vector<std::string>{"Data recording file </dev/full> is opened."});
    // Nothing is open any more: the worker's next line is no error.
    EXPECT_TRUE(bench.file.writeSampleLine(1, 0x1, 0));
}

// Lowers the size a file of this process may reach, as a disk that fills up
// would, until it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(RecordingFileWrite, ALineCutShortIsCompletedByTheRetryOnClose) {
    RecordingBench bench;
    const QString path = bench.path("filling.gnf");
    bench.clock.setSeconds(secondsAt(2013, 5, 7, 9, 5, 3, 2));
    std::optional<FileSizeLimit> limit;
    std::vector<int> waits;
    // Room comes back while the close waits for its retry.
    RecordingFile file(bench.clock, bench.log, bench.defaultPath(), [&](int ms) {
        waits.push_back(ms);
        limit.reset();
    });
    ASSERT_TRUE(file.open(path, StartedBy::Hand).open);
    const QByteArray expected = "TAMOSTART:[2013-05-07 09:05:03][1][1]\r\n"
                                "[09:05:03]:[3][1f0][2]\r\n";

    limit.emplace(50); // the header fits, the sample line does not
    file.writeHeaderLine();
    EXPECT_FALSE(file.writeSampleLine(3, 0x1f0, 2));
    EXPECT_EQ(readAll(path), expected.left(50));

    file.close();
    EXPECT_EQ(waits, (std::vector<int>{1000, 500}));
    EXPECT_EQ(readAll(path), expected);
    EXPECT_EQ(bench.logged().back(), "Data recording file is closed.");
}

TEST(RecordingFileWrite, SamplesFromAnotherThreadNeverLandHalfOrAfterClose) {
    RecordingBench bench;
    const QString path = bench.path("threads.gnf");
    ASSERT_TRUE(bench.file.open(path, StartedBy::Hand).open);
    bench.file.writeHeaderLine();

    std::thread worker([&] {
        for (int i = 0; i < 5000; ++i)
            bench.file.writeSampleLine(3, 0x1f0, 2);
    });
    bench.file.close();
    const QByteArray atClose = readAll(path);
    worker.join();

    EXPECT_EQ(readAll(path), atClose);
    const QList<QByteArray> lines = atClose.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.front().startsWith("TAMOSTART:"));
    EXPECT_TRUE(lines.back().isEmpty());
    // The clock stands at 1970-01-01 00:00 UTC, 01:00 in the pinned zone.
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        ASSERT_EQ(lines[i], QByteArray("[01:00:00]:[3][1f0][2]\r")) << "line " << i;
}

} // namespace
} // namespace dormivo
