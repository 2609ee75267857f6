#include "app/link/DispatcherTextReplies.h"

#include "app/core/ProductConstants.h"
#include "app/core/Translation.h"
#include "app/link/DeviceInfoListener.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/LockListener.h"
#include "app/link/NetworkListener.h"
#include "app/link/SceneKeyListener.h"
#include "app/link/ToastListener.h"
#include "app/protocol/MessageSender.h"
#include "app/protocol/PayloadText.h"
#include "app/protocol/TextPayloadReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace v32 {

namespace {

constexpr std::string_view kUnnamed = "unnamed";
constexpr std::string_view kOk = "OK";
constexpr std::string_view kOn = "ON";

bool isOk(std::string_view text) {
    return TextPayloadReader::valueOf(text, "RESULT") == kOk;
}

} // namespace

DispatcherTextReplies::DispatcherTextReplies(MessageSender& sender,
                                             const ListenerRegistry& listeners)
    : m_sender(sender)
    , m_listeners(listeners) {}

void DispatcherTextReplies::handleSettingsReport(std::string_view text) {
    TextPayloadReader reader(text);
    while (const std::optional<TextLine> line = reader.next()) {
        handleSetting(line->key, line->value);
    }
}

void DispatcherTextReplies::handleSetting(std::string_view key, std::string_view value) {
    if (key == "DEVNAME") {
        handleDeviceName(value);
    } else if (key == "FW_VER") {
        m_listeners.call(&DeviceInfoListener::showFirmwareVersion, value);
    } else if (key == "SCENEKEYLOCK") {
        m_listeners.call(&SceneKeyListener::setSceneKeyLock, value == kOn);
    } else if (key != "FW_BUILD" && key != "LAYER") {
        m_listeners.call(&NetworkListener::networkSetting, key, value);
    }
}

// A device that was never named gets the product's name, so that every list and screen
// shows the same one.
void DispatcherTextReplies::handleDeviceName(std::string_view name) {
    if (name == kUnnamed && kProductName != kUnnamed) {
        std::array<char, MessageSender::kMaxTextCommandLength + 1> command{};
        std::snprintf(command.data(), command.size(), "DEVNAME=%.*s",
                      static_cast<int>(kProductName.size()), kProductName.data());
        m_sender.sendTextCommand(command.data());
        name = kProductName;
    }
    m_listeners.call(&DeviceInfoListener::showDeviceName, name);
}

void DispatcherTextReplies::handleCommandResult(std::string_view text) {
    if (const std::optional<std::string_view> command = TextPayloadReader::valueOf(text, "CMD")) {
        handleCommand(*command, text);
    } else if (!text.starts_with("DEVNAME")) {
        m_listeners.call(&NetworkListener::showConfigurationSaved,
                         translate("Configuration saved!\nTake effect after reboot!"));
    }
}

void DispatcherTextReplies::handleCommand(std::string_view command, std::string_view text) {
    if (command == "CHGPWD") {
        if (isOk(text)) {
            toast("CHANGE PASSWORD SUCCESS!", kGreen, kShortToastMs);
            m_listeners.call(&LockListener::closePasswordDialog);
        } else {
            toast("CHANGE PASSWORD FAIL!", kRed, kShortToastMs);
        }
    } else if (command == "CHGLOCK") {
        if (!isOk(text)) {
            toast("fail!", kRed, kShortToastMs);
        }
    } else if (command == "RESET") {
        if (isOk(text)) {
            toast("Factory settings restored successfully!\nThe device will restart automatically.",
                  kGreen, kResetToastMs);
            m_listeners.call(&LockListener::finishFactoryReset);
        }
    } else if (command == "SCENEKEYLOCK") {
        m_listeners.call(&SceneKeyListener::setSceneKeyLock,
                         TextPayloadReader::valueOf(text, "SCENEKEYLOCK") == kOn);
    }
}

void DispatcherTextReplies::handleStringList(std::span<const std::uint8_t> payload) {
    if (payload.empty()) {
        return;
    }
    const std::size_t count = payload[0];
    std::span<const std::uint8_t> rest = payload.subspan(1);
    for (std::size_t item = 0; item < count && !rest.empty(); ++item) {
        const std::string_view text = payloadText(rest);
        m_listeners.call(&NetworkListener::networkListItem, text);
        // A last string without its NUL ends at the payload's end.
        rest = rest.subspan(std::min(rest.size(), text.size() + 1));
    }
}

void DispatcherTextReplies::toast(const char* text, std::uint16_t colour,
                                  std::uint32_t durationMs) {
    m_listeners.call(&ToastListener::showToast, translate(text), colour, durationMs);
}

} // namespace v32
