#include "app/link/DeviceSelection.h"

#include "app/link/LinkSupervisorState.h"
#include "app/link/UdpTarget.h"
#include "app/model/ParamModel.h"

namespace v32 {

DeviceSelection::DeviceSelection(UdpTarget& target, LinkSupervisorState& linkState,
                                 ParamModel& model)
    : m_target(target)
    , m_linkState(linkState)
    , m_model(model) {}

void DeviceSelection::listOpened() {
    m_target.clear();
    m_linkState.online = false;
    m_model.dropAllPending();
    m_linkState.deviceListOpen = true;
}

void DeviceSelection::listClosed() {
    m_linkState.deviceListOpen = false;
}

bool DeviceSelection::isListOpen() const {
    return m_linkState.deviceListOpen;
}

void DeviceSelection::connectTo(std::uint32_t address) {
    m_target.set(address);
    m_model.fullRead();
}

} // namespace v32
