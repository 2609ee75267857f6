#include "app/link/DispatcherTextReplies.h"

#include "app/core/ProductConstants.h"
#include "app/core/Translation.h"
#include "app/link/UiHooks.h"
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

DispatcherTextReplies::DispatcherTextReplies(MessageSender& sender, UiHooks& ui)
    : m_sender(sender)
    , m_ui(&ui) {}

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
        m_ui->showFirmwareVersion(value);
    } else if (key == "SCENEKEYLOCK") {
        m_ui->setSceneKeyLock(value == kOn);
    } else if (key != "FW_BUILD" && key != "LAYER") {
        m_ui->networkSetting(key, value);
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
    m_ui->showDeviceName(name);
}

void DispatcherTextReplies::handleCommandResult(std::string_view text) {
    if (const std::optional<std::string_view> command = TextPayloadReader::valueOf(text, "CMD")) {
        handleCommand(*command, text);
    } else if (!text.starts_with("DEVNAME")) {
        m_ui->showConfigurationSaved(translate("Configuration saved!\nTake effect after reboot!"));
    }
}

void DispatcherTextReplies::handleCommand(std::string_view command, std::string_view text) {
    if (command == "CHGPWD") {
        if (isOk(text)) {
            toast("CHANGE PASSWORD SUCCESS!", kGreen, kShortToastMs);
            m_ui->closePasswordDialog();
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
            m_ui->finishFactoryReset();
        }
    } else if (command == "SCENEKEYLOCK") {
        m_ui->setSceneKeyLock(TextPayloadReader::valueOf(text, "SCENEKEYLOCK") == kOn);
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
        m_ui->networkListItem(text);
        // A last string without its NUL ends at the payload's end.
        rest = rest.subspan(std::min(rest.size(), text.size() + 1));
    }
}

void DispatcherTextReplies::toast(const char* text, std::uint16_t colour,
                                  std::uint32_t durationMs) {
    m_ui->showToast(translate(text), colour, durationMs);
}

} // namespace v32
