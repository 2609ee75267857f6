#pragma once

#include "app/protocol/Frame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace v32::dc {

// Collects the payload of one reply frame. Every put refuses what would not fit into a frame
// and leaves the payload as it was, so a reply can never outgrow its frame.
class PayloadWriter {
public:
    bool putByte(std::uint8_t byte);
    bool putWord(std::uint16_t word);
    bool putText(std::string_view text);
    bool putBytes(std::span<const std::uint8_t> bytes);

    std::span<const std::uint8_t> bytes() const { return {bytes_.data(), size_}; }
    std::size_t size() const { return size_; }
    std::size_t room() const { return bytes_.size() - size_; }
    void clear() { size_ = 0; }

private:
    std::array<std::uint8_t, kMaxPayload> bytes_{};
    std::size_t size_ = 0;
};

} // namespace v32::dc
