#pragma once

#include "app/link/Link.h"
#include "app/protocol/FrameSink.h"

namespace v32 {

// The link in use as the dispatcher, the senders and the supervisor see it: it passes
// everything on to the transport of the configured type until the identify lockout switches
// it off for good. From then on it is of type Disabled and nothing opens it again. Until a
// transport is attached it is the silent link.
class DispatcherLink final : public Link, public FrameSink {
public:
    DispatcherLink() = default;
    explicit DispatcherLink(Link& transport);

    // The transport is made once the configuration is known, after the senders exist.
    void attach(Link& transport) { m_transport = &transport; }

    LinkType type() const override;
    bool open() override;
    void close() override;
    bool sendFrame(std::span<const std::uint8_t> frame) override;
    std::size_t poll(ReceiveQueue& queue) override;

    void switchOffForGood();
    bool isSwitchedOff() const { return m_switchedOff; }

private:
    bool isPassingOn() const { return m_transport != nullptr && !m_switchedOff; }

    Link* m_transport = nullptr;
    bool m_switchedOff = false;
};

} // namespace v32
