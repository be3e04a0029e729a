#include "RecorderMachine.h"

namespace dormivo::record {

RecorderMachine::Step RecorderMachine::on(Event event) {
    Step step;
    switch (event) {
    case Event::LinkUp:
        step.startBlock = !recording_;
        recording_ = true;
        return step;
    case Event::LinkDown:
        if (!recording_) {
            return step;
        }
        step.stopBlock = true;
        step.reportLinkLoss = true;
        step.exit = keepGoing_ ? Exit::Running : Exit::LinkLost;
        break;
    case Event::Quit:
    case Event::DurationOver:
        step.stopBlock = recording_;
        step.exit = Exit::Done;
        break;
    case Event::WriteFailed:
        step.stopBlock = recording_;
        step.exit = Exit::WriteFailed;
        break;
    }
    recording_ = false;
    return step;
}

} // namespace dormivo::record
