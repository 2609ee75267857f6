#include "tests/link/ListenerRecorder.h"

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

void ListenerRecorder::registerIn(ListenerRegistry& registry) {
    registry.listen<PageListener>(this);
    registry.listen<LinkStateListener>(this);
    registry.listen<ToastListener>(this);
    registry.listen<LockListener>(this);
    registry.listen<NetworkListener>(this);
    registry.listen<DeviceInfoListener>(this);
    registry.listen<SceneKeyListener>(this);
    registry.listen<MediaListener>(this);
    registry.listen<GlobalBarListener>(this);
}

void ListenerRecorder::pageParameter(ParamId id, std::uint16_t value, bool fromNotify) {
    record("parameter " + std::to_string(id) + "=" + std::to_string(value) +
           (fromNotify ? " notify" : " report"));
}

void ListenerRecorder::pageChannelName(int slot, std::string_view name) {
    record(joined("channel name " + std::to_string(slot), name));
}

void ListenerRecorder::pageSceneName(int scene, std::string_view name) {
    record(joined("scene name " + std::to_string(scene), name));
}

void ListenerRecorder::pageEncoder(int encoder, int step) {
    record("encoder " + std::to_string(encoder) + " " + std::to_string(step));
}

void ListenerRecorder::pageCommand(int code, int argument) {
    record("command " + std::to_string(code) + " " + std::to_string(argument));
}

void ListenerRecorder::showConnectionIssue(std::string_view text) {
    record(joined("connection issue", text));
}

void ListenerRecorder::showOnlineState(bool online) {
    record(online ? "online" : "offline");
}

void ListenerRecorder::showToast(std::string_view text, std::uint16_t colour,
                                 std::uint32_t durationMs) {
    char details[32];
    std::snprintf(details, sizeof details, " %04X %u", colour, durationMs);
    record(joined("toast", text) + details);
}

void ListenerRecorder::openLockPage() {
    record("lock page open");
}

void ListenerRecorder::closeLockPage() {
    record("lock page closed");
}

void ListenerRecorder::closePasswordDialog() {
    record("password dialog closed");
}

void ListenerRecorder::finishFactoryReset() {
    record("factory reset finished");
}

void ListenerRecorder::networkSetting(std::string_view key, std::string_view value) {
    record(joined("network " + std::string(key), value));
}

void ListenerRecorder::networkListItem(std::string_view text) {
    record(joined("network item", text));
}

void ListenerRecorder::showConfigurationSaved(std::string_view text) {
    record(joined("configuration saved", text));
}

void ListenerRecorder::showDeviceName(std::string_view name) {
    record(joined("device name", name));
}

void ListenerRecorder::showFirmwareVersion(std::string_view version) {
    record(joined("firmware", version));
}

void ListenerRecorder::setSceneKeyLock(bool locked) {
    record(locked ? "scene keys locked" : "scene keys unlocked");
}

void ListenerRecorder::sceneKeyEvent(std::uint16_t event) {
    record("scene key " + std::to_string(event));
}

void ListenerRecorder::mediaFrame(std::span<const std::uint8_t> frame) {
    record("media " + sentEntry(frame).substr(5));
}

void ListenerRecorder::mediaStep() {
    ++m_mediaSteps;
}

void ListenerRecorder::refreshMediaScreen() {
    record("media screen refreshed");
}

void ListenerRecorder::refreshGlobalBarFaders() {
    record("global bar faders");
}

} // namespace v32::test
