#pragma once

#include "app/link/DeviceInfoListener.h"
#include "app/link/LinkStateListener.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/PageListener.h"
#include "tests/e2e/RecordingLink.h"

#include <cstddef>
#include <string>
#include <vector>

namespace v32::e2e {

// Screens that keep what the core showed them: the parameters handed to the page (with how
// many frames the link had sent by then, so that a test can tell what went out first), the
// online states and the device names.
class RecordingScreens final : public PageListener,
                               public LinkStateListener,
                               public DeviceInfoListener {
public:
    struct PageParameter {
        ParamId id = 0;
        std::uint16_t value = 0;
        bool fromNotify = false;
        std::size_t framesSentBefore = 0;
    };

    explicit RecordingScreens(const RecordingLink& link);

    // Listens to the page, the link state and the device information.
    void registerIn(ListenerRegistry& registry);

    void pageParameter(ParamId id, std::uint16_t value, bool fromNotify) override;
    void showOnlineState(bool online) override;
    void showDeviceName(std::string_view name) override;

    // Not kept.
    void pageChannelName(int /*slot*/, std::string_view /*name*/) override {}
    void pageSceneName(int /*scene*/, std::string_view /*name*/) override {}
    void pageEncoder(int /*encoder*/, int /*step*/) override {}
    void pageCommand(int /*code*/, int /*argument*/) override {}
    void showConnectionIssue(std::string_view /*text*/) override {}
    void showFirmwareVersion(std::string_view /*version*/) override {}

    const std::vector<PageParameter>& pageParameters() const { return m_pageParameters; }
    const std::vector<bool>& onlineStates() const { return m_onlineStates; }
    const std::vector<std::string>& deviceNames() const { return m_deviceNames; }

private:
    const RecordingLink& m_link;
    std::vector<PageParameter> m_pageParameters;
    std::vector<bool> m_onlineStates;
    std::vector<std::string> m_deviceNames;
};

} // namespace v32::e2e
