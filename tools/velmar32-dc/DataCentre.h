#pragma once

#include "app/core/Clock.h"
#include "app/protocol/FrameSink.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"
#include "app/protocol/SceneImage.h"
#include "tools/velmar32-dc/ClientTable.h"
#include "tools/velmar32-dc/MeterSimulator.h"
#include "tools/velmar32-dc/MixerParameters.h"
#include "tools/velmar32-dc/PanelMirror.h"
#include "tools/velmar32-dc/SceneStore.h"
#include "tools/velmar32-dc/SceneTransferService.h"
#include "tools/velmar32-dc/TextCommands.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace v32::dc {

class MediaModule;

// Who the mixer says it is, and where its simulation starts.
struct DataCentreConfig {
    std::uint16_t productId = 0xE001;
    std::uint8_t modelCode = 0x2F;
    std::string deviceName = "unnamed";
    std::string firmwareVersion = "1.0.0";
    std::uint32_t seed = 1;
    // Starts from a sound-check mix instead of the factory settings.
    bool demoMix = false;
};

// The mixer's data centre as its clients see it: the parameter words, the scenes, the
// channel names, the text settings and the panel, answering every request frame the way
// the control surface expects. It knows nothing of transports: clients are frame sinks,
// frames come in whole, and time comes from the clock it is given.
//
// A parameter write is acknowledged with the values stored afterwards (a word the mixer
// owns keeps its value, identifiers beyond the last are left out), and every change is
// notified to every other client. Notifications and panel events that clients echo back
// are their acknowledgements, never new changes.
class DataCentre {
public:
    static constexpr std::uint32_t kKeepAliveIntervalMs = 1000;
    static constexpr std::size_t kChannelNameCount = kSceneTextCount;

    DataCentre(const Clock& clock, DataCentreConfig config);

    // kNoClient when no more clients can be served.
    ClientId connectClient(FrameSink& sink, ClientOptions options = {});
    void disconnectClient(ClientId client);
    // One whole frame from a client; a frame that fails its check is dropped.
    void handleFrame(ClientId client, std::span<const std::uint8_t> frame);
    // Moves the live data on, probes the clients that want it and runs the media module.
    void tick();

    // Changes made at the mixer itself, as if someone worked the desk: every client hears
    // of them.
    void changeParameter(ParamId id, std::uint16_t value);
    void sendPanelEvents(std::span<const ParamPair> events);

    // The module must outlive the data centre or be removed (nullptr) first.
    void setMediaModule(MediaModule* module) { media_ = module; }

    const MixerParameters& parameters() const { return parameters_; }
    const SceneStore& scenes() const { return scenes_; }
    const TextCommands& settings() const { return settings_; }
    const PanelMirror& panel() const { return panel_; }
    std::string_view channelName(std::size_t slot) const;
    bool isLocked() const;
    ClientTable& clients() { return clients_; }
    const ClientTable& clients() const { return clients_; }
    std::uint64_t rejectedFrames() const { return rejectedFrames_; }

private:
    void dispatch(ClientId client, MessageCode code, std::span<const std::uint8_t> frame);
    void answerIdentify(ClientId client);
    void callScene(ClientId client, std::span<const std::uint8_t> payload);
    void saveScene(ClientId client, std::span<const std::uint8_t> payload);
    void setParameters(ClientId client, std::span<const std::uint8_t> payload);
    void reportParameters(ClientId client, std::span<const std::uint8_t> payload);
    void sendSceneName(ClientId client, std::span<const std::uint8_t> payload);
    void renameScene(ClientId client, std::span<const std::uint8_t> payload);
    void sendChannelName(ClientId client, std::span<const std::uint8_t> payload);
    void renameChannel(ClientId client, std::span<const std::uint8_t> payload);
    void sendWifiList(ClientId client);
    void answerTextQuery(ClientId client, std::span<const std::uint8_t> payload);
    void runTextCommand(ClientId client, std::span<const std::uint8_t> payload);
    void sendStatusBytes(ClientId client, std::span<const std::uint8_t> payload);
    void mirrorPanel(ClientId client, std::span<const std::uint8_t> payload);
    void transferScene(ClientId client, MessageCode code, std::span<const std::uint8_t> payload);

    void setLock(bool locked);
    void factoryReset();
    void probeKeepAliveClients(std::uint32_t nowMs);
    static bool isSessionFrame(std::span<const std::uint8_t> frame);

    const Clock& clock_;
    const DataCentreConfig config_;
    ClientTable clients_;
    MixerParameters parameters_;
    SceneStore scenes_;
    SceneTransferService sceneTransfer_{scenes_};
    TextCommands settings_;
    MeterSimulator meters_;
    PanelMirror panel_;
    std::array<SceneText, kChannelNameCount> channelNames_{};
    MediaModule* media_ = nullptr;
    PayloadWriter reply_;
    std::optional<std::uint32_t> lastKeepAliveMs_;
    std::uint64_t rejectedFrames_ = 0;
};

} // namespace v32::dc
