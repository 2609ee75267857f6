#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

class ListenerRegistry;
class MessageSender;

// The text messages from the device: settings reports, command results and the Wi-Fi list.
// Each takes the payload of one checked frame and reads nothing beyond it.
class DispatcherTextReplies {
public:
    static constexpr std::uint16_t kGreen = 0x07E0;
    static constexpr std::uint16_t kRed = 0xF800;
    static constexpr std::uint32_t kShortToastMs = 1500;
    static constexpr std::uint32_t kResetToastMs = 5000;

    DispatcherTextReplies(MessageSender& sender, const ListenerRegistry& listeners);

    // key=value lines that answer a text query.
    void handleSettingsReport(std::string_view text);
    // The answer to a text command: a CMD line with its RESULT, or a plain settings echo.
    void handleCommandResult(std::string_view text);
    // A count byte and that many NUL-ended strings.
    void handleStringList(std::span<const std::uint8_t> payload);

private:
    void handleSetting(std::string_view key, std::string_view value);
    void handleDeviceName(std::string_view name);
    void handleCommand(std::string_view command, std::string_view text);
    void toast(const char* text, std::uint16_t colour, std::uint32_t durationMs);

    MessageSender& m_sender;
    const ListenerRegistry& m_listeners;
};

} // namespace v32
