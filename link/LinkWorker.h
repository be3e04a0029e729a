#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dormivo {

class LinkView;
class PortOpener;
class SampleWriter;
class Sleeper;
struct LinkShared;

// Keeps the link to the pillow alive: finds and opens the port, reads it every
// 100 ms, decodes frames, tells the page whether the link is up, writes filler
// lines while recording without a device, and gives the port up after read
// failures or a long silence to search again. run() returns only when
// linkStopRequested is set, at most 100 ms after it was set, with the port
// closed, linkConnected 0 and the lamp not drawn.
class LinkWorker {
public:
    LinkWorker(LinkShared& shared, LinkView& view, SampleWriter& writer, PortOpener& opener,
               std::vector<std::string> candidates, Sleeper& sleeper);

    void run();

    static constexpr int kCycleMillis = 100;
    static constexpr int kSilentAfterIdleReads = 30; // lost once more than this
    static constexpr int kDropAfterIdleReads = 600;  // port given up once more than this
    static constexpr int kSearchTicks = 150;
    static constexpr int kFillerEveryTicks = 11;
    static constexpr int kDropPauseMillis = 5000;

private:
    enum class Outcome { Stopped, Dropped };

    bool stopRequested() const;
    bool openPort();
    bool searchUntilOpen();
    Outcome serveConnection();
    Outcome dropPort();
    bool dropPause();
    void showConnected();
    void showNotConnected();
    void writeLine(std::uint8_t level, std::uint16_t mask, std::uint8_t action);
    void end();

    LinkShared& shared_;
    LinkView& view_;
    SampleWriter& writer_;
    PortOpener& opener_;
    std::vector<std::string> candidates_;
    Sleeper& sleeper_;
    std::array<std::uint8_t, 512> rxBuffer_{};
};

} // namespace dormivo
