#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sockaddr_in;

namespace v32::dc {

// An IPv4 address and port, both in host byte order.
struct Ipv4Endpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;

    static constexpr std::uint32_t kLoopback = 0x7F000001;
    static constexpr std::uint32_t kAny = 0;

    // A dotted address; nothing when the text is not one.
    static std::optional<std::uint32_t> parseAddress(std::string_view text);
    static Ipv4Endpoint from(const sockaddr_in& socketAddress);
    sockaddr_in toSocketAddress() const;

    // Anything in 127.0.0.0/8.
    bool isLoopback() const { return (address >> 24) == 127; }
    std::string toString() const;

    friend bool operator==(const Ipv4Endpoint&, const Ipv4Endpoint&) = default;
    friend auto operator<=>(const Ipv4Endpoint&, const Ipv4Endpoint&) = default;
};

} // namespace v32::dc
