#pragma once

#include "app/core/ProductConstants.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace v32 {

// The name under which a datagram received during discovery lists its sender, or nothing
// when it is not the identify reply of a mixer of this product: it must hold a whole frame
// with a right CRC, code 0x00, the product id in bytes 4-5 and the model code in byte 6.
// A device called "unnamed" is listed under the product name. The name views the datagram
// (or the product name) and never reaches past the frame.
std::optional<std::string_view> discoveryReplyName(std::span<const std::uint8_t> datagram,
                                                   const ProductConstants& product);

} // namespace v32
