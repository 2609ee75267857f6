#include "tools/velmar32-dc/Ipv4Endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace v32::dc {

std::optional<std::uint32_t> Ipv4Endpoint::parseAddress(std::string_view text) {
    const std::string terminated(text);
    in_addr parsed{};
    if (::inet_pton(AF_INET, terminated.c_str(), &parsed) != 1) {
        return std::nullopt;
    }
    return ntohl(parsed.s_addr);
}

Ipv4Endpoint Ipv4Endpoint::from(const sockaddr_in& socketAddress) {
    return {ntohl(socketAddress.sin_addr.s_addr), ntohs(socketAddress.sin_port)};
}

sockaddr_in Ipv4Endpoint::toSocketAddress() const {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    socketAddress.sin_addr.s_addr = htonl(address);
    return socketAddress;
}

std::string Ipv4Endpoint::toString() const {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF) + ":" +
           std::to_string(port);
}

} // namespace v32::dc
