#include "app/link/DiscoveryWorker.h"

#include <utility>

namespace v32 {

DiscoveryWorker::DiscoveryWorker(Search search)
    : m_search(std::move(search)) {}

DiscoveryWorker::~DiscoveryWorker() {
    cancel();
}

bool DiscoveryWorker::start() {
    {
        const std::lock_guard lock(m_mutex);
        if (m_running) {
            return false;
        }
        m_running = true;
        m_result.reset();
    }
    // The thread of the search before has finished its work; joining it takes no time.
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_thread = std::jthread([this](std::stop_token stop) { runSearch(std::move(stop)); });
    return true;
}

bool DiscoveryWorker::isRunning() const {
    const std::lock_guard lock(m_mutex);
    return m_running;
}

std::optional<FoundDeviceTable> DiscoveryWorker::takeResult() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_result, std::nullopt);
}

void DiscoveryWorker::cancel() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
    const std::lock_guard lock(m_mutex);
    m_running = false;
    m_result.reset();
}

void DiscoveryWorker::runSearch(std::stop_token stop) {
    FoundDeviceTable found = m_search ? m_search(stop) : FoundDeviceTable();
    const std::lock_guard lock(m_mutex);
    if (!stop.stop_requested()) {
        m_result = std::move(found);
    }
    m_running = false;
}

} // namespace v32
