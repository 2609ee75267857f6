#include "app/link/UdpLink.h"

#include "app/link/RingTransfer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace v32 {

UdpLink::UdpLink(const UdpTarget& target, UiWakeup& wakeup, const FrameDump& dump,
                 std::uint16_t targetPort)
    : target_(target)
    , wakeup_(wakeup)
    , dump_(dump)
    , targetPort_(targetPort) {}

UdpLink::~UdpLink() {
    close();
}

bool UdpLink::open() {
    close();
    socket_.reset(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!socket_.isValid()) {
        return false;
    }
    ring_.clear();
    running_.store(true, std::memory_order_relaxed);
    receiver_ = std::thread(&UdpLink::receiveLoop, this, socket_.get());
    return true;
}

void UdpLink::close() {
    running_.store(false, std::memory_order_relaxed);
    if (receiver_.joinable()) {
        receiver_.join();
    }
    // Closed only after the receiver has stopped using it.
    socket_.reset();
}

bool UdpLink::sendFrame(std::span<const std::uint8_t> frame) {
    bool sent = false;
    const std::uint32_t address = target_.address();
    if (socket_.isValid() && address != 0) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(targetPort_);
        to.sin_addr.s_addr = htonl(address);
        const ssize_t written = ::sendto(socket_.get(), frame.data(), frame.size(), 0,
                                         reinterpret_cast<const sockaddr*>(&to), sizeof to);
        sent = written == static_cast<ssize_t>(frame.size());
    }
    dump_.printSent(frame);
    return sent;
}

std::size_t UdpLink::poll(ReceiveQueue& queue) {
    if (!socket_.isValid()) {
        return 0;
    }
    return moveRingToQueue(ring_, queue, dump_);
}

void UdpLink::receiveLoop(int socketFd) {
    while (running_.load(std::memory_order_relaxed)) {
        pollfd readable{socketFd, POLLIN, 0};
        if (::poll(&readable, 1, kReceiveWaitMs) > 0) {
            receiveDatagram(socketFd);
        }
    }
}

void UdpLink::receiveDatagram(int socketFd) {
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    // An error here is most often the echo of an earlier send to a port nobody listens on;
    // reading it clears it, and the loop goes on.
    const ssize_t received = ::recvfrom(socketFd, datagram_.data(), datagram_.size(), 0,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (received <= 0 || from.sin_family != AF_INET) {
        return;
    }
    const std::uint32_t address = target_.address();
    if (address == 0 || ntohl(from.sin_addr.s_addr) != address) {
        return;
    }
    ring_.pushBytes(std::span(datagram_).first(static_cast<std::size_t>(received)));
    wakeup_.release();
}

} // namespace v32
