#pragma once

#include "app/core/Clock.h"
#include "app/link/Link.h"
#include "tests/e2e/FrameBytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace v32::e2e {

// Passes everything on to the transport and keeps what went through it: each frame the core
// sent with the tick it was sent at, every byte received, and when the link was opened or
// closed. What the core tried to send is kept even when the transport could not take it.
class RecordingLink final : public Link {
public:
    struct SentFrame {
        std::uint32_t atMs = 0;
        Bytes bytes;
    };

    enum class Action : std::uint8_t {
        Open,
        Close,
    };

    struct Event {
        std::uint32_t atMs = 0;
        Action action = Action::Open;

        friend bool operator==(const Event&, const Event&) = default;
    };

    RecordingLink(Link& transport, const Clock& clock);

    LinkType type() const override { return m_transport.type(); }
    bool open() override;
    void close() override;
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    const std::vector<SentFrame>& sent() const { return m_sent; }
    // The frames of this code sent from the index `from` of sent() on.
    std::vector<SentFrame> sentWithCode(MessageCode code, std::size_t from = 0) const;
    // The frames received from the byte `from` of the stream on.
    std::vector<Bytes> receivedFrames(std::size_t from = 0) const {
        return cutFrames(std::span(m_received).subspan(from));
    }
    std::size_t receivedCount() const { return m_received.size(); }
    const std::vector<Event>& events() const { return m_events; }

private:
    Link& m_transport;
    const Clock& m_clock;
    std::vector<SentFrame> m_sent;
    Bytes m_received;
    std::vector<Event> m_events;
};

} // namespace v32::e2e
