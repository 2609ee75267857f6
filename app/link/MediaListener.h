#pragma once

#include <cstdint>
#include <span>

namespace v32 {

// The media link drives the media screen, so it lives with the UI: it takes every media
// event frame whole and runs one step per dispatch pass.
class MediaListener {
public:
    virtual ~MediaListener() = default;

    virtual void mediaFrame(std::span<const std::uint8_t> frame) = 0;
    virtual void mediaStep() = 0;
    virtual void refreshMediaScreen() = 0;
};

} // namespace v32
