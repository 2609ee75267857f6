#pragma once

#include "tools/velmar32-dc/NetworkSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace v32::dc {

// What a text command did, for the data centre to carry out and pass on.
struct TextCommandOutcome {
    std::string reply;        // to the sender; empty when there is none
    std::string announcement; // to every other client; empty when there is none
    std::optional<bool> lock; // the lock state the command asks for
    bool factoryReset = false;
};

// The settings that travel as key=value texts: device name, firmware, scene-key lock,
// network keys and the password, with the queries and commands that read and change them.
// Results of "CMD=" commands are "CMD=<name>" and "RESULT=OK" or "RESULT=FAIL"; settings
// written without a CMD are answered with their new key=value lines.
class TextCommands {
public:
    static constexpr std::size_t kMaxDeviceNameLength = 32;
    static constexpr std::size_t kMaxPasswordLength = 8;
    // What every client hears once the factory settings are back.
    static constexpr std::string_view kResetReply = "CMD=RESET\nRESULT=OK\n";

    TextCommands(std::string deviceName, std::string firmwareVersion);

    // The key=value lines of every key asked for that the mixer knows, in the order asked.
    std::string answerQuery(std::string_view text) const;
    TextCommandOutcome execute(std::string_view text);

    // Factory settings: the start name, no password, scene keys unlocked, network defaults.
    void resetToDefaults();

    const std::string& deviceName() const { return deviceName_; }
    bool sceneKeyLock() const { return sceneKeyLock_; }

private:
    std::optional<std::string> settingValue(std::string_view key) const;
    TextCommandOutcome applySettings(std::string_view text);
    TextCommandOutcome changePassword(std::string_view text);
    TextCommandOutcome changeLock(std::string_view text);
    TextCommandOutcome forceLock(std::string_view text);
    TextCommandOutcome changeSceneKeyLock(std::string_view text);
    std::string sceneKeyLockLines() const;
    static bool isValidPassword(std::string_view password);
    static std::string result(std::string_view command, bool ok);

    const std::string startName_;
    const std::string firmwareVersion_;
    std::string deviceName_;
    std::string password_;
    bool sceneKeyLock_ = false;
    NetworkSettings network_;
};

} // namespace v32::dc
