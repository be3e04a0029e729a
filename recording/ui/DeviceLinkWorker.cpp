#include "DeviceLinkWorker.h"

#include "LinkWorker.h"
#include "PortCandidates.h"
#include "PosixSerialPort.h"
#include "Sleeper.h"

namespace dormivo {

std::unique_ptr<LinkWorker> makeDeviceLinkWorker(LinkShared& shared, LinkView& view,
                                                 SampleWriter& writer) {
    // Both hold no state, so every worker of the run can share them.
    static PosixPortOpener opener;
    static ThreadSleeper sleeper;
    return std::make_unique<LinkWorker>(shared, view, writer, opener, candidatePortNames(),
                                        sleeper);
}

} // namespace dormivo
