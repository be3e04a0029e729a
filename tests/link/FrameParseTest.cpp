#include "FrameScanner.h"
#include "LinkFakes.h"
#include "ParseFrames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

namespace dormivo::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes frame(std::uint8_t b2, std::uint8_t b3, std::uint8_t level, std::uint8_t action,
            std::uint8_t aux6 = 0, std::uint8_t aux7 = 0) {
    return {0x5B, 0xF4, b2, b3, level, action, aux6, aux7, 0x5D};
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

FrameValues values(int level, int mask, int action, int aux6 = 0, int aux7 = 0) {
    return {static_cast<std::uint8_t>(level), static_cast<std::uint16_t>(mask),
            static_cast<std::uint8_t>(action), static_cast<std::uint8_t>(aux6),
            static_cast<std::uint8_t>(aux7)};
}

struct ScanCase {
    const char* name;
    Bytes received;
    std::optional<FrameValues> expected;
};

TEST(FrameScanner, TakesTheLastCompleteFrame) {
    const Bytes wrongMarker = {0x5B, 0xF5, 1, 0, 1, 1, 0, 0, 0x5D};
    const Bytes wrongEnd = {0x5B, 0xF4, 1, 0, 1, 1, 0, 0, 0x5C};
    const std::vector<ScanCase> cases = {
        {"empty read", {}, std::nullopt},
        {"eight bytes holding a frame start", {0x5B, 0xF4, 5, 10, 3, 1, 0, 0}, std::nullopt},
        {"the worked frame", frame(0x05, 0x0A, 3, 1), values(3, 0xA05, 1)},
        {"high nibble of byte 3 dropped", frame(0xFF, 0xFF, 0, 0), values(0, 0xFFF, 0)},
        {"auxiliary bytes kept", frame(0, 0, 0, 0, 0xAB, 0xCD), values(0, 0, 0, 0xAB, 0xCD)},
        {"three frames: the third wins",
         join({frame(1, 0, 1, 1), frame(2, 0, 2, 2), frame(3, 0, 3, 3)}), values(3, 3, 3)},
        {"complete frame then a truncated one",
         join({frame(7, 0, 4, 5), Bytes{0x5B, 0xF4, 9, 0, 1}}), values(4, 7, 5)},
        {"garbage around a frame", join({Bytes{0, 0x5D, 0x5B, 1}, frame(1, 1, 2, 3), Bytes{0xF4}}),
         values(2, 0x101, 3)},
        {"wrong second marker skipped", join({wrongMarker, frame(2, 0, 1, 0)}), values(1, 2, 0)},
        {"wrong end byte skipped", join({wrongEnd, frame(3, 0, 1, 0)}), values(1, 3, 0)},
        {"only broken frames", join({wrongMarker, wrongEnd}), std::nullopt},
        // A start byte inside a broken frame's payload is looked at again:
        // the broken frame's third byte opens the real one.
        {"frame inside a broken frame's payload",
         Bytes{0x5B, 0xF4, 0x5B, 0xF4, 6, 0, 2, 1, 0, 0, 0x5D}, values(2, 6, 1)},
        {"frame that would run past the end", Bytes{0, 0, 0x5B, 0xF4, 1, 2, 3, 4, 5, 6},
         std::nullopt},
        {"start byte as the last byte", join({frame(1, 0, 0, 0), Bytes{0x5B}}), values(0, 1, 0)},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(findLastFrame(c.received), c.expected) << c.name;
    }
}

TEST(FrameScanner, EncodedFrameScansBackToItsValues) {
    const FrameValues v = values(5, 0xABC, 4, 0x12, 0x34);
    const auto bytes = encodeFrame(v);
    EXPECT_EQ(findLastFrame(bytes), v);
}

struct ParseRig {
    ManualClock clock{0};
    LinkShared shared;
    RecordingView view{clock};
    RecordingWriter writer{clock};

    bool parse(const Bytes& bytes) { return ParseFrames(bytes, shared, writer, view); }
    int refreshes() const {
        int n = 0;
        for (const ViewCall& c : view.calls) {
            n += c.what == "refresh";
        }
        return n;
    }
};

TEST(ParseFrames, UpdatesTheSampleWritesOneLineAndAsksForARepaint) {
    struct Case {
        const char* name;
        Bytes received;
        bool recording;
        bool stopping;
        std::vector<WrittenLine> lines;
        int refreshes;
    };
    const Bytes three = join({frame(1, 0, 1, 1), frame(2, 0, 2, 2), frame(0xF0, 0x01, 3, 3)});
    const std::vector<Case> cases = {
        {"recording: one line for three frames", three, true, false, {{0, 3, 0x1F0, 3}}, 1},
        {"not recording: no line", three, false, false, {}, 1},
        {"stopping: line but no repaint", three, true, true, {{0, 3, 0x1F0, 3}}, 0},
        {"short read: nothing at all", Bytes{0x5B, 0xF4, 1, 0, 1, 1, 0, 0}, true, false, {}, 0},
    };
    for (const Case& c : cases) {
        ParseRig rig;
        const FrameValues before = values(5, 0x555, 5, 5, 5);
        rig.shared.liveSample.store(before);
        rig.shared.recordingActive = c.recording;
        rig.shared.linkStopRequested = c.stopping;
        const bool found = rig.parse(c.received);
        EXPECT_EQ(found, !c.lines.empty() || c.refreshes > 0) << c.name;
        EXPECT_EQ(rig.writer.lines, c.lines) << c.name;
        EXPECT_EQ(rig.refreshes(), c.refreshes) << c.name;
        const FrameValues expected = found ? values(3, 0x1F0, 3) : before;
        EXPECT_EQ(rig.shared.liveSample.read(), expected) << c.name;
    }
}

TEST(ParseFrames, ReportsALineTheFileRefused) {
    ParseRig rig;
    rig.shared.recordingActive = true;
    rig.writer.accepts = false;
    rig.parse(frame(1, 0, 1, 1));
    EXPECT_TRUE(rig.shared.sampleWriteFailed.load());
}

TEST(LiveSample, ClearKeepsOnlyTheSeventhByte) {
    LiveSample sample;
    sample.store(values(5, 0xFFF, 4, 0x66, 0x77));
    sample.clear();
    EXPECT_EQ(sample.read(), values(0, 0, 0, 0, 0x77));
}

TEST(LiveSample, ReaderNeverSeesTwoFramesMixed) {
    const FrameValues a = values(1, 0x001, 1, 1, 1);
    const FrameValues b = values(5, 0xFFE, 4, 0xFE, 0xFE);
    LiveSample sample;
    sample.store(a);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 200000; ++i) {
            sample.store(i % 2 ? a : b);
        }
        done = true;
    });
    int mixed = 0;
    while (!done) {
        const FrameValues seen = sample.read();
        mixed += !(seen == a || seen == b);
    }
    writer.join();
    EXPECT_EQ(mixed, 0);
}

} // namespace
} // namespace dormivo::test
