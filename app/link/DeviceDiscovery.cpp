#include "app/link/DeviceDiscovery.h"

#include "app/link/DiscoveryBroadcasts.h"
#include "app/link/DiscoveryReply.h"
#include "app/link/FileDescriptor.h"
#include "app/link/StopEvent.h"
#include "app/link/SystemNetworkAdapters.h"
#include "app/protocol/FixedFrames.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <span>
#include <sys/socket.h>
#include <utility>

namespace v32 {

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in endpoint(std::uint32_t address, std::uint16_t port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    result.sin_addr.s_addr = htonl(address);
    return result;
}

// Rounded up: a wait that ends early would take the silence for over too soon.
int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

} // namespace

DeviceDiscovery::DeviceDiscovery(DiscoverySetup setup)
    : m_setup(std::move(setup)) {
    if (!m_setup.adapters) {
        m_setup.adapters = listSystemNetworkAdapters;
    }
}

FoundDeviceTable DeviceDiscovery::run(std::stop_token stop) const {
    FoundDeviceTable found;
    if (stop.stop_requested()) {
        return found;
    }
    FileDescriptor socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!socket.isValid()) {
        return found;
    }
    // Sending to a network's broadcast address needs the permission on Linux.
    const int on = 1;
    ::setsockopt(socket.get(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sendRequests(socket.get());
    collectReplies(socket.get(), stop, found);
    return found;
}

void DeviceDiscovery::sendRequests(int socketFd) const {
    const std::vector<NetworkAdapter> adapters = m_setup.adapters();
    for (const std::uint32_t broadcast : discoveryBroadcasts(adapters, m_setup.namedAdapters)) {
        const sockaddr_in to = endpoint(broadcast, m_setup.port);
        ::sendto(socketFd, kIdentifyRequest.data(), kIdentifyRequest.size(), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
        std::array<char, INET_ADDRSTRLEN> dotted{};
        ::inet_ntop(AF_INET, &to.sin_addr, dotted.data(), dotted.size());
        std::fprintf(m_setup.log, "discover %s\n", dotted.data());
    }
}

// The first replies are given their time whatever comes; from then on the listening ends
// once a quiet wait passes without a datagram.
void DeviceDiscovery::collectReplies(int socketFd, std::stop_token stop,
                                     FoundDeviceTable& found) const {
    const StopEvent stopEvent(stop);
    const Clock::time_point listenFrom = Clock::now() + kFirstWait;
    const Clock::time_point last = listenFrom + kLongestListen;
    Clock::time_point deadline = listenFrom + kQuietWait;
    for (int wait = millisecondsUntil(deadline);
         wait > 0 && !found.isFull() && !stop.stop_requested();
         wait = millisecondsUntil(deadline)) {
        std::array<pollfd, 2> watched{{{socketFd, POLLIN, 0}, {stopEvent.fd(), POLLIN, 0}}};
        if (::poll(watched.data(), watched.size(), wait) <= 0 || watched[0].revents == 0) {
            continue; // timed out, interrupted or stopped: the deadline or the stop decides
        }
        receiveReply(socketFd, found);
        deadline = std::min(last, std::max(Clock::now(), listenFrom) + kQuietWait);
    }
}

void DeviceDiscovery::receiveReply(int socketFd, FoundDeviceTable& found) const {
    std::array<std::uint8_t, kMaxReplySize> datagram{};
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t received = ::recvfrom(socketFd, datagram.data(), datagram.size(), MSG_DONTWAIT,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (received <= 0 || from.sin_family != AF_INET) {
        return;
    }
    const std::optional<std::string_view> name = discoveryReplyName(
        std::span(datagram).first(static_cast<std::size_t>(received)), m_setup.product);
    if (name) {
        found.add(ntohl(from.sin_addr.s_addr), *name);
    }
}

} // namespace v32
