#pragma once

#include "app/model/Channel.h"
#include "app/model/ParamReader.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/SendLevel.h"

#include <cstdint>

namespace v32 {

// A bus whose sends can be put on the faders: AUX 0..13 or FX 0..3.
struct SendBus {
    enum class Type : std::uint8_t {
        Aux,
        Effect,
    };

    Type type = Type::Aux;
    int index = 0;

    bool operator==(const SendBus&) const = default;
};

// Where the sends on the faders come from and go to. Every mono input and every stereo
// input (by its left half) sends to the AUX and FX buses; the effect returns send to the
// AUX buses only. A send value keeps its level in bits 0-14 and the pre-fader flag in
// bit 15.
class SendOnFader {
public:
    static constexpr int kAuxCount = BusIndex::kAuxCount;
    static constexpr int kEffectCount = EffectIndex::kCount;
    static constexpr std::uint16_t kPreFaderBit = SendLevel::kPreFaderBit;
    static constexpr std::uint16_t kLevelMask = SendLevel::kAllButPreFader;

    static bool isBus(SendBus bus);
    static bool canSend(Channel source, SendBus bus);

    // The send the source's strip writes; kInvalidParam when it cannot send to the bus.
    static ParamId sendId(Channel source, SendBus bus);
    // The send the strip shows: the right half's own send where a stereo input feeds the
    // AUX from its right side only, else the one it writes.
    static ParamId shownSendId(const ParamReader& values, Channel source, SendBus bus);

    static std::uint16_t withLevel(std::uint16_t send, std::uint16_t level) {
        return static_cast<std::uint16_t>((send & kPreFaderBit) | (level & kLevelMask));
    }
    static std::uint16_t withPreFader(std::uint16_t send, bool preFader) {
        return SendLevel::withPreFader(send, preFader);
    }
    static bool isPreFader(std::uint16_t send) { return SendLevel::isPreFader(send); }
};

} // namespace v32
