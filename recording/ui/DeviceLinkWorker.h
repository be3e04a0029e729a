#pragma once

#include "LinkWorker.h"

#include <functional>
#include <memory>

namespace dormivo {

// Makes the link worker of one visit of the monitoring page.
using LinkWorkerFactory =
    std::function<std::unique_ptr<LinkWorker>(LinkShared&, LinkView&, SampleWriter&)>;

// A worker on the pillow's real serial ports (DORMIVO_SERIAL_PORTS or the
// usual device nodes), waiting in real time.
std::unique_ptr<LinkWorker> makeDeviceLinkWorker(LinkShared& shared, LinkView& view,
                                                 SampleWriter& writer);

} // namespace dormivo
