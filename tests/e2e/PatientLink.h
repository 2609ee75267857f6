#pragma once

#include "app/link/Link.h"

#include <chrono>

namespace v32::e2e {

// Passes everything on to the transport, but a poll that finds nothing waits for bytes until
// the loop's pass time has gone by since the last poll that found nothing. The dispatcher
// wakes the loop after every report, so a loop that the link has nothing for may spin
// through many passes in no time; reads are repeated and given up by the pass, and such a
// loop would give them up while a data centre that a busy machine holds back for a moment
// has not yet answered. With this, silence costs at least the pass time per pass, as it
// does in a loop that nothing else wakes.
class PatientLink final : public Link {
public:
    static constexpr std::chrono::milliseconds kQuietPass{20};

    explicit PatientLink(Link& transport);

    LinkType type() const override { return m_transport.type(); }
    bool open() override { return m_transport.open(); }
    void close() override { m_transport.close(); }
    bool sendFrame(std::span<const std::uint8_t> frame) override {
        return m_transport.sendFrame(frame);
    }
    std::size_t poll(ReceiveQueue& queue) override;

private:
    Link& m_transport;
    std::chrono::steady_clock::time_point m_lastQuietPoll = std::chrono::steady_clock::now();
};

} // namespace v32::e2e
