#include "bench/LoopbackDataCentre.h"

#include "app/protocol/Frame.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace v32::bench {

namespace {

constexpr int kWakeMs = 10;

} // namespace

LoopbackDataCentre::LoopbackDataCentre()
    : m_socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof local;
    if (m_socket >= 0 && ::bind(m_socket, reinterpret_cast<sockaddr*>(&local), size) == 0 &&
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&local), &size) == 0) {
        m_port = ntohs(local.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
}

LoopbackDataCentre::~LoopbackDataCentre() {
    m_stopping = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

void LoopbackDataCentre::serve() {
    while (!m_stopping) {
        pollfd readable{m_socket, POLLIN, 0};
        if (::poll(&readable, 1, kWakeMs) <= 0) {
            continue;
        }
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t received = ::recvfrom(m_socket, m_datagram.data(), m_datagram.size(), 0,
                                            reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (received > 0) {
            answer(std::span(m_datagram).first(static_cast<std::size_t>(received)), &from,
                   fromSize);
        }
    }
}

void LoopbackDataCentre::answer(std::span<const std::uint8_t> query, const void* sender,
                                unsigned senderSize) {
    const FrameCheck check = checkFrame(query);
    if (check.status != FrameStatus::Ok || query[2] != MSG_PARAM_QUERY) {
        return;
    }
    const std::span<const std::uint8_t> ids = framePayload(query);
    std::array<ParamPair, kMaxIdsPerFrame> pairs{};
    std::size_t count = 0;
    for (std::size_t at = 0; at + kIdSize <= ids.size() && count < pairs.size(); at += kIdSize) {
        const ParamId id = readWord(ids, at);
        pairs[count++] = {id, valueOf(id)};
    }
    std::array<std::uint8_t, kMaxPairsPerFrame * kPairSize> payload{};
    const std::size_t encoded = encodePairs(std::span(pairs).first(count), payload);
    std::array<std::uint8_t, kFrameCapacity> report{};
    const std::size_t length =
        buildFrame(report, MSG_PARAM_QUERY, std::span(payload).first(encoded * kPairSize));
    ::sendto(m_socket, report.data(), length, 0, static_cast<const sockaddr*>(sender), senderSize);
}

} // namespace v32::bench
