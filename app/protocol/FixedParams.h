#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// Identifiers outside the channels whose meaning the link, the model and the screens rely
// on. They sit between the channel blocks, so nothing derives them from a formula.
struct FixedParam {
    // Probed and answered with value 0 to keep a link alive.
    static constexpr ParamId kKeepAlive = 0;
    // Polled every second while online.
    static constexpr ParamId kOnlineLock = 1;
    // Writing kFactoryResetCode here resets the mixer.
    static constexpr ParamId kFactoryReset = 55;
    static constexpr std::uint16_t kFactoryResetCode = 0x55AA;
    // The channel the analyser listens to: 1 + input index, or 35 + bus index.
    static constexpr ParamId kAnalyserSource = 57;
    static constexpr ParamId kMediaLevel = 4853;
    // 1-based number of the scene called last; a change made elsewhere means every cached
    // value may be stale.
    static constexpr ParamId kLastCalledScene = 4979;
    // The last identifier that the debug identifier header names.
    static constexpr ParamId kLastNamedParam = 4989;
    // Link bits of the input pairs and of the bus pairs (see LinkBits).
    static constexpr ParamId kInputLinks = 5108;
    static constexpr ParamId kBusLinks = 5109;
    // Which side of a stereo input each send feeds, two words per stereo input.
    static constexpr ParamId kFirstSendMode = 5110;
    static constexpr ParamId kLastSendMode = 5115;
    // Colour index of each of the 64 channel slots, slot s at kFirstChannelColour + s.
    static constexpr ParamId kFirstChannelColour = 5131;
    static constexpr ParamId kLastChannelColour = 5194;
    // The analyser display of the equaliser panels, shared by all of them.
    static constexpr ParamId kRtaOn = 5196;
    static constexpr ParamId kRtaColour = 5197;
    static constexpr ParamId kLampOn = 5198;
    static constexpr ParamId kLampLevel = 5199;
    // Requested every second as one group: a heartbeat that also carries the media owners.
    static constexpr ParamId kFirstHeartbeat = 5201;
    // MAIN L in the low byte and MAIN R in the high byte, percent of the main fader.
    static constexpr ParamId kMainOutputScaling = 5202;
    static constexpr ParamId kFirstMediaOwner = 5204;
    static constexpr ParamId kMediaInUse = 5212;
    // Non-zero while the mixer is locked.
    static constexpr ParamId kLockState = 5213;
    static constexpr ParamId kLastHeartbeat = 5214;
};

} // namespace v32
