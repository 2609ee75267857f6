#include "tools/velmar32-dc/FaultInjector.h"

#include <algorithm>

namespace v32::dc {

namespace {

// Keeps the two directions' draws apart when both start from the same seed.
constexpr std::uint32_t kOutgoingSeedOffset = 0x9E3779B9U;

std::size_t laneIndex(TrafficDirection direction) {
    return direction == TrafficDirection::In ? 0 : 1;
}

} // namespace

FaultInjector::FaultInjector(std::uint32_t seed)
    : lanes_{{{{}, std::mt19937(seed), {}}, {{}, std::mt19937(seed + kOutgoingSeedOffset), {}}}}
    , held_(kMaxHeldFrames) {}

void FaultInjector::setShares(TrafficDirection direction, const FaultShares& shares) {
    lane(direction).shares = shares;
}

const FaultShares& FaultInjector::shares(TrafficDirection direction) const {
    return lanes_[laneIndex(direction)].shares;
}

FaultInjector::Fault FaultInjector::pass(TrafficDirection direction, ClientId client,
                                         std::span<const std::uint8_t> frame, std::uint32_t nowMs,
                                         const Delivery& deliver) {
    Lane& current = lane(direction);
    Fault fault = choose(current);
    if (fault == Fault::Delay && !hold(direction, client, frame, nowMs)) {
        fault = Fault::Drop;
    }
    switch (fault) {
    case Fault::None:
        ++current.counters.passed;
        deliver(client, frame);
        break;
    case Fault::Drop:
        ++current.counters.dropped;
        break;
    case Fault::Delay:
        ++current.counters.delayed;
        break;
    case Fault::Duplicate:
        ++current.counters.duplicated;
        deliver(client, frame);
        deliver(client, frame);
        break;
    case Fault::Corrupt:
        ++current.counters.corrupted;
        corruptAndDeliver(current, client, frame, deliver);
        break;
    }
    return fault;
}

void FaultInjector::releaseDue(std::uint32_t nowMs, const HeldDelivery& deliver) {
    while (heldCount_ > 0) {
        const HeldFrame& first = held_[heldFirst_];
        // Ticks wrap, so "due" is judged by the signed distance to now.
        if (static_cast<std::int32_t>(nowMs - first.dueMs) < 0) {
            return;
        }
        // Released before delivery: a delivery may hold new frames.
        const HeldFrame released = first;
        heldFirst_ = (heldFirst_ + 1) % held_.size();
        --heldCount_;
        if (released.client != kNoClient) {
            deliver(released.direction, released.client,
                    std::span(released.bytes).first(released.length));
        }
    }
}

void FaultInjector::forget(ClientId client) {
    for (std::size_t i = 0; i < heldCount_; ++i) {
        HeldFrame& frame = held_[(heldFirst_ + i) % held_.size()];
        if (frame.client == client) {
            frame.client = kNoClient;
        }
    }
}

const FaultInjector::Counters& FaultInjector::counters(TrafficDirection direction) const {
    return lanes_[laneIndex(direction)].counters;
}

FaultInjector::Lane& FaultInjector::lane(TrafficDirection direction) {
    return lanes_[laneIndex(direction)];
}

FaultInjector::Fault FaultInjector::choose(Lane& current) {
    if (!current.shares.any()) {
        return Fault::None;
    }
    const double draw = std::uniform_real_distribution<double>(0.0, 100.0)(current.random);
    double bound = current.shares.dropPercent;
    if (draw < bound) {
        return Fault::Drop;
    }
    bound += current.shares.delayPercent;
    if (draw < bound) {
        return Fault::Delay;
    }
    bound += current.shares.duplicatePercent;
    if (draw < bound) {
        return Fault::Duplicate;
    }
    bound += current.shares.corruptPercent;
    return draw < bound ? Fault::Corrupt : Fault::None;
}

bool FaultInjector::hold(TrafficDirection direction, ClientId client,
                         std::span<const std::uint8_t> frame, std::uint32_t nowMs) {
    if (heldCount_ == held_.size() || frame.size() > kFrameCapacity) {
        return false;
    }
    HeldFrame& slot = held_[(heldFirst_ + heldCount_) % held_.size()];
    slot.direction = direction;
    slot.client = client;
    slot.dueMs = nowMs + delayMs_;
    slot.length = frame.size();
    std::copy(frame.begin(), frame.end(), slot.bytes.begin());
    ++heldCount_;
    return true;
}

void FaultInjector::corruptAndDeliver(Lane& current, ClientId client,
                                      std::span<const std::uint8_t> frame,
                                      const Delivery& deliver) {
    if (frame.empty() || frame.size() > kFrameCapacity) {
        deliver(client, frame);
        return;
    }
    std::array<std::uint8_t, kFrameCapacity> spoiled{};
    std::copy(frame.begin(), frame.end(), spoiled.begin());
    const std::size_t byte =
        std::uniform_int_distribution<std::size_t>(0, frame.size() - 1)(current.random);
    const int bit = std::uniform_int_distribution<int>(0, 7)(current.random);
    spoiled[byte] = static_cast<std::uint8_t>(spoiled[byte] ^ (1U << bit));
    deliver(client, std::span(spoiled).first(frame.size()));
}

} // namespace v32::dc
