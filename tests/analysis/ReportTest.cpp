#include "Report.h"
#include "AnalysisFixtures.h"
#include "ReportOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace dormivo {
namespace {

using Args = std::vector<std::string>;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the report in-process and collects what it writes.
Outcome report(const Args& args) {
    Outcome o;
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    o.code = runReport(args, out, err);
    std::fclose(out);
    std::fclose(err);
    o.out.assign(outText, outSize);
    o.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return o;
}

// The report names the file as given; the golden files name it bare.
std::string withBareName(std::string text, const std::string& path, const std::string& name) {
    for (auto at = text.find(path); at != std::string::npos; at = text.find(path))
        text.replace(at, path.size(), name);
    return text;
}

TEST(ReportOptions, ReadsTheCommandLine) {
    std::string error;
    const auto o = parseReportOptions(
        {"--night", "2", "--range=3:40", "--detail", "--format", "csv", "night.gnf"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->night, 2u);
    EXPECT_EQ(o->rangeStart, 3);
    EXPECT_EQ(o->rangeEnd, 40);
    EXPECT_TRUE(o->detail);
    EXPECT_FALSE(o->list);
    EXPECT_EQ(o->format, ReportFormat::Csv);
    EXPECT_EQ(o->file, "night.gnf");

    const auto dashed = parseReportOptions({"--list", "--", "-odd.gnf"}, error);
    ASSERT_TRUE(dashed) << error;
    EXPECT_TRUE(dashed->list);
    EXPECT_EQ(dashed->file, "-odd.gnf");
}

TEST(ReportOptions, RefusesBadArgumentsWithUsage) {
    const Args cases[] = {
        {},
        {"--list"},
        {"a.gnf", "b.gnf"},
        {"--night", "x", "a.gnf"},
        {"--night", "-1", "a.gnf"},
        {"--night"},
        {"--range", "5", "a.gnf"},
        {"--range", "1:1200", "a.gnf"},
        {"--range", "-1:5", "a.gnf"},
        {"--range", "1:2:3", "a.gnf"},
        {"--format", "xml", "a.gnf"},
        {"--list=yes", "a.gnf"},
        {"--verbose", "a.gnf"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.empty() ? std::string("(none)") : args.front());
        const Outcome o = report(args);
        EXPECT_EQ(o.code, kReportUsageError);
        EXPECT_NE(o.err.find("usage: dormivo-report"), std::string::npos);
        EXPECT_TRUE(o.out.empty());
    }
}

TEST(Report, FileThatCannotBeOpenedExitsWith2) {
    const Outcome o = report({"/nonexistent/dormivo/test.gnf"});
    EXPECT_EQ(o.code, kReportCannotRead);
    EXPECT_NE(o.err.find("cannot open /nonexistent/dormivo/test.gnf"), std::string::npos);
    EXPECT_TRUE(o.out.empty());
}

TEST(Report, MatchesTheGoldenFiles) {
    struct Case {
        Args options;
        const char* golden;
    };
    const Case cases[] = {
        {{"--format", "json", "--detail"}, "three_nights.json"},
        {{}, "three_nights.txt"},
        {{"--format", "csv"}, "three_nights.csv"},
    };
    const std::string path = test::fixturePath("three_nights.gnf");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        Args args = c.options;
        args.push_back(path);
        const Outcome o = report(args);
        EXPECT_EQ(o.code, kReportOk) << o.err;
        EXPECT_EQ(withBareName(o.out, path, "three_nights.gnf"), test::readFixture(c.golden));
    }
}

TEST(Report, ListsNightsWithoutReadingThem) {
    const std::string path = test::fixturePath("three_nights.gnf");
    const Outcome o = report({"--list", "--format", "json", path});
    EXPECT_EQ(o.code, kReportOk);
    EXPECT_EQ(withBareName(o.out, path, "x"),
              "{\"file\": \"x\", \"nights\": [\n"
              "  {\"index\": 0, \"label\": \"[2013-05-07 22:30:15]\", \"offset\": 83},\n"
              "  {\"index\": 1, \"label\": \"[2013-05-08 22:10:00]\", \"offset\": 238},\n"
              "  {\"index\": 2, \"label\": \"[2013-05-09 23:00:00]\", \"offset\": 345}\n"
              "]}\n");
}

TEST(Report, OneNightAsABucketSeries) {
    const Outcome o =
        report({"--night", "2", "--format", "csv", test::fixturePath("three_nights.gnf")});
    EXPECT_EQ(o.code, kReportOk);
    EXPECT_EQ(o.out, "index,time,level,mask,action\n"
                     "0,[23:00:00],0,fff,0\n"
                     "1,[23:00:30],4,ff,3\n"
                     "2,[23:01:00],0,f,3\n"
                     "3,[23:01:30],0,0,0\n"
                     "4,[23:02:00],0,0,0\n");
}

TEST(Report, AGivenRangeReplacesTheDefault) {
    const Outcome o = report({"--night", "0", "--range", "1:4", "--format", "json",
                              test::fixturePath("three_nights.gnf")});
    EXPECT_EQ(o.code, kReportOk);
    EXPECT_NE(o.out.find("\"range\": {\"start\": 1, \"end\": 4}"), std::string::npos);
    EXPECT_NE(o.out.find("\"texts\": {\"tas\": \"30s\", \"tpa\": \"60s\", \"tss\": \"0s\", "
                         "\"er\": \"50%\", \"eis\": \"50%\"}"),
              std::string::npos);
    EXPECT_EQ(o.out.find("\"index\": 1"), std::string::npos);
}

TEST(Report, ANightBeyondTheFileIsABadArgument) {
    const Outcome o = report({"--night", "3", test::fixturePath("three_nights.gnf")});
    EXPECT_EQ(o.code, kReportUsageError);
    EXPECT_NE(o.err.find("holds 3 night(s); there is no night 3"), std::string::npos);
    EXPECT_TRUE(o.out.empty());
}

TEST(Report, WritesLabelsAsUtf8AndEscapesThem) {
    const test::TempFile file("TAMOSTART:[2013-05-07 \xfc\"\\\x01]\r\n");
    const Outcome o = report({"--list", "--format", "json", file.path()});
    EXPECT_NE(o.out.find("\"label\": \"[2013-05-07 \xc3\xbc\\\"\\\\\\u0001]\\u000d\\u000a\""),
              std::string::npos)
        << o.out;
    const Outcome csv = report({"--list", "--format", "csv", file.path()});
    EXPECT_NE(csv.out.find(",\"[2013-05-07 \xc3\xbc\"\"\\\x01]\r\n\","), std::string::npos)
        << csv.out;
}

} // namespace
} // namespace dormivo
