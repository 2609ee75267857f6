#pragma once

#include <cstdint>
#include <span>

namespace v32 {

// True when a received datagram starts with a whole frame whose CRC is right: the check
// used for discovery replies and for the local data-centre probe. A covered length of
// 0xFF with code 0xFF announces the long form of 262 covered bytes.
bool isValidDatagram(std::span<const std::uint8_t> datagram);

} // namespace v32
