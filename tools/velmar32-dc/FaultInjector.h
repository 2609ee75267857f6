#pragma once

#include "app/protocol/Frame.h"
#include "tools/velmar32-dc/ClientTable.h"
#include "tools/velmar32-dc/FaultShares.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <vector>

namespace v32::dc {

// In: from a client to the data centre. Out: from the data centre to a client.
enum class TrafficDirection : std::uint8_t {
    In,
    Out,
};

// Spoils a given share of the frames of each direction, the way a bad line would: drops
// them, holds them back for a while, sends them twice, or flips one bit so that their check
// fails. Each direction draws from its own generator seeded from the one seed, so the same
// frames in the same order meet the same faults in every run.
class FaultInjector {
public:
    enum class Fault : std::uint8_t {
        None,
        Drop,
        Delay,
        Duplicate,
        Corrupt,
    };

    struct Counters {
        std::uint64_t passed = 0;
        std::uint64_t dropped = 0;
        std::uint64_t delayed = 0;
        std::uint64_t duplicated = 0;
        std::uint64_t corrupted = 0;
    };

    using Delivery = std::function<void(ClientId, std::span<const std::uint8_t>)>;
    using HeldDelivery =
        std::function<void(TrafficDirection, ClientId, std::span<const std::uint8_t>)>;

    static constexpr std::size_t kMaxHeldFrames = 512;
    static constexpr std::uint32_t kDefaultDelayMs = 200;

    explicit FaultInjector(std::uint32_t seed);

    void setShares(TrafficDirection direction, const FaultShares& shares);
    const FaultShares& shares(TrafficDirection direction) const;
    void setDelayMs(std::uint32_t delayMs) { delayMs_ = delayMs; }
    std::uint32_t delayMs() const { return delayMs_; }

    // Hands the frame to deliver now (once, twice, or once with a bit flipped), holds it for
    // the delay, or drops it; returns the fault it met. A held frame that finds the hold
    // full is dropped.
    Fault pass(TrafficDirection direction, ClientId client, std::span<const std::uint8_t> frame,
               std::uint32_t nowMs, const Delivery& deliver);
    // Delivers the held frames whose time has come, in the order they were held.
    void releaseDue(std::uint32_t nowMs, const HeldDelivery& deliver);
    // Held frames of a client that has gone are thrown away.
    void forget(ClientId client);

    const Counters& counters(TrafficDirection direction) const;
    std::size_t heldCount() const { return heldCount_; }

private:
    struct Lane {
        FaultShares shares;
        std::mt19937 random;
        Counters counters;
    };

    struct HeldFrame {
        TrafficDirection direction = TrafficDirection::In;
        ClientId client = kNoClient;
        std::uint32_t dueMs = 0;
        std::size_t length = 0;
        std::array<std::uint8_t, kFrameCapacity> bytes{};
    };

    Lane& lane(TrafficDirection direction);
    Fault choose(Lane& lane);
    bool hold(TrafficDirection direction, ClientId client, std::span<const std::uint8_t> frame,
              std::uint32_t nowMs);
    void corruptAndDeliver(Lane& lane, ClientId client, std::span<const std::uint8_t> frame,
                           const Delivery& deliver);

    std::array<Lane, 2> lanes_;
    std::uint32_t delayMs_ = kDefaultDelayMs;
    // A ring: frames leave in the order they came, each when its own time has come.
    std::vector<HeldFrame> held_;
    std::size_t heldFirst_ = 0;
    std::size_t heldCount_ = 0;
};

} // namespace v32::dc
