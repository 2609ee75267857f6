#pragma once

#include <cstdint>
#include <span>

namespace v32 {

// Where complete frames go: the transport link in use.
class FrameSink {
public:
    virtual ~FrameSink() = default;

    // Hands one whole frame to the link; false when the link could not take it.
    virtual bool sendFrame(std::span<const std::uint8_t> frame) = 0;
};

} // namespace v32
