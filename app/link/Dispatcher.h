#pragma once

#include "app/link/DispatcherContext.h"
#include "app/link/DispatcherTextReplies.h"
#include "app/link/FrameReader.h"
#include "app/model/PacedSenders.h"
#include "app/model/ReadFinishedStep.h"
#include "app/model/RequestSender.h"
#include "app/protocol/PairList.h"

#include <cstdint>
#include <span>

namespace v32 {

class PanelEvents;

// The only way in for data from the device. Each pass takes what the link received, cuts it
// into frames, applies every frame to the parameter model and the screens, answers the
// frames that want an echo, and then lets the senders put out what is pending.
class Dispatcher {
public:
    static constexpr std::size_t kMinPairFrame = 9;
    static constexpr std::size_t kMinIdentifyFrame = 10;
    static constexpr int kMediaEncoder = 1;
    static constexpr int kLampEncoder = 2;
    static constexpr const char* kConnectionIssueText =
        "Your device is experiencing connection issues.\nThis may be due to outdated browser "
        "cache.\nYou can clear your browser cache and try reconnecting to resolve this problem.";

    explicit Dispatcher(const DispatcherContext& context);

    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Null: no control panel, so panel faders move nothing and panel keys light nothing.
    void setPanelEvents(PanelEvents* panel) { m_panel = panel; }

    void runPass();

    // A channel copy sets it; it clears once every parameter write of the copy has been
    // confirmed or given up.
    void setCopyInProgress() { m_copyInProgress = true; }
    bool isCopyInProgress() const { return m_copyInProgress; }

private:
    void handleFrames(FrameReader::Mode mode);
    void handleFrame(std::span<const std::uint8_t> frame);
    void echo(std::span<const std::uint8_t> frame);
    void watchCopyWrites();

    void handleIdentify(std::span<const std::uint8_t> frame);
    void switchLinkOffForGood();
    void handleSceneCall(std::span<const std::uint8_t> payload);
    void handleSceneSave();
    void handleSceneName(std::span<const std::uint8_t> frame);
    void handleChannelName(std::span<const std::uint8_t> frame);
    void handleReport(std::span<const std::uint8_t> frame, std::uint16_t lockBefore);
    void handleNotify(std::span<const std::uint8_t> frame, std::uint16_t lockBefore);
    void handleStatusBytes(std::span<const std::uint8_t> payload);
    void handleSceneTransfer(std::span<const std::uint8_t> frame);
    void handlePanelAcknowledge(PairListView pairs);

    void storeReported(PairListView pairs);
    void handPairsToPage(PairListView pairs, bool fromNotify, std::uint16_t lockBefore);
    void handOnePair(ParamPair pair, bool fromNotify, std::uint16_t& lockState);
    void changeLockState(std::uint16_t before, std::uint16_t after);
    void mirrorNotifiedFaders(PairListView pairs);

    void handlePanelEvent(ParamPair event);
    void moveFader(int strip, std::uint16_t position);
    void turnEncoder(int encoder, std::int16_t step);
    void stepParameter(ParamId id, std::int16_t step);

    const ListenerRegistry& listeners() const { return m_context.listeners; }

    DispatcherContext m_context;
    FrameReader m_reader;
    DispatcherTextReplies m_texts;
    RequestSender m_requests;
    PacedSenders m_paced;
    ReadFinishedStep m_readFinished;
    PanelEvents* m_panel = nullptr;
    std::uint32_t m_nowMs = 0;
    bool m_copyInProgress = false;
    bool m_sendSetWasEmpty = true;
};

} // namespace v32
