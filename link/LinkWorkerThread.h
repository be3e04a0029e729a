#pragma once

#include "LinkWorker.h"

#include <memory>
#include <thread>

namespace dormivo {

// Runs one LinkWorker on its own thread. The owner of the page stops and
// waits for it before the page goes away, so the worker never touches a page
// that is gone; the wait is short because the worker honours a stop request
// within one 100 ms cycle in every state.
class LinkWorkerThread {
public:
    LinkWorkerThread() = default;
    ~LinkWorkerThread() { stopAndWait(); }
    LinkWorkerThread(const LinkWorkerThread&) = delete;
    LinkWorkerThread& operator=(const LinkWorkerThread&) = delete;

    // Clears linkStopRequested and starts the worker; false when one still runs.
    bool start(LinkShared& shared, std::unique_ptr<LinkWorker> worker);
    bool running() const { return thread_.joinable(); }
    // Sets linkStopRequested and waits for the worker to end.
    void stopAndWait();

private:
    LinkShared* shared_ = nullptr;
    std::unique_ptr<LinkWorker> worker_;
    std::thread thread_;
};

} // namespace dormivo
