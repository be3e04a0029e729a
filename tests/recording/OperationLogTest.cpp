#include "OperationLog.h"

#include "Clock.h"
#include "RecordingTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dormivo {
namespace {

using test::readAll;
using test::secondsAt;

struct LogLineCase {
    const char* name;
    std::int64_t at;
    const char* message;
    const char* expected;
};

void PrintTo(const LogLineCase& c, std::ostream* os) {
    *os << c.name;
}

class LogLineFormat : public testing::TestWithParam<LogLineCase> {};

TEST_P(LogLineFormat, PadsWithBlanksInLocalTime) {
    const LogLineCase& c = GetParam();
    QTemporaryDir dir;
    ManualClock clock;
    clock.setSeconds(c.at);
    OperationLog log(clock);
    ASSERT_TRUE(log.open(dir.filePath("ToolOperation.log")));
    log.writeLogLine(c.message);
    // Read while the log is still open: every line is flushed at once.
    EXPECT_EQ(readAll(dir.filePath("ToolOperation.log")), QByteArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Times, LogLineFormat,
    testing::Values(LogLineCase{"SingleDigits", secondsAt(2013, 5, 7, 9, 5, 3, 2),
                                "Enter into data monitoring page.",
                                "[2013/ 5/ 7- 9: 5: 3]:[Enter into data monitoring page.]\r\n"},
                    LogLineCase{"LastSecondOfYear", secondsAt(2013, 12, 31, 23, 59, 59, 1),
                                "Recording is stopped.",
                                "[2013/12/31-23:59:59]:[Recording is stopped.]\r\n"},
                    LogLineCase{"Midnight", secondsAt(2014, 1, 1, 0, 0, 0, 1),
                                "Program is terminated.",
                                "[2014/ 1/ 1- 0: 0: 0]:[Program is terminated.]\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OperationLog, CreatesTheFolderAndAppendsAcrossOpens) {
    QTemporaryDir dir;
    const QString path = dir.filePath("User/Data/ToolOperation.log");
    ManualClock clock(secondsAt(2013, 5, 7, 22, 30, 15, 2) * 1000);
    OperationLog log(clock);

    ASSERT_TRUE(log.open(path));
    log.writeLogLine("Enter into data monitoring page.");
    log.writeLogLine("Press button <Data Analysis> and leave data monitoring page.");
    log.writeEmptyLine();
    // A second visit of the page opens again; the earlier stream must not
    // write anything twice or be lost.
    ASSERT_TRUE(log.open(path));
    log.writeLogLine("Enter into data monitoring page.");

    EXPECT_EQ(readAll(path),
              QByteArray("[2013/ 5/ 7-22:30:15]:[Enter into data monitoring page.]\r\n"
                         "[2013/ 5/ 7-22:30:15]:[Press button <Data Analysis> and leave data "
                         "monitoring page.]\r\n"
                         "\r\n"
                         "[2013/ 5/ 7-22:30:15]:[Enter into data monitoring page.]\r\n"));
}

TEST(OperationLog, WritesNothingWhenItCannotOpen) {
    QTemporaryDir dir;
    test::writeAll(dir.filePath("plain"), "x");
    ManualClock clock;
    OperationLog log(clock);

    EXPECT_FALSE(log.open(dir.filePath("plain/ToolOperation.log")));
    EXPECT_FALSE(log.isOpen());
    log.writeLogLine("Enter into data monitoring page.");
    log.writeEmptyLine();
    EXPECT_EQ(readAll(dir.filePath("plain")), QByteArray("x"));
}

} // namespace
} // namespace dormivo
