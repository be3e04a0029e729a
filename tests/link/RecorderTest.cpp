#include "LinkLossMessage.h"
#include "RecordOptions.h"
#include "RecorderMachine.h"
#include "ReportingPortOpener.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace dormivo::record {
namespace {

using Event = RecorderMachine::Event;
using Exit = RecorderMachine::Exit;

struct Expected {
    bool start;
    bool stop;
    bool loss;
    Exit exit;
};

TEST(RecorderMachine, EventsInTurn) {
    struct Case {
        const char* name;
        bool keepGoing;
        std::vector<Event> events;
        std::vector<Expected> steps;
    };
    const std::vector<Case> cases = {
        {"waits for the pillow, records, ends on quit",
         false,
         {Event::LinkDown, Event::LinkUp, Event::LinkUp, Event::Quit},
         {{false, false, false, Exit::Running},
          {true, false, false, Exit::Running},
          {false, false, false, Exit::Running},
          {false, true, false, Exit::Done}}},
        {"link loss ends the run",
         false,
         {Event::LinkUp, Event::LinkDown},
         {{true, false, false, Exit::Running}, {false, true, true, Exit::LinkLost}}},
        {"keep going: a new block when the pillow is back",
         true,
         {Event::LinkUp, Event::LinkDown, Event::LinkDown, Event::LinkUp, Event::DurationOver},
         {{true, false, false, Exit::Running},
          {false, true, true, Exit::Running},
          {false, false, false, Exit::Running},
          {true, false, false, Exit::Running},
          {false, true, false, Exit::Done}}},
        {"quit before any pillow", false, {Event::Quit}, {{false, false, false, Exit::Done}}},
        {"the file refuses a line",
         true,
         {Event::LinkUp, Event::WriteFailed},
         {{true, false, false, Exit::Running}, {false, true, false, Exit::WriteFailed}}},
    };
    for (const Case& c : cases) {
        RecorderMachine machine(c.keepGoing);
        for (std::size_t i = 0; i < c.events.size(); ++i) {
            const RecorderMachine::Step s = machine.on(c.events[i]);
            const Expected& e = c.steps[i];
            EXPECT_EQ(s.startBlock, e.start) << c.name << " step " << i;
            EXPECT_EQ(s.stopBlock, e.stop) << c.name << " step " << i;
            EXPECT_EQ(s.reportLinkLoss, e.loss) << c.name << " step " << i;
            EXPECT_EQ(s.exit, e.exit) << c.name << " step " << i;
        }
    }
}

TEST(RecordOptions, Arguments) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        RecordOptions expected;
    };
    const std::vector<Case> cases = {
        {{"/tmp/n.gnf"}, true, {"", std::nullopt, false, "/tmp/n.gnf"}},
        {{"--remark", "Night 1", "--duration", "10", "--keep-going", "n.gnf"},
         true,
         {"Night 1", 10.0, true, "n.gnf"}},
        {{}, false, {}},
        {{"--duration", "0", "n.gnf"}, false, {}},
        {{"--duration", "ten", "n.gnf"}, false, {}},
        {{"a.gnf", "b.gnf"}, false, {}},
        {{"--remark"}, false, {}},
        {{"--verbose", "n.gnf"}, false, {}},
    };
    for (const Case& c : cases) {
        RecordOptions options;
        std::string error;
        ASSERT_EQ(parseRecordOptions(c.args, options, error), c.ok) << error;
        if (c.ok) {
            EXPECT_EQ(options.remark, c.expected.remark);
            EXPECT_EQ(options.durationSeconds, c.expected.durationSeconds);
            EXPECT_EQ(options.keepGoing, c.expected.keepGoing);
            EXPECT_EQ(options.file, c.expected.file);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(LinkLossMessage, EnglishMonthAndLocalTime) {
    setenv("TZ", "UTC", 1);
    tzset();
    // 2013-05-07 22:31:40 UTC.
    EXPECT_EQ(linkLossMessage(1367965900),
              "USB connection is failed at time'2013-May-07 22:31:40'recording quit");
    EXPECT_EQ(linkLossMessage(1356998400),
              "USB connection is failed at time'2013-Jan-01 00:00:00'recording quit");
}

class RefusingOpener final : public PortOpener {
public:
    PortOpenResult open(const std::string& name) override {
        return {nullptr,
                name == "/dev/ttyACM1" ? OpenFailure::PermissionDenied : OpenFailure::Missing};
    }
};

TEST(ReportingPortOpener, SaysOnceThatPermissionWasRefused) {
    RefusingOpener refusing;
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    ReportingPortOpener opener(refusing, out);
    for (int search = 0; search < 3; ++search) {
        EXPECT_EQ(opener.open("/dev/ttyACM1").port, nullptr);
        EXPECT_EQ(opener.open("/dev/ttyACM0").port, nullptr);
    }
    std::fclose(out);
    const std::string said(text, size);
    std::free(text);
    const std::string expected = "dormivo-record: permission to open /dev/ttyACM1 refused; add the "
                                 "user to the dialout group (sudo usermod -aG dialout $USER) and "
                                 "log in again\n";
    EXPECT_EQ(said, expected);
}

} // namespace
} // namespace dormivo::record
