#include "app/link/DispatcherLink.h"

namespace v32 {

DispatcherLink::DispatcherLink(Link& transport)
    : m_transport(&transport) {}

LinkType DispatcherLink::type() const {
    if (m_switchedOff) {
        return LinkType::Disabled;
    }
    return m_transport != nullptr ? m_transport->type() : LinkType::None;
}

bool DispatcherLink::open() {
    return isPassingOn() && m_transport->open();
}

void DispatcherLink::close() {
    if (m_transport != nullptr) {
        m_transport->close();
    }
}

bool DispatcherLink::sendFrame(std::span<const std::uint8_t> frame) {
    return isPassingOn() && m_transport->sendFrame(frame);
}

std::size_t DispatcherLink::poll(ReceiveQueue& queue) {
    return isPassingOn() ? m_transport->poll(queue) : 0;
}

void DispatcherLink::switchOffForGood() {
    m_switchedOff = true;
    close();
}

} // namespace v32
