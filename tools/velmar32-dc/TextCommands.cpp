#include "tools/velmar32-dc/TextCommands.h"

#include "app/protocol/TextPayloadReader.h"

#include <utility>

namespace v32::dc {

namespace {

constexpr std::string_view kOn = "ON";
constexpr std::string_view kOff = "OFF";
// The layout of the mixer's 32 channels; the control surface reads and ignores it.
constexpr std::string_view kLayer = "32CH";
constexpr std::string_view kFirmwareBuild = "stand-in";

std::string line(std::string_view key, std::string_view value) {
    std::string text(key);
    text += '=';
    text += value;
    text += '\n';
    return text;
}

std::string_view valueOr(std::string_view text, std::string_view key, std::string_view fallback) {
    return TextPayloadReader::valueOf(text, key).value_or(fallback);
}

} // namespace

TextCommands::TextCommands(std::string deviceName, std::string firmwareVersion)
    : startName_(deviceName.substr(0, kMaxDeviceNameLength))
    , firmwareVersion_(std::move(firmwareVersion))
    , deviceName_(startName_) {}

std::string TextCommands::answerQuery(std::string_view text) const {
    std::string reply;
    TextPayloadReader reader(text);
    while (const std::optional<TextLine> asked = reader.next()) {
        if (asked->key == "CMD") {
            reply += line(asked->key, asked->value);
        } else if (const std::optional<std::string> value = settingValue(asked->key)) {
            reply += line(asked->key, *value);
        }
    }
    return reply;
}

TextCommandOutcome TextCommands::execute(std::string_view text) {
    const std::optional<std::string_view> command = TextPayloadReader::valueOf(text, "CMD");
    if (!command) {
        return applySettings(text);
    }
    if (*command == "CHGPWD") {
        return changePassword(text);
    }
    if (*command == "CHGLOCK") {
        return changeLock(text);
    }
    if (*command == "FORCELOCK") {
        return forceLock(text);
    }
    if (*command == "SCENEKEYLOCK") {
        return changeSceneKeyLock(text);
    }
    if (*command == "RESET") {
        // The reset result goes to every client, so the data centre sends it.
        return {{}, {}, std::nullopt, true};
    }
    return {result(*command, false), {}, std::nullopt, false};
}

void TextCommands::resetToDefaults() {
    deviceName_ = startName_;
    password_.clear();
    sceneKeyLock_ = false;
    network_.resetToDefaults();
}

std::optional<std::string> TextCommands::settingValue(std::string_view key) const {
    if (key == "DEVNAME") {
        return deviceName_;
    }
    if (key == "FW_VER") {
        return firmwareVersion_;
    }
    if (key == "FW_BUILD") {
        return std::string(kFirmwareBuild);
    }
    if (key == "LAYER") {
        return std::string(kLayer);
    }
    if (key == "SCENEKEYLOCK") {
        return std::string(sceneKeyLock_ ? kOn : kOff);
    }
    return network_.value(key);
}

TextCommandOutcome TextCommands::applySettings(std::string_view text) {
    // The reply repeats what was stored; one that starts with DEVNAME tells the control
    // surface that no network setting was involved.
    TextCommandOutcome outcome;
    TextPayloadReader reader(text);
    while (const std::optional<TextLine> setting = reader.next()) {
        if (setting->key == "DEVNAME") {
            deviceName_ = std::string(setting->value.substr(0, kMaxDeviceNameLength));
            outcome.reply += line(setting->key, deviceName_);
        } else if (network_.set(setting->key, setting->value)) {
            outcome.reply += line(setting->key, setting->value);
        }
    }
    return outcome;
}

TextCommandOutcome TextCommands::changePassword(std::string_view text) {
    const std::optional<std::string_view> newPassword = TextPayloadReader::valueOf(text, "NEWPWD");
    const bool ok =
        valueOr(text, "PWD", {}) == password_ && newPassword && isValidPassword(*newPassword);
    if (ok) {
        password_ = std::string(*newPassword);
    }
    return {result("CHGPWD", ok), {}, std::nullopt, false};
}

TextCommandOutcome TextCommands::changeLock(std::string_view text) {
    const std::string_view lock = valueOr(text, "LOCK", {});
    const bool ok = valueOr(text, "PWD", {}) == password_ && (lock == kOn || lock == kOff);
    TextCommandOutcome outcome{result("CHGLOCK", ok), {}, std::nullopt, false};
    if (ok) {
        outcome.lock = lock == kOn;
    }
    return outcome;
}

TextCommandOutcome TextCommands::forceLock(std::string_view text) {
    // The panel's lock key can only lock: unlocking always takes the password.
    const bool ok = valueOr(text, "LOCK", {}) == kOn;
    TextCommandOutcome outcome{result("FORCELOCK", ok), {}, std::nullopt, false};
    if (ok) {
        outcome.lock = true;
    }
    return outcome;
}

TextCommandOutcome TextCommands::changeSceneKeyLock(std::string_view text) {
    const std::string_view wanted = valueOr(text, "SCENEKEYLOCK", {});
    // An empty value only asks for the state.
    const bool ok = wanted.empty() || wanted == kOn || wanted == kOff;
    const bool changed = ok && !wanted.empty() && (wanted == kOn) != sceneKeyLock_;
    if (changed) {
        sceneKeyLock_ = wanted == kOn;
    }
    TextCommandOutcome outcome;
    outcome.reply = sceneKeyLockLines() + line("RESULT", ok ? "OK" : "FAIL");
    if (changed) {
        outcome.announcement = sceneKeyLockLines();
    }
    return outcome;
}

std::string TextCommands::sceneKeyLockLines() const {
    return line("CMD", "SCENEKEYLOCK") + line("SCENEKEYLOCK", sceneKeyLock_ ? kOn : kOff);
}

bool TextCommands::isValidPassword(std::string_view password) {
    return password.size() <= kMaxPasswordLength && password.find(' ') == std::string_view::npos;
}

std::string TextCommands::result(std::string_view command, bool ok) {
    return line("CMD", command) + line("RESULT", ok ? "OK" : "FAIL");
}

} // namespace v32::dc
