#pragma once

namespace dormivo::record {

// What the headless recorder does on each event: a recording block starts
// when the link comes up, and ends on a quit request, the end of the
// duration, a file that refuses a line, or the loss of the link (after which
// it either waits for the pillow or ends, as asked).
class RecorderMachine {
public:
    enum class Event { LinkUp, LinkDown, Quit, DurationOver, WriteFailed };
    enum class Exit { Running, Done, LinkLost, WriteFailed };

    struct Step {
        bool startBlock = false;
        bool stopBlock = false;
        bool reportLinkLoss = false;
        Exit exit = Exit::Running;
    };

    explicit RecorderMachine(bool keepGoing) : keepGoing_(keepGoing) {}

    Step on(Event event);
    bool recording() const { return recording_; }

private:
    bool keepGoing_;
    bool recording_ = false;
};

} // namespace dormivo::record
