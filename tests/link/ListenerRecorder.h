#pragma once

#include "app/link/DeviceInfoListener.h"
#include "app/link/GlobalBarListener.h"
#include "app/link/LinkStateListener.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/LockListener.h"
#include "app/link/MediaListener.h"
#include "app/link/NetworkListener.h"
#include "app/link/PageListener.h"
#include "app/link/SceneKeyListener.h"
#include "app/link/ToastListener.h"
#include "tests/link/DispatcherTestLink.h"

namespace v32::test {

// Screens of every feature that write every call into the journal, as one line each.
class ListenerRecorder final : public PageListener,
                               public LinkStateListener,
                               public ToastListener,
                               public LockListener,
                               public NetworkListener,
                               public DeviceInfoListener,
                               public SceneKeyListener,
                               public MediaListener,
                               public GlobalBarListener {
public:
    explicit ListenerRecorder(Journal& journal)
        : m_journal(journal) {}

    // Listens to every feature.
    void registerIn(ListenerRegistry& registry);

    void pageParameter(ParamId id, std::uint16_t value, bool fromNotify) override;
    void pageChannelName(int slot, std::string_view name) override;
    void pageSceneName(int scene, std::string_view name) override;
    void pageEncoder(int encoder, int step) override;
    void pageCommand(int code, int argument) override;
    void showConnectionIssue(std::string_view text) override;
    void showOnlineState(bool online) override;
    void showToast(std::string_view text, std::uint16_t colour, std::uint32_t durationMs) override;
    void openLockPage() override;
    void closeLockPage() override;
    void closePasswordDialog() override;
    void finishFactoryReset() override;
    void networkSetting(std::string_view key, std::string_view value) override;
    void networkListItem(std::string_view text) override;
    void showConfigurationSaved(std::string_view text) override;
    void showDeviceName(std::string_view name) override;
    void showFirmwareVersion(std::string_view version) override;
    void setSceneKeyLock(bool locked) override;
    void sceneKeyEvent(std::uint16_t event) override;
    void mediaFrame(std::span<const std::uint8_t> frame) override;
    void mediaStep() override;
    void refreshMediaScreen() override;
    void refreshGlobalBarFaders() override;

    // Counted rather than journalled: every dispatch pass runs one.
    int mediaSteps() const { return m_mediaSteps; }

private:
    void record(std::string entry) { m_journal.push_back(std::move(entry)); }

    Journal& m_journal;
    int m_mediaSteps = 0;
};

} // namespace v32::test
