#pragma once

#include "app/model/Channel.h"

namespace v32 {

// The flat numbering 0..63 of the channels of kinds 1-4 that names, colours, group
// membership and the editors' page arguments use: input i is slot i, effect return i is
// 34 + i, bus i is 38 + i (MAIN L 54, MAIN R 55) and DCA i is 56 + i. Slots 52 and 53
// are empty because buses 14 and 15 do not exist.
class ChannelSlot {
public:
    static constexpr int kCount = 64;
    static constexpr int kFirstEffect = 34;
    static constexpr int kFirstBus = 38;
    static constexpr int kMainLeft = 54;
    static constexpr int kMainRight = 55;
    static constexpr int kFirstDca = 56;

    // -1 when the channel has no slot.
    static int of(Channel channel);
    static int of(int kind, int index) { return of(Channel{kind, index}); }
    // Kind KindNone for an empty or out-of-range slot.
    static Channel channelOf(int slot);
};

} // namespace v32
