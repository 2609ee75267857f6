#pragma once

#include "app/core/ProductConstants.h"
#include "app/link/FoundDeviceTable.h"
#include "app/link/NetworkAdapter.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace v32 {

struct DiscoverySetup {
    static constexpr std::uint16_t kMixerPort = 8086;

    // The adapters to broadcast on; the system's by default.
    std::function<std::vector<NetworkAdapter>()> adapters;
    // Empty: every adapter that is up, except loopback and virtual ones. Otherwise exactly
    // the adapters named.
    std::vector<std::string> namedAdapters;
    std::uint16_t port = kMixerPort;
    ProductConstants product;
    std::FILE* log = stdout;
};

// Finds the mixers on the local networks: broadcasts the identify request on each adapter
// chosen, then lists every sender of a valid reply of this product, each address once.
//
// A run blocks its caller: 200 ms for the first replies, then until 200 ms pass without a
// datagram. However busy the network, it stops listening kLongestListen after the first
// wait, and as soon as the table is full. A stop ends it at once with what was found so far.
class DeviceDiscovery {
public:
    static constexpr std::chrono::milliseconds kFirstWait{200};
    static constexpr std::chrono::milliseconds kQuietWait{200};
    static constexpr std::chrono::milliseconds kLongestListen{2000};
    static constexpr std::size_t kMaxReplySize = 256;

    explicit DeviceDiscovery(DiscoverySetup setup);

    FoundDeviceTable run(std::stop_token stop = {}) const;

private:
    void sendRequests(int socketFd) const;
    void collectReplies(int socketFd, std::stop_token stop, FoundDeviceTable& found) const;
    void receiveReply(int socketFd, FoundDeviceTable& found) const;

    DiscoverySetup m_setup;
};

} // namespace v32
