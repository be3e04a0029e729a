#include "LinkWorkerThread.h"

#include "LinkShared.h"

namespace dormivo {

bool LinkWorkerThread::start(LinkShared& shared, std::unique_ptr<LinkWorker> worker) {
    if (thread_.joinable()) {
        return false;
    }
    // Cleared here, before the thread exists, so a stop asked for right after
    // the start cannot be lost.
    shared.linkStopRequested.store(false);
    shared_ = &shared;
    worker_ = std::move(worker);
    thread_ = std::thread([w = worker_.get()] { w->run(); });
    return true;
}

void LinkWorkerThread::stopAndWait() {
    if (!thread_.joinable()) {
        return;
    }
    shared_->linkStopRequested.store(true);
    thread_.join();
    worker_.reset();
}

} // namespace dormivo
