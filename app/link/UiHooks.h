#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

// Everything the device link and the parameter model ask of the screens. The UI implements
// it; every call does nothing by default, so a UI that lacks a screen simply leaves its calls
// out. The page calls go to the page on screen, and only when it has that hook.
class UiHooks {
public:
    virtual ~UiHooks() = default;

    // The page on screen.
    virtual void pageParameter(ParamId /*id*/, std::uint16_t /*value*/, bool /*fromNotify*/) {}
    virtual void pageChannelName(int /*slot*/, std::string_view /*name*/) {}
    // A scene name arrived (the page's further notification).
    virtual void pageSceneName(int /*scene*/, std::string_view /*name*/) {}
    virtual void pageEncoder(int /*encoder*/, int /*step*/) {}
    virtual void pageCommand(int /*code*/, int /*argument*/) {}

    // The link's state: the connection-issue overlay covers the whole screen with the text.
    virtual void showConnectionIssue(std::string_view /*text*/) {}
    virtual void showOnlineState(bool /*online*/) {}

    // colour is RGB 5-6-5.
    virtual void showToast(std::string_view /*text*/, std::uint16_t /*colour*/,
                           std::uint32_t /*durationMs*/) {}

    // Lock, password and factory reset. The lock page opens in unlock mode.
    virtual void openLockPage() {}
    virtual void closeLockPage() {}
    virtual void closePasswordDialog() {}
    virtual void finishFactoryReset() {}

    // The network settings page, when it is open.
    virtual void networkSetting(std::string_view /*key*/, std::string_view /*value*/) {}
    virtual void networkListItem(std::string_view /*text*/) {}
    virtual void showConfigurationSaved(std::string_view /*text*/) {}

    // Device information and the scenes screen.
    virtual void showDeviceName(std::string_view /*name*/) {}
    virtual void showFirmwareVersion(std::string_view /*version*/) {}
    virtual void setSceneKeyLock(bool /*locked*/) {}
    // A panel scene key: key code, bit 15 marking a long press.
    virtual void sceneKeyEvent(std::uint16_t /*event*/) {}

    // The media link drives the media screen, so it lives with the UI: it takes every media
    // event frame whole and runs one step per dispatch pass.
    virtual void mediaFrame(std::span<const std::uint8_t> /*frame*/) {}
    virtual void mediaStep() {}
    virtual void refreshMediaScreen() {}

    virtual void refreshGlobalBarFaders() {}
};

} // namespace v32
