#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

// Texts travel as their ASCII bytes. These views switch between the two readings of the
// same bytes without copying.

// The text that payload bytes carry: up to the first NUL, or all of them.
std::string_view payloadText(std::span<const std::uint8_t> bytes);

// The bytes of a text as they go on the wire (without a NUL).
std::span<const std::uint8_t> textBytes(std::string_view text);

} // namespace v32
