#pragma once

#include "app/link/Link.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace v32::test {

using Bytes = std::vector<std::uint8_t>;
// What the test saw happen, in order: frames sent and calls made on the screens.
using Journal = std::vector<std::string>;

// "sent 80 05 ..." as the journal records a frame.
std::string sentEntry(std::span<const std::uint8_t> frame);

// A link that records what is sent and delivers what the test hands it. Like the threaded
// links it moves at most 320 bytes per poll, and only what the queue has room for.
class DispatcherTestLink final : public Link {
public:
    explicit DispatcherTestLink(LinkType type = LinkType::Udp, Journal* journal = nullptr);

    LinkType type() const override { return m_type; }
    void setType(LinkType type) { m_type = type; }
    bool open() override;
    void close() override;
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    // Bytes that arrive, delivered by the following polls.
    void receive(const Bytes& bytes);

    const std::vector<Bytes>& sent() const { return m_sent; }
    std::vector<Bytes> sentWith(std::uint8_t code) const;
    void clearSent() { m_sent.clear(); }
    int opens() const { return m_opens; }
    int closes() const { return m_closes; }

private:
    LinkType m_type;
    Journal* m_journal;
    Bytes m_arriving;
    std::vector<Bytes> m_sent;
    int m_opens = 0;
    int m_closes = 0;
};

} // namespace v32::test
