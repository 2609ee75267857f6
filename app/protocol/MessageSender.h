#pragma once

#include "app/protocol/Frame.h"
#include "app/protocol/FrameSink.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

// Builds every frame the UI sends in its one transmit buffer and hands it to the link.
// Nothing here waits for a reply: callers repeat requests from their timers until the
// dispatcher reports the answer. Every operation returns false (or 0 items) when nothing
// was sent, because the frame would not fit or the link did not take it.
class MessageSender {
public:
    static constexpr std::size_t kMaxTextCommandLength = 249;
    static constexpr std::size_t kMaxPanelPairsPerFrame = 62;
    static constexpr std::size_t kMaxBlockValues = 123;

    explicit MessageSender(FrameSink& sink);

    // Any frame, such as the media commands.
    bool send(MessageCode code, std::span<const std::uint8_t> payload);

    bool sendIdentify();
    // One pair, sent once: not repeated and not recorded as a pending change.
    bool sendSinglePair(ParamId id, std::uint16_t value);
    bool sendTextQuery(std::string_view text);
    // Refuses texts longer than kMaxTextCommandLength.
    bool sendTextCommand(std::string_view text);
    // The Ethernet, access-point and Wi-Fi blocks, as three frames in that order.
    bool sendNetworkQueries();
    // The analyser band levels: status bytes 0..30.
    bool requestStatusBytes();

    bool requestSceneName(std::uint8_t scene);
    // Names longer than a name slot holds are cut to 31 characters.
    bool sendSceneName(std::uint8_t scene, std::string_view name);
    bool requestChannelName(std::uint8_t slot);
    bool sendChannelName(std::uint8_t slot, std::string_view name);
    bool sendSceneCall(std::uint8_t scene);
    bool sendSceneSave(std::uint8_t scene);

    // Each sends one frame with the leading items of the list and returns how many it
    // carried: at most 60 pairs or identifiers, at most 62 panel pairs.
    std::size_t sendParamSet(std::span<const ParamPair> pairs);
    std::size_t sendParamQuery(std::span<const ParamId> ids);
    std::size_t sendPanelSet(std::span<const ParamPair> pairs);

    // Scene transfer. Each request records in state what its reply must match and clears
    // its done flag before it is sent. The "name" requests move one of the 64 text items,
    // the "text" requests the scene name.
    bool sendBlockRead(SceneTransferState& state, std::uint8_t scene, std::uint16_t start,
                       std::uint8_t count);
    // Values of indexes beyond 5862 are sent as 0; at most kMaxBlockValues fit in a frame.
    bool sendBlockWrite(SceneTransferState& state, const SceneImage& image, std::uint8_t scene,
                        std::uint16_t start, std::uint8_t count);
    bool sendBlockCommit(SceneTransferState& state, std::uint8_t scene);
    // index is 0..63.
    bool sendBlockNameRead(SceneTransferState& state, std::uint8_t scene, std::uint8_t index);
    bool sendBlockNameWrite(SceneTransferState& state, const SceneImage& image, std::uint8_t scene,
                            std::uint8_t index);
    bool sendBlockTextRead(SceneTransferState& state, std::uint8_t scene);
    bool sendBlockTextWrite(SceneTransferState& state, const SceneImage& image, std::uint8_t scene);

private:
    bool sendByte(MessageCode code, std::uint8_t byte);
    bool sendText(MessageCode code, std::string_view text);
    bool sendSlotName(MessageCode code, std::uint8_t slot, std::string_view name);
    bool sendSceneText(MessageCode code, std::span<const std::uint8_t> header,
                       const SceneText& text);
    std::size_t sendPairs(MessageCode code, std::span<const ParamPair> pairs, std::size_t maxPairs);

    FrameSink& m_sink;
    std::array<std::uint8_t, kFrameCapacity> m_transmitBuffer{};
};

} // namespace v32
