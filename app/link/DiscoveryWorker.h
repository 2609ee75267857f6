#pragma once

#include "app/link/FoundDeviceTable.h"

#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace v32 {

// Runs device searches on a thread of their own, so that the UI thread goes on drawing and
// serving the link while the broadcasts go out and the replies are awaited. The UI thread
// starts a search and later takes its result; one search runs at a time.
class DiscoveryWorker {
public:
    // Runs on the worker's thread; should end early once stop is requested. Without one,
    // every search finds nothing.
    using Search = std::function<FoundDeviceTable(std::stop_token stop)>;

    explicit DiscoveryWorker(Search search);
    // Stops a search that is still running and waits for its thread.
    ~DiscoveryWorker();

    DiscoveryWorker(const DiscoveryWorker&) = delete;
    DiscoveryWorker& operator=(const DiscoveryWorker&) = delete;

    // Starts a search, which replaces a result not taken yet. False, and nothing started,
    // while a search runs: its result is the one to wait for.
    bool start();
    bool isRunning() const;
    // The result of the search that has finished, once; nothing while it runs.
    std::optional<FoundDeviceTable> takeResult();
    // Stops the running search, if any, and waits for its thread; its result is dropped.
    void cancel();

private:
    void runSearch(std::stop_token stop);

    Search m_search;
    mutable std::mutex m_mutex;
    // Both guarded by m_mutex: the search's thread finishes them, the UI thread reads them.
    bool m_running = false;
    std::optional<FoundDeviceTable> m_result;
    std::jthread m_thread;
};

} // namespace v32
