#include "tests/link/UiHooksRecorder.h"

#include <cstdio>

namespace v32::test {

namespace {

std::string joined(std::string_view what, std::string_view text) {
    std::string entry(what);
    entry += ' ';
    entry += text;
    return entry;
}

} // namespace

void UiHooksRecorder::pageParameter(ParamId id, std::uint16_t value, bool fromNotify) {
    record("parameter " + std::to_string(id) + "=" + std::to_string(value) +
           (fromNotify ? " notify" : " report"));
}

void UiHooksRecorder::pageChannelName(int slot, std::string_view name) {
    record(joined("channel name " + std::to_string(slot), name));
}

void UiHooksRecorder::pageSceneName(int scene, std::string_view name) {
    record(joined("scene name " + std::to_string(scene), name));
}

void UiHooksRecorder::pageEncoder(int encoder, int step) {
    record("encoder " + std::to_string(encoder) + " " + std::to_string(step));
}

void UiHooksRecorder::showConnectionIssue(std::string_view text) {
    record(joined("connection issue", text));
}

void UiHooksRecorder::showOnlineState(bool online) {
    record(online ? "online" : "offline");
}

void UiHooksRecorder::showToast(std::string_view text, std::uint16_t colour,
                                std::uint32_t durationMs) {
    char details[32];
    std::snprintf(details, sizeof details, " %04X %u", colour, durationMs);
    record(joined("toast", text) + details);
}

void UiHooksRecorder::openLockPage() {
    record("lock page open");
}

void UiHooksRecorder::closeLockPage() {
    record("lock page closed");
}

void UiHooksRecorder::closePasswordDialog() {
    record("password dialog closed");
}

void UiHooksRecorder::finishFactoryReset() {
    record("factory reset finished");
}

void UiHooksRecorder::networkSetting(std::string_view key, std::string_view value) {
    record(joined("network " + std::string(key), value));
}

void UiHooksRecorder::networkListItem(std::string_view text) {
    record(joined("network item", text));
}

void UiHooksRecorder::showConfigurationSaved(std::string_view text) {
    record(joined("configuration saved", text));
}

void UiHooksRecorder::showDeviceName(std::string_view name) {
    record(joined("device name", name));
}

void UiHooksRecorder::showFirmwareVersion(std::string_view version) {
    record(joined("firmware", version));
}

void UiHooksRecorder::setSceneKeyLock(bool locked) {
    record(locked ? "scene keys locked" : "scene keys unlocked");
}

void UiHooksRecorder::sceneKeyEvent(std::uint16_t event) {
    record("scene key " + std::to_string(event));
}

void UiHooksRecorder::mediaFrame(std::span<const std::uint8_t> frame) {
    record("media " + sentEntry(frame).substr(5));
}

void UiHooksRecorder::mediaStep() {
    ++m_mediaSteps;
}

void UiHooksRecorder::refreshMediaScreen() {
    record("media screen refreshed");
}

void UiHooksRecorder::refreshGlobalBarFaders() {
    record("global bar faders");
}

} // namespace v32::test
