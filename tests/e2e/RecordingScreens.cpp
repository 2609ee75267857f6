#include "tests/e2e/RecordingScreens.h"

namespace v32::e2e {

RecordingScreens::RecordingScreens(const RecordingLink& link)
    : m_link(link) {}

void RecordingScreens::registerIn(ListenerRegistry& registry) {
    registry.listen<PageListener>(this);
    registry.listen<LinkStateListener>(this);
    registry.listen<DeviceInfoListener>(this);
}

void RecordingScreens::pageParameter(ParamId id, std::uint16_t value, bool fromNotify) {
    m_pageParameters.push_back({id, value, fromNotify, m_link.sent().size()});
}

void RecordingScreens::showOnlineState(bool online) {
    m_onlineStates.push_back(online);
}

void RecordingScreens::showDeviceName(std::string_view name) {
    m_deviceNames.emplace_back(name);
}

} // namespace v32::e2e
