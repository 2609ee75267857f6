#pragma once

#include <array>
#include <cstdint>

namespace v32 {

// Frames that are sent or matched byte for byte.

// Identify request with payload 0x00: sent on connect and as the discovery probe.
inline constexpr std::array<std::uint8_t, 6> kIdentifyRequest{0x80, 0x04, 0x00, 0x00, 0x25, 0x68};

// Parameter query for identifier 0: the local-device probe and the serial keep-alive probe.
inline constexpr std::array<std::uint8_t, 7> kKeepAliveProbe{0x80, 0x05, 0x06, 0x00,
                                                             0x00, 0x13, 0xC5};

// Reply to the keep-alive probe: a report of identifier 0 with value 0.
inline constexpr std::array<std::uint8_t, 9> kKeepAliveReply{0x80, 0x07, 0x06, 0x00, 0x00,
                                                             0x00, 0x00, 0x7F, 0x13};

} // namespace v32
