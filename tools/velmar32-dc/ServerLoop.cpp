#include "tools/velmar32-dc/ServerLoop.h"

#include <cerrno>
#include <poll.h>
#include <span>
#include <utility>

namespace v32::dc {

ServerLoop::ServerLoop(const Clock& clock)
    : clock_(clock) {}

void ServerLoop::add(Pollable& pollable) {
    pollables_.push_back(&pollable);
}

void ServerLoop::addTicker(Ticker ticker) {
    tickers_.push_back(std::move(ticker));
}

bool ServerLoop::runOnce(int waitMs) {
    fds_.clear();
    counts_.clear();
    for (Pollable* pollable : pollables_) {
        const std::size_t before = fds_.size();
        pollable->addPollFds(fds_);
        counts_.push_back(fds_.size() - before);
    }
    const int ready = ::poll(fds_.data(), fds_.size(), waitMs);
    if (ready < 0 && errno != EINTR) {
        return false;
    }
    if (ready > 0) {
        std::size_t first = 0;
        for (std::size_t i = 0; i < pollables_.size(); ++i) {
            pollables_[i]->onPolled(std::span(fds_).subspan(first, counts_[i]));
            first += counts_[i];
        }
    }
    const std::uint32_t nowMs = clock_.nowMs();
    for (Pollable* pollable : pollables_) {
        pollable->tick(nowMs);
    }
    for (const Ticker& ticker : tickers_) {
        ticker(nowMs);
    }
    return true;
}

void ServerLoop::run(const std::atomic<bool>& stop) {
    while (!stop.load() && runOnce()) {
    }
}

} // namespace v32::dc
