#include "app/link/DispatcherLink.h"

namespace v32 {

DispatcherLink::DispatcherLink(Link& transport)
    : m_transport(transport) {}

LinkType DispatcherLink::type() const {
    return m_switchedOff ? LinkType::Disabled : m_transport.type();
}

bool DispatcherLink::open() {
    return !m_switchedOff && m_transport.open();
}

void DispatcherLink::close() {
    m_transport.close();
}

bool DispatcherLink::sendFrame(std::span<const std::uint8_t> frame) {
    return !m_switchedOff && m_transport.sendFrame(frame);
}

std::size_t DispatcherLink::poll(ReceiveQueue& queue) {
    return m_switchedOff ? 0 : m_transport.poll(queue);
}

void DispatcherLink::switchOffForGood() {
    m_switchedOff = true;
    m_transport.close();
}

} // namespace v32
