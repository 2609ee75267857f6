#pragma once

#include "app/link/Link.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace v32::bench {

// A link that receives an endless stream of parameter notifications of 60 pairs each, as
// fast as the dispatcher takes them, and counts the echoes it is sent back.
class NotifyStreamLink final : public Link {
public:
    NotifyStreamLink();

    LinkType type() const override { return LinkType::Udp; }
    bool open() override { return true; }
    void close() override {}
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    std::size_t echoes() const { return m_echoes; }

private:
    std::vector<std::uint8_t> m_frame;
    std::size_t m_offset = 0;
    std::size_t m_echoes = 0;
};

} // namespace v32::bench
