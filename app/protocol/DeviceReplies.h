#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace v32 {

// Reply to the identify request.
struct IdentifyReply {
    std::uint16_t productId = 0;
    std::uint8_t modelCode = 0;
    std::string_view deviceName; // views the frame; empty when the frame carries none
};

// Reply to a scene-name or channel-name request: the slot asked for and its name.
struct NameReply {
    std::uint8_t slot = 0;
    std::string_view name; // views the frame; at most 31 characters, ends at a NUL
};

// Both take a whole checked frame and read nothing beyond it; nothing when it is too short.
std::optional<IdentifyReply> parseIdentifyReply(std::span<const std::uint8_t> frame);
std::optional<NameReply> parseNameReply(std::span<const std::uint8_t> frame);

} // namespace v32
